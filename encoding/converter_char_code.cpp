// Codes of single characters: printable ASCII, GB2312 zone and position, and the internal code
// (the GBK bytes) in hexadecimal.
#include "base/hex_digit.h"
#include "encoding/converter_steps.h"
#include "encoding/encoding_converter.h"

namespace varnel::encoding {
namespace {

using detail::AsText;

bool IsPrintableAscii(std::int32_t code) {
    return code >= 32 && code <= 126;
}

void AppendTwoDigits(Text& out, int value) {
    out += static_cast<char>('0' + value / 10);
    out += static_cast<char>('0' + value % 10);
}

// A byte below 128 is written as b + 256 ("141" for "A"), a higher one as its two digits.
void AppendInternalCode(Text& out, std::uint8_t b) {
    if (b < 128) {
        out += '1';
    }
    AppendHexByte(out, b);
}

} // namespace

std::int32_t EncodingConverter::AsciiCode(std::string_view source) const {
    const std::string_view text = AsText(source);
    if (text.size() != 1 || !IsPrintableAscii(static_cast<unsigned char>(text[0]))) {
        return 0;
    }
    return static_cast<unsigned char>(text[0]);
}

Text EncodingConverter::AsciiChar(std::int32_t code) const {
    return IsPrintableAscii(code) ? Text(1, static_cast<char>(code)) : Text();
}

Text EncodingConverter::ZonePositionCode(std::string_view source) const {
    const std::string_view text = AsText(source);
    if (text.size() != 2) {
        return {};
    }
    const int zone = static_cast<unsigned char>(text[0]) - 160;
    const int position = static_cast<unsigned char>(text[1]) - 160;
    if (zone < 1 || zone > 87 || position < 1 || position > 94) {
        return {};
    }
    Text out;
    AppendTwoDigits(out, zone);
    AppendTwoDigits(out, position);
    return out;
}

Text EncodingConverter::InternalCodeHex(std::string_view source) const {
    const std::string_view text = AsText(source);
    const auto first = text.empty() ? std::uint8_t{0} : static_cast<std::uint8_t>(text.front());
    const auto last = text.empty() ? std::uint8_t{0} : static_cast<std::uint8_t>(text.back());
    Text out;
    AppendInternalCode(out, first);
    AppendInternalCode(out, last);
    return out;
}

} // namespace varnel::encoding
