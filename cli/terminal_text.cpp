#include "cli/terminal_text.h"

#include "cli/argument_text.h"
#include "encoding/ansi_conversion.h"
#include "encoding/code_page.h"

namespace varnel::cli {
namespace {

using encoding::CodePage;

// The UTF-16 form of valid UTF-8; otherwise an error naming the first byte that is not.
struct Decoded {
    std::u16string units;
    std::string error;
};

Decoded DecodeUtf8(std::string_view utf8) {
    Decoded decoded{encoding::MultiByteToUtf16(CodePage::kUtf8, utf8), {}};
    // Valid UTF-8 is the only input that survives the way there and back unchanged; the first
    // difference is where the first invalid sequence starts.
    const std::string back = encoding::Utf16ToMultiByte(CodePage::kUtf8, decoded.units);
    if (back != utf8) {
        std::size_t at = 0;
        while (at < back.size() && at < utf8.size() && back[at] == utf8[at]) {
            ++at;
        }
        decoded.error = "not valid UTF-8 at byte " + std::to_string(at);
    }
    return decoded;
}

EncodedText EncodeBig5(std::string_view utf8) {
    const Decoded decoded = DecodeUtf8(utf8);
    if (!decoded.error.empty()) {
        return {{}, decoded.error};
    }
    EncodedText out;
    const std::u16string& units = decoded.units;
    for (std::size_t i = 0; i < units.size();) {
        const bool pair = i + 1 < units.size() && units[i] >= 0xD800 && units[i] < 0xDC00 &&
                          units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000;
        const std::u16string_view character(units.data() + i, pair ? 2 : 1);
        const char32_t code =
            pair ? 0x10000 + ((units[i] - 0xD800u) << 10) + (units[i + 1] - 0xDC00u) : units[i];
        const std::string bytes = encoding::Utf16ToMultiByte(CodePage::kBig5, character, '\0');
        if (code == 0) {
            return {{}, "a zero character"};
        }
        if (bytes.find('\0') != std::string::npos) {
            return {{}, "the character " + encoding::CodePointName(code) + " has no BIG5 form"};
        }
        out.bytes += bytes;
        i += character.size();
    }
    return out;
}

} // namespace

EncodedText EncodeTypedText(std::string_view utf8, ValueKind kind) {
    switch (kind) {
    case ValueKind::kBig5Text:
        return EncodeBig5(utf8);
    case ValueKind::kUtf8Bytes:
        return {std::string(utf8), {}};
    case ValueKind::kUnicodeBytes: {
        const Decoded decoded = DecodeUtf8(utf8);
        EncodedText out{{}, decoded.error};
        if (out.error.empty()) {
            for (const char16_t unit : decoded.units) {
                out.bytes += static_cast<char>(unit & 0xFF);
                out.bytes += static_cast<char>(unit >> 8);
            }
        }
        return out;
    }
    default: {
        ArgumentText text = TextFromArgument(utf8, true);
        return {std::move(text.text), std::move(text.error)};
    }
    }
}

std::string Utf8FromText(std::string_view text, ValueKind kind) {
    const CodePage from = kind == ValueKind::kBig5Text ? CodePage::kBig5 : CodePage::kGbk;
    return encoding::Recode(from, CodePage::kUtf8, text);
}

} // namespace varnel::cli
