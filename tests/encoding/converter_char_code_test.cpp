#include <gtest/gtest.h>

#include "encoding/encoding_converter.h"
#include "tests/encoding/code_page_literals.h"
#include "tests/support/hex.h"

namespace varnel::encoding {
namespace {

using test::Gbk;
using test::HexText;

const EncodingConverter kConverter;

TEST(CharacterCodes, AsciiCodeAndCharCoverThePrintableCharactersOnly) {
    EXPECT_EQ(kConverter.AsciiCode("A"), 65);
    EXPECT_EQ(kConverter.AsciiCode(" "), 32);
    EXPECT_EQ(kConverter.AsciiCode("~"), 126);
    for (const std::string source : {"AB", "", "\x7F", "\x1F", "\x80"}) {
        EXPECT_EQ(kConverter.AsciiCode(source), 0) << test::ToHex(source);
    }
    EXPECT_EQ(kConverter.AsciiCode(Gbk(u"中")), 0);
    EXPECT_EQ(kConverter.AsciiCode(std::string("A\0B", 3)), 65); // a Text ends at a zero byte

    EXPECT_EQ(kConverter.AsciiChar(65), "A");
    EXPECT_EQ(kConverter.AsciiChar(32), " ");
    EXPECT_EQ(kConverter.AsciiChar(126), "~");
    for (const std::int32_t code : {31, 127, 200, 0, -191, 65 + 256}) {
        EXPECT_EQ(kConverter.AsciiChar(code), "") << code;
    }
    for (std::int32_t code = 32; code <= 126; ++code) {
        EXPECT_EQ(kConverter.AsciiCode(kConverter.AsciiChar(code)), code);
    }
}

TEST(CharacterCodes, ZonePositionCodeOfGb2312Characters) {
    EXPECT_EQ(kConverter.ZonePositionCode(Gbk(u"啊")), "1601");
    EXPECT_EQ(kConverter.ZonePositionCode(Gbk(u"中")), "5448");
    EXPECT_EQ(kConverter.ZonePositionCode(Gbk(u"　")), "0101"); // A1 A1
    EXPECT_EQ(kConverter.ZonePositionCode(HexText("F7 FE")), "8794");
    for (const std::string& source :
         {std::string("A"), Gbk(u"中文"), HexText("F8 A1"), HexText("A1 FF"), HexText("A0 A1"),
          HexText("B0 40"), std::string(), HexText("D6")}) {
        EXPECT_EQ(kConverter.ZonePositionCode(source), "") << test::ToHex(source);
    }
}

TEST(CharacterCodes, InternalCodeHexOfTheFirstAndLastByte) {
    EXPECT_EQ(kConverter.InternalCodeHex(Gbk(u"中")), "D6D0");
    EXPECT_EQ(kConverter.InternalCodeHex(Gbk(u"中文")), "D6C4");
    EXPECT_EQ(kConverter.InternalCodeHex("A"), "141141");
    EXPECT_EQ(kConverter.InternalCodeHex(""), "100100");
    EXPECT_EQ(kConverter.InternalCodeHex("\x01"
                                         "\x80"),
              "10180");
}

} // namespace
} // namespace varnel::encoding
