#include "settings/ini_file.h"

#include <optional>

#include "base/gbk_text.h"
#include "encoding/code_page.h"
#include "platform/file_io.h"
#include "settings/ini_format.h"

namespace varnel::settings {

namespace {

using encoding::CodePage;

constexpr std::string_view kCrMark = "\xA9\xAEr\xA9\xAE"; // ┊r┊
constexpr std::string_view kLfMark = "\xA9\xAEn\xA9\xAE"; // ┊n┊

enum class FileEncoding { kAnsi, kUtf8, kUtf16Le, kUtf16Be };

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// An INI file's text in the form ini_format works on: GBK bytes as they are, or UTF-8.
struct IniText {
    FileEncoding encoding = FileEncoding::kAnsi;
    std::string content;

    [[nodiscard]] ini::Scheme scheme() const {
        return encoding == FileEncoding::kAnsi ? ini::Scheme::kGbk : ini::Scheme::kUtf8;
    }
};

std::u16string Utf16FromBytes(std::string_view bytes, bool bigEndian) {
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        units.push_back(
            static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first));
    }
    return units;
}

void AppendUtf16Bytes(Bytes& out, std::u16string_view units, bool bigEndian) {
    for (const char16_t unit : units) {
        const auto high = static_cast<std::uint8_t>(unit >> 8);
        const auto low = static_cast<std::uint8_t>(unit & 0xFF);
        out.push_back(bigEndian ? high : low);
        out.push_back(bigEndian ? low : high);
    }
}

IniText Decode(const Bytes& bytes) {
    const std::string_view raw = AsChars(bytes);
    if (raw.substr(0, 3) == kUtf8Bom) {
        return {FileEncoding::kUtf8, std::string(raw.substr(3))};
    }
    if (raw.substr(0, 2) == "\xFF\xFE" || raw.substr(0, 2) == "\xFE\xFF") {
        const bool bigEndian = raw[0] == '\xFE';
        return {
            bigEndian ? FileEncoding::kUtf16Be : FileEncoding::kUtf16Le,
            encoding::Utf16ToMultiByte(CodePage::kUtf8, Utf16FromBytes(raw.substr(2), bigEndian))};
    }
    return {FileEncoding::kAnsi, std::string(raw)};
}

Bytes Encode(const IniText& text) {
    Bytes out;
    switch (text.encoding) {
    case FileEncoding::kAnsi:
        return BytesOf(text.content);
    case FileEncoding::kUtf8:
        out = BytesOf(kUtf8Bom);
        out.insert(out.end(), text.content.begin(), text.content.end());
        return out;
    case FileEncoding::kUtf16Le:
    case FileEncoding::kUtf16Be: {
        const bool bigEndian = text.encoding == FileEncoding::kUtf16Be;
        AppendUtf16Bytes(out, u"\uFEFF", bigEndian);
        AppendUtf16Bytes(out, encoding::MultiByteToUtf16(CodePage::kUtf8, text.content), bigEndian);
        return out;
    }
    }
    return out;
}

// GBK from the caller into the file's scheme, and back.
std::string ToScheme(std::string_view gbk, ini::Scheme scheme) {
    if (scheme == ini::Scheme::kGbk) {
        return std::string(gbk);
    }
    return encoding::Recode(CodePage::kGbk, CodePage::kUtf8, gbk);
}

Text FromScheme(std::string_view text, ini::Scheme scheme) {
    if (scheme == ini::Scheme::kGbk) {
        return Text(text);
    }
    return encoding::Recode(CodePage::kUtf8, CodePage::kGbk, text);
}

// The file's text; an empty ANSI text for a missing file; nullopt when it exists but cannot be
// read (a write must then leave it alone).
std::optional<IniText> Load(const std::filesystem::path& path) {
    const std::optional<Bytes> content = platform::ReadFileIfPresent(path);
    if (!content) {
        return std::nullopt;
    }
    return Decode(*content);
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

bool NeedsQuotes(std::string_view value) {
    if (value.empty()) {
        return false;
    }
    return ini::IsBlank(value.front()) || ini::IsBlank(value.back()) || ini::IsQuoted(value);
}

} // namespace

Text CutToReadBuffer(std::string_view text) {
    if (text.size() <= kMaxValueBytes) {
        return Text(text);
    }
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t next = end + gbk::CharLength(text, end);
        if (next > kMaxValueBytes) {
            break;
        }
        end = next;
    }
    return Text(text.substr(0, end));
}

Text EncodeIniValue(std::string_view value) {
    Text out;
    out.reserve(value.size());
    for (const char c : value) {
        if (c == '\r') {
            out += kCrMark;
        } else if (c == '\n') {
            out += kLfMark;
        } else {
            out += c;
        }
    }
    if (NeedsQuotes(out)) {
        out = '"' + out + '"';
    }
    return out;
}

Text DecodeIniValue(std::string_view stored) {
    return gbk::ReplaceAll(gbk::ReplaceAll(stored, kCrMark, "\r"), kLfMark, "\n");
}

Text ReadIniValue(const std::filesystem::path& path, std::string_view section, std::string_view key,
                  std::string_view defaultText) {
    if (path.empty()) {
        return CutToReadBuffer(defaultText);
    }
    const std::optional<IniText> file = Load(path);
    if (!file) {
        return CutToReadBuffer(defaultText);
    }
    const ini::Scheme scheme = file->scheme();
    const std::optional<std::string> value =
        ini::FindValue(file->content, ToScheme(section, scheme), ToScheme(key, scheme), scheme);
    if (!value) {
        return CutToReadBuffer(defaultText);
    }
    return DecodeIniValue(CutToReadBuffer(FromScheme(*value, scheme)));
}

bool WriteIniValue(const std::filesystem::path& path, std::string_view section,
                   std::string_view key, std::string_view value) {
    if (path.empty() || HasLineBreak(section) || HasLineBreak(key)) {
        return false;
    }
    std::optional<IniText> file = Load(path);
    if (!file) {
        return false;
    }
    const ini::Scheme scheme = file->scheme();
    file->content =
        ini::AssignValue(file->content, ToScheme(section, scheme), ToScheme(key, scheme),
                         ToScheme(EncodeIniValue(value), scheme), scheme);
    return !platform::ReplaceFileContent(path, Encode(*file)).has_value();
}

} // namespace varnel::settings
