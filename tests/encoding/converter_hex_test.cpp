#include <gtest/gtest.h>

#include <random>

#include "encoding/encoding_converter.h"
#include "tests/encoding/code_page_literals.h"
#include "tests/support/hex.h"

namespace varnel::encoding {
namespace {

using test::Gbk;
using test::Hex;
using test::ToHex;

const EncodingConverter kConverter;

TEST(HexTexts, TextToIntegerInEachKind) {
    struct Case {
        std::string source;
        std::int32_t kind;
        std::int32_t value;
    };
    const Case cases[] = {
        {"FF", 0, 255},
        {"ff", 0, 255},
        {"ffffffff", 0, -1},
        {"7fffffff", 0, 2147483647},
        {"100000000", 0, 0},                   // 2^32 reduces to 0
        {"123456789abcdef01", 0, -1412567295}, // 17 digits: the low 32 bits, exactly
        {"f g", 0, 15 * 256},                  // a non-digit counts 0 and keeps its place
        {"777", 2, 511},
        {"78", 2, 7 * 8},
        {"1010", 3, 10},
        {"1210", 3, 8 + 2},
        {"12.9", 1, 12},
        {"-7.5", 1, -7},
        {" 42abc", 1, 42},
        {"1e3", 1, 1000},
        {"1E3", 1, 1000},
        {"abc", 1, 0},
        {"4294967295", 1, -1},
        {"-2147483649", 1, 2147483647},
        {"1e19", 1, -1981284352}, // 10^19 modulo 2^32, beyond 64 bits
        {"1e400", 1, 0},          // beyond double
        {"FF", 4, 0},
        {"FF", -1, 0},
        {"", 0, 0},
        {"", 1, 0},
        {"", 3, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(kConverter.TextToInteger(c.source, static_cast<NumberKind>(c.kind)), c.value)
            << c.source << " kind " << c.kind;
    }
    EXPECT_EQ(kConverter.TextToInteger("12"), 12) << "decimal when omitted";
    EXPECT_EQ(kConverter.TextToInteger(Gbk(u"１２")), 12);
    EXPECT_EQ(kConverter.TextToInteger(Gbk(u"　－３")), -3);
}

TEST(HexTexts, HexToBytesReadsPairsAndALastSingleDigit) {
    EXPECT_EQ(AsChars(kConverter.HexToBytes("48656C6C6F")), "Hello");
    EXPECT_EQ(ToHex(kConverter.HexToBytes("abc")), "AB 0C");
    EXPECT_EQ(kConverter.HexToBytes("48656c6c6f"), kConverter.HexToBytes("48656C6C6F"));
    EXPECT_EQ(ToHex(kConverter.HexToBytes("00ff")), "00 FF");
    EXPECT_EQ(ToHex(kConverter.HexToBytes("zz4g")), "00 40");
    EXPECT_TRUE(kConverter.HexToBytes("").empty());
}

TEST(HexTexts, BytesToHexWritesSmallBytesAsOneDigit) {
    EXPECT_EQ(kConverter.BytesToHex(Hex("01 AB")), "1AB");
    EXPECT_EQ(kConverter.BytesToHex(Hex("00")), "0");
    EXPECT_EQ(kConverter.BytesToHex(Hex("10 0F")), "10F");
    EXPECT_EQ(kConverter.BytesToHex(Hex("D6 D0 FF")), "D6D0FF");
    EXPECT_EQ(kConverter.BytesToHex({}), "");
}

TEST(HexTexts, ZeroPaddedHexReadsBackToTheSameBytes) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        Bytes bytes(static_cast<std::size_t>(round % 37));
        for (auto& b : bytes) {
            b = static_cast<std::uint8_t>(random());
        }
        Text padded;
        for (const std::uint8_t b : bytes) {
            const Text hex = kConverter.BytesToHex(Bytes{b});
            padded += (hex.size() == 1 ? "0" : "") + hex;
        }
        EXPECT_EQ(kConverter.HexToBytes(padded), bytes) << padded;
    }
}

} // namespace
} // namespace varnel::encoding
