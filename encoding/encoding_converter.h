// EncodingConverter: the program's stateless collection of text and byte conversions, declared
// in the order of its operation table. Each family of operations lives in its own source file
// (converter_<family>.cpp); a family still to come is marked where its operations belong.
//
// Every operation is a pure function of its arguments and returns a new value that the caller
// owns. Text arguments are GBK (code page 936) and end at their first zero byte; "Unicode" bytes
// are UTF-16LE without a byte-order mark, an odd last byte taking no part. No operation reports
// an error: bad input gives an empty or shortened result, as each operation describes.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "base/text.h"

namespace varnel::encoding {

class EncodingConverter {
public:
    EncodingConverter() = default;

    // destroy, copy: the object holds no data, so both are trivial.
    ~EncodingConverter() = default;
    EncodingConverter(const EncodingConverter&) = default;
    EncodingConverter& operator=(const EncodingConverter&) = default;

    // Percent encoding (converter_percent.cpp): UrlDecode, UrlEncode.
    // Random texts (converter_random.cpp): RandomDigit, RandomLetter, RandomText.
    // Hexadecimal texts (converter_hex.cpp): HexToBytes, TextToInteger, BytesToHex.
    // Percent encoding of bytes (converter_percent.cpp): PercentEncodeBytes, PercentDecodeBytes.
    // Base64 (converter_base64.cpp): Base64Encode, Base64Decode.

    // Code pages (converter_code_page.cpp). "Ansi" is code page 936, "Unicode" UTF-16LE, "Utf8"
    // code page 65001, converted as Windows' MultiByteToWideChar / WideCharToMultiByte do with
    // flags 0, from the program's own tables.

    // The text's UTF-16LE code units followed by one zero code unit; empty for the empty text.
    [[nodiscard]] Bytes AnsiToUnicode(std::string_view text) const;
    // The code units as GBK, ended before the first zero code unit or the first character
    // without a GBK form (the zero byte stands in for it): everything after it is lost.
    [[nodiscard]] Text UnicodeToAnsi(std::span<const std::uint8_t> unicode) const;
    // Every byte converted, zero bytes included; no terminator added.
    [[nodiscard]] Bytes Utf8ToUnicode(std::span<const std::uint8_t> utf8) const;
    // Every code unit converted, zero units included; a lone surrogate gives EF BF BD.
    [[nodiscard]] Bytes UnicodeToUtf8(std::span<const std::uint8_t> unicode) const;
    // UnicodeToUtf8(AnsiToUnicode(text)): the UTF-8 form followed by one zero byte.
    [[nodiscard]] Bytes AnsiToUtf8(std::string_view text) const;
    // UnicodeToAnsi(Utf8ToUnicode(utf8)): ended like UnicodeToAnsi, also by a zero byte.
    [[nodiscard]] Text Utf8ToAnsi(std::span<const std::uint8_t> utf8) const;

    // UTF-16 code hex texts (converter_unicode_hex.cpp): TextToUnicodeHex, UnicodeHexToText.

    // Chinese scripts and BIG5 (converter_chinese.cpp). The script mappings keep the byte length
    // of the text; the BIG5 conversions end the result before the first character that the
    // target code page lacks.

    [[nodiscard]] Text SimplifiedToTraditional(std::string_view gbk) const;
    [[nodiscard]] Text TraditionalToSimplified(std::string_view gbk) const;
    [[nodiscard]] Text Big5ToGbk(std::string_view big5) const;
    // TraditionalToSimplified(Big5ToGbk(big5)).
    [[nodiscard]] Text Big5ToSimplified(std::string_view big5) const;
    [[nodiscard]] Text GbkToBig5(std::string_view gbk) const;
    // GbkToBig5(SimplifiedToTraditional(gbk)).
    [[nodiscard]] Text SimplifiedToBig5(std::string_view gbk) const;
    // The same as SimplifiedToTraditional / TraditionalToSimplified.
    [[nodiscard]] Text ToTraditional(std::string_view gbk) const;
    [[nodiscard]] Text ToSimplified(std::string_view gbk) const;

    // GMT date text (converter_date.cpp): FormatGmtDate.
    // Character codes (converter_char_code.cpp): AsciiCode, AsciiChar, ZonePositionCode,
    // InternalCodeHex.
    // Radix conversions (converter_radix.cpp): ConvertRadix, BaseTextToInteger, HexToInteger,
    // IntegerToHex, ByteToHex, IntegerToBinary, BinaryToInteger, IntegerToOctal,
    // TrimLeadingZeros, OctalToInteger.
    // IPv4 address text and text reversal (converter_ipv4.cpp): IntegerToIpv4, ReverseText,
    // ReverseByPairs.
};

} // namespace varnel::encoding
