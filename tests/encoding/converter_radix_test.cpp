#include <gtest/gtest.h>

#include <random>

#include "encoding/encoding_converter.h"
#include "encoding/radix_conversion.h"
#include "tests/encoding/code_page_literals.h"
#include "tests/support/hex.h"

namespace varnel::encoding {
namespace {

using test::Gbk;

const EncodingConverter kConverter;

TEST(Radix, ConvertRadixBetweenAnyBasesFrom2To36) {
    struct Case {
        std::string source;
        std::int32_t from;
        std::int32_t to;
        std::string result;
    };
    const Case cases[] = {
        {"ff", 16, 10, "255"},
        {"255", 10, 16, "FF"},
        {"zz", 36, 10, "1295"},
        {Gbk(u"ＦＦ"), 16, 10, "255"},
        {Gbk(u"ｆｆ"), 16, 16, "FF"},
        {"0010", 2, 2, "0010"}, // equal bases: the normalised source, leading zeros kept
        {"ff", 16, 16, "FF"},
        {"0", 10, 2, "0"},
        {"000", 10, 36, "0"},
        {"0010", 2, 10, "2"},
        {"12", 2, 10, ""}, // "2" is no binary digit
        {"1 2", 10, 10, ""},
        {Gbk(u"中"), 16, 10, ""},
        {"12", 1, 10, ""},
        {"12", 10, 37, ""},
        {"12", 0, 0, ""},
        {"", 10, 16, "0"},
        {"", 10, 10, ""},
        {"", 1, 16, ""},
        {"2147483647", 10, 16, "7FFFFFFF"},
        {"4294967296", 10, 16, "100000000"},
        {"FFFFFFFFFFFFFFFFFFFF", 16, 10, "1208925819614629174706175"}, // 2^80 - 1
        {"1208925819614629174706176", 10, 2, "1" + std::string(80, '0')},
        {"ZZZZZZZZZZZZZZZZ", 36, 36, "ZZZZZZZZZZZZZZZZ"},
        {"ZZZZZZZZZZZZZZZZ", 36, 35, "1JWKQLFM8HEAG3FG0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(kConverter.ConvertRadix(c.source, c.from, c.to), c.result)
            << test::ToHex(c.source) << " " << c.from << " -> " << c.to;
    }
}

TEST(Radix, ConvertRadixRoundTripsThroughEveryBase) {
    std::mt19937 random(5);
    constexpr std::string_view kDigits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (int round = 0; round < 300; ++round) {
        const auto from = static_cast<std::int32_t>(2 + random() % 35);
        const auto to = static_cast<std::int32_t>(2 + random() % 35);
        std::string digits(1, kDigits[1 + random() % static_cast<std::uint32_t>(from - 1)]);
        const std::size_t length = random() % 60;
        for (std::size_t i = 0; i < length; ++i) {
            digits += kDigits[random() % static_cast<std::uint32_t>(from)];
        }
        const Text there = kConverter.ConvertRadix(digits, from, to);
        EXPECT_EQ(kConverter.ConvertRadix(there, to, from), digits)
            << digits << " " << from << " -> " << to << ": " << there;
    }
}

TEST(Radix, AnInvalidDigitIsReportedInTheProgramsOwnWords) {
    const RadixConversion bad = ConvertRadixReporting("12", 2, 10);
    EXPECT_EQ(bad.text, "");
    EXPECT_EQ(bad.error, RadixError::kBadDigit);
    EXPECT_EQ(bad.offset, 1u);
    EXPECT_EQ(test::ToHex(bad.diagnostic),
              test::ToHex(Gbk(u"参数错误-12不是一个有效的二进制数！")));

    const RadixConversion fullWidth = ConvertRadixReporting(Gbk(u"ｆｇ"), 16, 10);
    EXPECT_EQ(fullWidth.offset, 1u);
    EXPECT_EQ(test::ToHex(fullWidth.diagnostic),
              test::ToHex(Gbk(u"参数错误-FG不是一个有效的十六进制数！")));

    EXPECT_EQ(ConvertRadixReporting("12", 37, 10).error, RadixError::kBadBase);
    EXPECT_EQ(ConvertRadixReporting("12", 10, 16).error, RadixError::kNone);
    EXPECT_EQ(ConvertRadixReporting("12", 10, 16).diagnostic, "");
}

TEST(Radix, ChineseNumeralsForEveryBase) {
    const std::pair<std::int32_t, std::u16string_view> cases[] = {
        {2, u"二"},      {9, u"九"},    {10, u"十"},     {11, u"十一"},
        {16, u"十六"},   {20, u"二十"}, {21, u"二十一"}, {36, u"三十六"},
        {99, u"九十九"}, {0, u""},      {100, u""},
    };
    for (const auto& [value, numeral] : cases) {
        EXPECT_EQ(test::ToHex(ChineseNumeral(value)), test::ToHex(Gbk(numeral))) << value;
    }
}

TEST(Radix, ReadersReduceModulo2To32) {
    EXPECT_EQ(kConverter.BaseTextToInteger("ff", 16), 255);
    EXPECT_EQ(kConverter.BaseTextToInteger("19", 8), 17); // the digit 9 still counts 9
    EXPECT_EQ(kConverter.BaseTextToInteger("G", 16), -2);
    EXPECT_EQ(kConverter.BaseTextToInteger("1G", 10), 8);
    EXPECT_EQ(kConverter.BaseTextToInteger("101", 2), 5);
    EXPECT_EQ(kConverter.BaseTextToInteger("11", -3), -2); // the base is not checked
    EXPECT_EQ(kConverter.BaseTextToInteger("", 16), 0);

    EXPECT_EQ(kConverter.HexToInteger("ff"), 255);
    EXPECT_EQ(kConverter.HexToInteger("7FFFFFFF"), 2147483647);
    EXPECT_EQ(kConverter.HexToInteger("FFFFFFFF"), -1);
    EXPECT_EQ(kConverter.HexToInteger("100000001"), 1);
    EXPECT_EQ(kConverter.HexToInteger("1G"), 14); // 16 - 2
    EXPECT_EQ(kConverter.HexToInteger(""), 0);

    EXPECT_EQ(kConverter.BinaryToInteger("1010"), 10);
    EXPECT_EQ(kConverter.BinaryToInteger("12"), 4);
    EXPECT_EQ(kConverter.BinaryToInteger("1x1"), 5);
    EXPECT_EQ(kConverter.BinaryToInteger("1" + std::string(32, '0')), 0);
    EXPECT_EQ(kConverter.BinaryToInteger(std::string(32, '1')), -1);
    EXPECT_EQ(kConverter.OctalToInteger("777"), 511);
    EXPECT_EQ(kConverter.OctalToInteger("9"), 9);
    EXPECT_EQ(kConverter.OctalToInteger("37777777777"), -1);
    EXPECT_EQ(kConverter.OctalToInteger(""), 0);
}

TEST(Radix, WritersOfIntegers) {
    EXPECT_EQ(kConverter.IntegerToHex(255), "FF");
    EXPECT_EQ(kConverter.IntegerToHex(16), "10");
    EXPECT_EQ(kConverter.IntegerToHex(0), "");
    EXPECT_EQ(kConverter.IntegerToHex(4294967296), "100000000");
    EXPECT_EQ(kConverter.IntegerToHex(INT64_MAX), "7FFFFFFFFFFFFFFF");
    EXPECT_EQ(kConverter.IntegerToHex(-1), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(kConverter.IntegerToHex(INT64_MIN), "8000000000000000");
    EXPECT_EQ(kConverter.IntegerToHex(255, true), "FF0000");
    EXPECT_EQ(kConverter.IntegerToHex(1193046, true), "563412");
    EXPECT_EQ(kConverter.IntegerToHex(0, true), "000000");
    EXPECT_EQ(kConverter.IntegerToHex(0x7F123456, true), "563412");
    EXPECT_EQ(kConverter.IntegerToHex(-1, true), "FFFFFF");

    EXPECT_EQ(kConverter.ByteToHex(0), "00");
    EXPECT_EQ(kConverter.ByteToHex(10), "0A");
    EXPECT_EQ(kConverter.ByteToHex(255), "FF");
    EXPECT_EQ(kConverter.ByteToHex(256), "00");
    EXPECT_EQ(kConverter.ByteToHex(-1), "FF");

    EXPECT_EQ(kConverter.IntegerToBinary(10), "1010");
    EXPECT_EQ(kConverter.IntegerToBinary(1), "1");
    EXPECT_EQ(kConverter.IntegerToBinary(INT32_MAX), std::string(31, '1'));
    EXPECT_EQ(kConverter.IntegerToBinary(0), "");
    EXPECT_EQ(kConverter.IntegerToBinary(-5), "");

    EXPECT_EQ(kConverter.IntegerToOctal(8), "10");
    EXPECT_EQ(kConverter.IntegerToOctal(511), "777");
    EXPECT_EQ(kConverter.IntegerToOctal(0), "");
    EXPECT_EQ(kConverter.IntegerToOctal(9007199254740992), "400000000000000000"); // 2^53
    EXPECT_EQ(kConverter.IntegerToOctal(-1), "1777777777777777777777");

    EXPECT_EQ(kConverter.TrimLeadingZeros("000120"), "120");
    EXPECT_EQ(kConverter.TrimLeadingZeros("000"), "");
    EXPECT_EQ(kConverter.TrimLeadingZeros(""), "");
    EXPECT_EQ(kConverter.TrimLeadingZeros("0 0"), " 0");
}

} // namespace
} // namespace varnel::encoding
