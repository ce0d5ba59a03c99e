// Percent encoding: URL texts, where only unsafe bytes are escaped, and byte buffers, where every
// byte is. Both work byte by byte, so each byte of a double-byte character is escaped alone.
#include "base/hex_digit.h"
#include "encoding/converter_steps.h"
#include "encoding/encoding_converter.h"

namespace varnel::encoding {
namespace {

using detail::AsText;

// A digit of a "%HL" escape: a position past the end counts 0 and a non-digit -2, so that a
// truncated or broken escape still yields a byte (which is dropped only when it is zero).
int EscapeDigit(std::string_view text, std::size_t pos) {
    if (pos >= text.size()) {
        return 0;
    }
    const int value = HexDigitValue(text[pos]);
    return value < 0 ? -2 : value;
}

bool IsUrlSafe(unsigned char b) {
    return b == '*' || (b >= ',' && b <= '9') || (b >= '@' && b <= 'Z') || b == '_' ||
           (b >= 'a' && b <= 'z');
}

} // namespace

Text EncodingConverter::UrlDecode(std::string_view source) const {
    const std::string_view text = AsText(source);
    Text out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (text[pos] != '%') {
            out += text[pos++];
            continue;
        }
        const int value = 16 * EscapeDigit(text, pos + 1) + EscapeDigit(text, pos + 2);
        const int byte = (value % 256 + 256) % 256;
        if (byte != 0) {
            out += static_cast<char>(byte);
        }
        pos += 3;
    }
    return out;
}

Text EncodingConverter::UrlEncode(std::string_view source) const {
    const std::string_view text = AsText(source);
    Text out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (IsUrlSafe(b)) {
            out += c;
        } else {
            out += '%';
            AppendHexByte(out, b);
        }
    }
    return out;
}

Bytes EncodingConverter::PercentEncodeBytes(std::span<const std::uint8_t> source,
                                            bool percent) const {
    Bytes out;
    out.reserve(3 * source.size());
    for (const std::uint8_t b : source) {
        out.push_back(percent ? '%' : '=');
        AppendHexByte(out, b);
    }
    return out;
}

Bytes EncodingConverter::PercentDecodeBytes(std::span<const std::uint8_t> source) const {
    Bytes out(source.size() / 3);
    for (std::size_t k = 0; k < out.size(); ++k) {
        out[k] = HexPairValue(static_cast<char>(source[3 * k + 1]),
                              static_cast<char>(source[3 * k + 2]));
    }
    return out;
}

} // namespace varnel::encoding
