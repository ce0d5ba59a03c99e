// EncodingConverter: the program's stateless collection of text and byte conversions, declared
// in the order of its operation table. Each family of operations lives in its own source file
// (converter_<family>.cpp), named where the family begins.
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

// The number systems of TextToInteger. Any other value of the underlying type reads as 0.
enum class NumberKind : std::int32_t { kHexadecimal = 0, kDecimal = 1, kOctal = 2, kBinary = 3 };

class EncodingConverter {
public:
    EncodingConverter() = default;

    // destroy, copy: the object holds no data, so both are trivial.
    ~EncodingConverter() = default;
    EncodingConverter(const EncodingConverter&) = default;
    EncodingConverter& operator=(const EncodingConverter&) = default;

    // Percent encoding (converter_percent.cpp). Texts are escaped and unescaped byte by byte; a
    // double-byte character is two bytes, each escaped on its own. Digits are written uppercase.

    // "%HL" becomes the byte 16 x H + L (mod 256), the digits in either case. A digit past the end
    // counts 0, any other non-digit -2 ("%G1" gives E1); a decoded zero byte is dropped ("50%"
    // gives "50"). "+" stays "+".
    [[nodiscard]] Text UrlDecode(std::string_view source) const;
    // Every byte other than * , - . / 0-9 @ A-Z _ a-z becomes "%HL".
    [[nodiscard]] Text UrlEncode(std::string_view source) const;

    // Random texts (converter_random.cpp) from the process's one generator (random_source.h),
    // reseeded from the millisecond tick count and a running offset before every draw; safe to
    // call from several threads at once.

    // One of "0" to "9".
    [[nodiscard]] Text RandomDigit() const;
    // One of "A" to "Z" and "a" to "z".
    [[nodiscard]] Text RandomLetter() const;
    // `count` characters, each a digit (probability one half) or a letter; 0 means 32, a negative
    // count gives the empty text.
    [[nodiscard]] Text RandomText(std::int32_t count = 0) const;

    // Hexadecimal texts (converter_hex.cpp).

    // Pairs of hexadecimal digits from the start, each read by TextToInteger(kHexadecimal) and
    // kept as its low 8 bits; an odd last digit is a byte of its own ("abc" gives AB 0C).
    [[nodiscard]] Bytes HexToBytes(std::string_view source) const;
    // The text as a number of the given kind, reduced modulo 2^32 ("ffffffff" gives -1). Kinds
    // 0, 2 and 3 weigh each byte by its distance from the right end, ASCII case ignored; a byte
    // that is no digit of the kind counts 0 there. Decimal reads the leading number the usual
    // string-to-double way after full-width forms became ASCII and truncates it toward zero
    // ("-7.5" gives -7, "1e3" 1000, "abc" 0); a magnitude beyond double gives 0. An empty text
    // and an unknown kind give 0.
    [[nodiscard]] std::int32_t TextToInteger(std::string_view source,
                                             NumberKind kind = NumberKind::kDecimal) const;
    // Each byte in uppercase hexadecimal without a leading zero: a byte below 16 is one digit
    // (01 AB gives "1AB"), so the result does not always read back.
    [[nodiscard]] Text BytesToHex(std::span<const std::uint8_t> source) const;

    // Percent encoding of bytes (converter_percent.cpp).

    // Every byte as an escape character ("%" when `percent`, else "=") and two digits.
    [[nodiscard]] Bytes PercentEncodeBytes(std::span<const std::uint8_t> source,
                                           bool percent = false) const;
    // floor(n / 3) bytes from the digit pairs of each triple; the escape character is not looked
    // at ("x41" gives "A") and one or two trailing bytes are ignored. A pair that holds a byte
    // other than a hexadecimal digit (either case) gives the byte 0.
    [[nodiscard]] Bytes PercentDecodeBytes(std::span<const std::uint8_t> source) const;

    // Base64 (converter_base64.cpp): the standard alphabet, "=" padding, no line breaks.

    [[nodiscard]] Text Base64Encode(std::span<const std::uint8_t> source) const;
    // floor(3n / 4) bytes, less one for each of at most two trailing "=", decoded from the
    // complete groups of four; the bytes of an incomplete last group stay zero. Every byte
    // outside the alphabet ("=", spaces, line breaks, the zero byte) counts as the value 0 and
    // keeps its place in the grouping.
    [[nodiscard]] Bytes Base64Decode(std::span<const std::uint8_t> source) const;

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

    // UTF-16 code hex texts (converter_unicode_hex.cpp): four uppercase digits per UTF-16 code
    // unit, high byte first ("中A" is "4E2D0041").

