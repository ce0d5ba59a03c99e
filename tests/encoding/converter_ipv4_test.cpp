#include <gtest/gtest.h>

#include "encoding/encoding_converter.h"
#include "tests/encoding/code_page_literals.h"
#include "tests/support/hex.h"

namespace varnel::encoding {
namespace {

using test::Gbk;
using test::HexText;
using test::ToHex;

const EncodingConverter kConverter;

TEST(Ipv4AndReversal, IntegerToIpv4WritesTheLowestByteFirst) {
    struct Case {
        std::int64_t value;
        const char* text;
    };
    const Case cases[] = {
        {16777343, "127.0.0.1"},        {0, "0.0.0.0"},
        {-1, "255.255.255.255"},        {4294967295, "255.255.255.255"},
        {-256, "0.255.255.255"},        {4294967296, "255.255.255.255"},
        {-4294967295, "1.0.0.0"},       {-4294967296, "255.255.255.255"},
        {INT64_MIN, "255.255.255.255"}, {INT64_MAX, "255.255.255.255"},
        {0x0102A8C0, "192.168.2.1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(kConverter.IntegerToIpv4(c.value), c.text) << c.value;
    }
}

TEST(Ipv4AndReversal, ReverseTextByBytes) {
    EXPECT_EQ(kConverter.ReverseText("abc"), "cba");
    EXPECT_EQ(ToHex(kConverter.ReverseText(Gbk(u"中"))), "D0 D6");
    EXPECT_EQ(kConverter.ReverseText(""), "");
    EXPECT_EQ(kConverter.ReverseText(std::string("ab\0c", 4)), "ba");
}

TEST(Ipv4AndReversal, ReverseByPairsKeepsDoubleByteCharactersWhole) {
    EXPECT_EQ(kConverter.ReverseByPairs(Gbk(u"中文")), Gbk(u"文中"));
    EXPECT_EQ(kConverter.ReverseByPairs("ab" + Gbk(u"中")), Gbk(u"中") + "ab");
    EXPECT_EQ(kConverter.ReverseByPairs("abcd"), "cdab");
    EXPECT_EQ(kConverter.ReverseByPairs("a" + Gbk(u"中")), Gbk(u"中")); // the first byte is lost
    EXPECT_EQ(kConverter.ReverseByPairs("a"), "");
    EXPECT_EQ(kConverter.ReverseByPairs(""), "");
    EXPECT_EQ(ToHex(kConverter.ReverseByPairs(HexText("01 02 03 04 05"))), "04 05 02 03");
}

} // namespace
} // namespace varnel::encoding
