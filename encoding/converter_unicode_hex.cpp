// A text as the hexadecimal codes of its UTF-16 code units and back, through the converter's own
// AnsiToUnicode and UnicodeToAnsi.
#include "base/hex_digit.h"
#include "encoding/encoding_converter.h"

namespace varnel::encoding {

Text EncodingConverter::TextToUnicodeHex(std::string_view gbk) const {
    const Bytes unicode = AnsiToUnicode(gbk);
    if (unicode.size() < 2) {
        return {};
    }
    const std::size_t units = unicode.size() / 2 - 1; // without the terminating zero unit
    Text out;
    out.reserve(4 * units);
    for (std::size_t i = 0; i < units; ++i) {
        AppendHexByte(out, unicode[2 * i + 1]);
        AppendHexByte(out, unicode[2 * i]);
    }
    return out;
}

Text EncodingConverter::UnicodeHexToText(std::string_view hex) const {
    const std::string_view digits = hex.substr(0, hex.find('\0'));
    const std::size_t units = digits.size() / 4;
    Bytes unicode;
    unicode.reserve(2 * units + 2);
    for (std::size_t i = 0; i < units; ++i) {
        const std::string_view unit = digits.substr(4 * i, 4);
        unicode.push_back(HexPairValue(unit[2], unit[3]));
        unicode.push_back(HexPairValue(unit[0], unit[1]));
    }
    unicode.push_back(0);
    unicode.push_back(0);
    return UnicodeToAnsi(unicode);
}

} // namespace varnel::encoding