    [[nodiscard]] Text TextToUnicodeHex(std::string_view gbk) const;
    // Only complete groups of four digits count (up to three trailing digits are ignored); a
    // digit pair holding a byte other than a hexadecimal digit (either case) gives the byte 0.
    // The text ends at a unit "0000" or a character without a GBK form, as UnicodeToAnsi.
    [[nodiscard]] Text UnicodeHexToText(std::string_view hex) const;

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

    // GMT date text (converter_date.cpp).

    // The cookie-expiry style without leading zeros: "Sun, 6-Jan-2013 9:5:3 GMT". No time-zone
    // conversion; the value is rounded to the second as base/date_time.h reads it.
    [[nodiscard]] Text FormatGmtDate(DateTime value) const;

    // Character codes (converter_char_code.cpp).

    // 32 to 126 when the whole text is one printable ASCII character, else 0.
    [[nodiscard]] std::int32_t AsciiCode(std::string_view source) const;
    // The character of a code from 32 to 126; the empty text for any other code.
    [[nodiscard]] Text AsciiChar(std::int32_t code) const;
    // Zone and position of a GB2312 character as four digits ("啊" is "1601"); the empty text
    // unless the whole text is one character A1..F7 followed by A1..FE.
    [[nodiscard]] Text ZonePositionCode(std::string_view source) const;
    // The hexadecimal forms of the first and the last byte, a byte below 128 written as b + 256
    // ("中" is "D6D0", "A" is "141141", the empty text "100100").
    [[nodiscard]] Text InternalCodeHex(std::string_view source) const;

    // Radix conversions (converter_radix.cpp). Digits come from "0-9A-Z" and are written
    // uppercase; the readers return the value modulo 2^32.

    // The digits of the source (full-width forms read as ASCII, any case) read in `fromBase` and
    // written in `toBase`, exactly however long the source, without leading zeros. Equal bases
    // give the normalised source itself. The empty text for a base outside 2 to 36 or a digit
    // that `fromBase` lacks (ConvertRadixReporting in radix_conversion.h says why); an empty
    // source gives "0", or the empty text when the bases are equal.
    [[nodiscard]] Text ConvertRadix(std::string_view source, std::int32_t fromBase,
                                    std::int32_t toBase) const;
    // From the left, result x base + d, d the byte's value in "0123456789ABCDEF" (any case) or
    // -2 for any other byte. Neither the base nor the digits are checked ("19" in base 8 is 17).
    [[nodiscard]] std::int32_t BaseTextToInteger(std::string_view source, std::int32_t base) const;
    // As BaseTextToInteger in base 16: "FFFFFFFF" is -1, "G" is -2.
    [[nodiscard]] std::int32_t HexToInteger(std::string_view source) const;
    // `colour`: the three lowest bytes, lowest first, two digits each (0x00BBGGRR gives
    // "RRGGBB"). Otherwise the digits without leading zeros, 0 giving the empty text; a negative
    // value gives the digits of its 64-bit two's complement form (-1 is "FFFFFFFFFFFFFFFF").
    [[nodiscard]] Text IntegerToHex(std::int64_t value, bool colour = false) const;
    // Two digits of the value's lowest byte ("0A" for 10; 256 gives "00", -1 "FF").
    [[nodiscard]] Text ByteToHex(std::int32_t value) const;
    // The binary digits of a positive value; the empty text for 0 and negative values.
    [[nodiscard]] Text IntegerToBinary(std::int32_t value) const;
    // Each byte's value as a decimal digit ("0" to "9", any other byte 0) weighed by 2 to the
    // power of its distance from the right end; digits at or above 2 are not rejected.
    [[nodiscard]] std::int32_t BinaryToInteger(std::string_view source) const;
    // As IntegerToHex's plain form in base 8 (-1 is "1777777777777777777777").
    [[nodiscard]] Text IntegerToOctal(std::int64_t value) const;
    // The text without its leading "0" bytes.
    [[nodiscard]] Text TrimLeadingZeros(std::string_view source) const;
    // As BinaryToInteger with powers of 8.
    [[nodiscard]] std::int32_t OctalToInteger(std::string_view source) const;

    // IPv4 address text and text reversal (converter_ipv4.cpp).

    // The four lowest bytes of the value's two's complement form, lowest first, as dotted
    // decimals (16777343 is "127.0.0.1", -1 "255.255.255.255"); "255.255.255.255" when the
    // magnitude exceeds 4294967295.
    [[nodiscard]] Text IntegerToIpv4(std::int64_t value) const;
    // The bytes in reverse order: a double-byte character comes out with its bytes swapped.
    [[nodiscard]] Text ReverseText(std::string_view source) const;
    // The text reversed in units of two bytes, so a text of double-byte characters comes out
    // with its characters in reverse order, each intact. Of an odd-length text the first byte is
    // lost ("a中" gives "中").
    [[nodiscard]] Text ReverseByPairs(std::string_view source) const;
};

} // namespace varnel::encoding
