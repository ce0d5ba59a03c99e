#include <gtest/gtest.h>

#include "encoding/encoding_converter.h"
#include "tests/encoding/code_page_literals.h"
#include "tests/support/hex.h"

namespace varnel::encoding {
namespace {

using test::Gbk;
using test::Hex;
using test::HexText;
using test::ToHex;

const EncodingConverter kConverter;

TEST(PercentEncoding, UrlDecodeTakesEveryEscapeAsThreeBytes) {
    struct Case {
        std::string source;
        std::string decoded; // hex
    };
    const Case cases[] = {
        {"a%20b", "61 20 62"},
        {"%e4%b8%ad", "E4 B8 AD"}, // lowercase digits
        {"%E4%B8%AD", "E4 B8 AD"},
        {"a+b", "61 2B 62"},                     // "+" stays
        {"50%", "35 30"},                        // both digits past the end: zero, dropped
        {"x%4", "78 40"},                        // the missing low digit counts 0
        {"%00a", "61"},                          // a decoded zero is dropped
        {"%G1", "E1"},                           // 16 x -2 + 1 modulo 256
        {"%%41", "E4 31"},                       // "%4" is a broken escape: 16 x -2 + 4, then "1"
        {"%" + HexText("D6 D0") + "z", "DE 7A"}, // an escape's digits never split a character
        {"%2", "20"},
        {"", ""},
        {std::string("%41\0%42", 7), "41"}, // a Text ends at its first zero byte
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToHex(kConverter.UrlDecode(c.source)), c.decoded) << c.source;
    }
}

TEST(PercentEncoding, UrlEncodeKeepsOnlyTheSafeBytes) {
    EXPECT_EQ(kConverter.UrlEncode("a b+c"), "a%20b%2Bc");
    EXPECT_EQ(kConverter.UrlEncode(Gbk(u"中")), "%D6%D0");
    EXPECT_EQ(kConverter.UrlEncode("\r\n"), "%0D%0A");
    EXPECT_EQ(kConverter.UrlEncode("Az09*,-./@_"), "Az09*,-./@_");
    EXPECT_EQ(kConverter.UrlEncode(":;<=>?[\\]^`{}~+!)"),
              "%3A%3B%3C%3D%3E%3F%5B%5C%5D%5E%60%7B%7D%7E%2B%21%29");
    EXPECT_EQ(kConverter.UrlEncode(""), "");

    // Every byte value: safe ones stay, the rest come back from UrlDecode.
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    const Text encoded = kConverter.UrlEncode(all);
    EXPECT_EQ(encoded.size(), 3 * all.size() - 2 * 69) << "69 safe bytes";
    EXPECT_EQ(kConverter.UrlDecode(encoded), all);
}

TEST(PercentEncoding, PercentEncodeBytesEscapesEveryByte) {
    EXPECT_EQ(ToHex(kConverter.PercentEncodeBytes(Hex("0A FF"), true)),
              ToHex(Hex("25 30 41 25 46 46")));
    EXPECT_EQ(AsChars(kConverter.PercentEncodeBytes(Hex("0A FF"))), "=0A=FF");
    EXPECT_EQ(AsChars(kConverter.PercentEncodeBytes(Hex("41 00 7A"), false)), "=41=00=7A");
    EXPECT_TRUE(kConverter.PercentEncodeBytes({}, true).empty());
}

TEST(PercentEncoding, PercentDecodeBytesReadsTheDigitsOfEachTriple) {
    struct Case {
        std::string source;
        std::string decoded; // hex
    };
    const Case cases[] = {
        {"%41%4", "41"},           // one or two trailing bytes are ignored
        {"%41=42x43", "41 42 43"}, // the escape character is not looked at
        {"%4:", "00"},             // a non-digit from 1 to 70 gives 0
        {"%G0%0G", "00 00"},
        {"=ff=Ab", "FF AB"}, // lowercase digits count as digits
        {"=zz="
         "\xD6\xD0",
         "00 00"}, // so do other bytes: the pair gives 0
        {std::string("=\0"
                     "1=00",
                     6),
         "00 00"},
        {"", ""},
        {"%4", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToHex(kConverter.PercentDecodeBytes(BytesOf(c.source))), c.decoded) << c.source;
    }
}

TEST(PercentEncoding, PercentBytesRoundTrip) {
    Bytes all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<std::uint8_t>(b));
    }
    for (const bool percent : {false, true}) {
        EXPECT_EQ(kConverter.PercentDecodeBytes(kConverter.PercentEncodeBytes(all, percent)), all);
    }
}

} // namespace
} // namespace varnel::encoding
