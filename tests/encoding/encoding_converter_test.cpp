#include "encoding/encoding_converter.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/encoding/code_page_literals.h"
#include "tests/support/hex.h"

namespace varnel::encoding {
namespace {

using test::Big5;
using test::Gbk;
using test::Hex;
using test::HexText;
using test::ToHex;

const EncodingConverter kConverter;

TEST(EncodingConverter, AnsiToUnicodeAddsOneZeroCodeUnit) {
    EXPECT_EQ(ToHex(kConverter.AnsiToUnicode(HexText("D6 D0 41"))), "2D 4E 41 00 00 00");
    EXPECT_EQ(ToHex(kConverter.AnsiToUnicode("")), "");
    EXPECT_EQ(ToHex(kConverter.AnsiToUnicode(HexText("41 81"))), "41 00 3F 00 00 00");
    // A Text ends at its first zero byte.
    EXPECT_EQ(ToHex(kConverter.AnsiToUnicode(HexText("41 00 42"))), "41 00 00 00");
    EXPECT_EQ(ToHex(kConverter.AnsiToUnicode(HexText("00 42"))), "");
}

TEST(EncodingConverter, UnicodeToAnsiEndsAtTheFirstZeroOrMissingCharacter) {
    struct Case {
        const char* unicode;
        const char* expected;
    };
    const Case cases[] = {
        {"2D 4E 41 00", "D6 D0 41"},
        {"2D 4E 41", "D6 D0"},             // an odd last byte takes no part
        {"41 00 00 00 42 00", "41"},       // a zero code unit ends the text
        {"41 00 22 20 42 00", "41"},       // U+2022 has no GBK form
        {"41 00 3D D8 00 DE 42 00", "41"}, // nor has a surrogate pair
        {"41 00 00 D8 42 00", "41"},       // nor a lone surrogate
        {"FF FE 41 00", ""},               // a byte-order mark is U+FEFF, without a form
        {"B7 00 A5 00", "A1 A4 A3 A4"},    // best-fit forms count
        {"", ""},
        {"41", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToHex(kConverter.UnicodeToAnsi(Hex(c.unicode))), c.expected) << c.unicode;
    }
}

TEST(EncodingConverter, Utf8AndUnicodeConvertEveryByteAndUnit) {
    struct Case {
        const char* utf8;
        const char* unicode;
    };
    const Case toUnicode[] = {
        {"E4 B8 AD", "2D 4E"},
        {"EF BB BF 41", "FF FE 41 00"},
        {"41 00 42", "41 00 00 00 42 00"},
        {"E0 80 80", "FD FF FD FF"},
        {"", ""},
    };
    for (const auto& c : toUnicode) {
        EXPECT_EQ(ToHex(kConverter.Utf8ToUnicode(Hex(c.utf8))), c.unicode) << c.utf8;
    }
    const Case toUtf8[] = {
        {"E4 B8 AD", "2D 4E"},
        {"E4 B8 AD 00", "2D 4E 00 00"},
        {"EF BF BD 41", "00 D8 41 00"},
        {"F0 9F 98 80", "3D D8 00 DE 41"}, // the odd byte takes no part
        {"", ""},
    };
    for (const auto& c : toUtf8) {
        EXPECT_EQ(ToHex(kConverter.UnicodeToUtf8(Hex(c.unicode))), c.utf8) << c.unicode;
    }
}

TEST(EncodingConverter, AnsiAndUtf8ThroughUnicode) {
    EXPECT_EQ(ToHex(kConverter.AnsiToUtf8(HexText("D6 D0"))), "E4 B8 AD 00");
    EXPECT_EQ(ToHex(kConverter.AnsiToUtf8("")), "");
    EXPECT_EQ(ToHex(kConverter.Utf8ToAnsi(Hex("E4 B8 AD 0D 0A 41"))), "D6 D0 0D 0A 41");
    EXPECT_EQ(ToHex(kConverter.Utf8ToAnsi(Hex(""))), "");
    EXPECT_EQ(ToHex(kConverter.Utf8ToAnsi(Hex("41 00 42"))), "41");
    EXPECT_EQ(ToHex(kConverter.Utf8ToAnsi(Hex("41 C3 28 42"))), "41"); // U+FFFD has no form
    EXPECT_EQ(ToHex(kConverter.Utf8ToAnsi(Hex("EF BB BF 41"))), "");
}

TEST(EncodingConverter, ScriptMappingKeepsTheByteLength) {
    struct Case {
        std::u16string_view simplified;
        std::u16string_view traditional;
    };
    const Case bothWays[] = {
        {u"简体中文", u"簡體中文"},   {u"体", u"體"}, {u"发", u"發"}, {u"后", u"後"},
        {u"为众", u"為眾"}, // the Taiwan forms, which BIG5 has
        {u"ASCII 1+1", u"ASCII 1+1"}, {u"", u""},
    };
    for (const auto& c : bothWays) {
        const Text simplified = Gbk(c.simplified);
        const Text traditional = Gbk(c.traditional);
        EXPECT_EQ(ToHex(kConverter.SimplifiedToTraditional(simplified)), ToHex(traditional));
        EXPECT_EQ(ToHex(kConverter.ToTraditional(simplified)), ToHex(traditional));
        EXPECT_EQ(ToHex(kConverter.TraditionalToSimplified(traditional)), ToHex(simplified));
        EXPECT_EQ(ToHex(kConverter.ToSimplified(traditional)), ToHex(simplified));
    }
    // Bytes that are no mapped character are copied: a lone lead byte, 80, an unassigned pair.
    EXPECT_EQ(ToHex(kConverter.SimplifiedToTraditional(HexText("80 A1 40 41 CC E5 B0"))),
              "80 A1 40 41 " + ToHex(Gbk(u"體")) + " B0");
}

TEST(EncodingConverter, Big5ConversionsEndBeforeAMissingCharacter) {
    EXPECT_EQ(ToHex(kConverter.GbkToBig5(HexText("D6 D0"))), "A4 A4");
    EXPECT_EQ(ToHex(kConverter.Big5ToGbk(HexText("A4 A4"))), "D6 D0");
    EXPECT_EQ(ToHex(kConverter.GbkToBig5(Gbk(u"中简文"))), "A4 A4"); // 简 has no BIG5 form
    // BIG5 C6 A1 is the private-use U+F6B1, which GBK lacks.
    EXPECT_EQ(ToHex(kConverter.Big5ToGbk(Big5(u"中文") + HexText("C6 A1 41"))),
              ToHex(Gbk(u"中文")));
    EXPECT_EQ(ToHex(kConverter.SimplifiedToBig5(Gbk(u"体"))), ToHex(Big5(u"體")));
    EXPECT_EQ(ToHex(kConverter.Big5ToSimplified(Big5(u"體"))), ToHex(Gbk(u"体")));
    EXPECT_EQ(ToHex(kConverter.SimplifiedToBig5(Gbk(u"简体中文"))), ToHex(Big5(u"簡體中文")));
    EXPECT_EQ(ToHex(kConverter.Big5ToSimplified(Big5(u"簡體中文"))), ToHex(Gbk(u"简体中文")));
    EXPECT_EQ(kConverter.GbkToBig5(HexText("41 42")), "AB");
}

TEST(EncodingConverter, EveryOperationGivesEmptyForEmpty) {
    const EncodingConverter& c = kConverter;
    EXPECT_EQ(c.SimplifiedToTraditional(""), "");
    EXPECT_EQ(c.TraditionalToSimplified(""), "");
    EXPECT_EQ(c.Big5ToGbk(""), "");
    EXPECT_EQ(c.Big5ToSimplified(""), "");
    EXPECT_EQ(c.GbkToBig5(""), "");
    EXPECT_EQ(c.SimplifiedToBig5(""), "");
    EXPECT_EQ(c.ToTraditional(""), "");
    EXPECT_EQ(c.ToSimplified(""), "");
    EXPECT_TRUE(kConverter.AnsiToUnicode("").empty());
    EXPECT_TRUE(kConverter.AnsiToUtf8("").empty());
    EXPECT_TRUE(kConverter.UnicodeToAnsi({}).empty());
    EXPECT_TRUE(kConverter.Utf8ToUnicode({}).empty());
    EXPECT_TRUE(kConverter.UnicodeToUtf8({}).empty());
    EXPECT_TRUE(kConverter.Utf8ToAnsi({}).empty());
}

TEST(EncodingConverter, CopiesConvertAlike) {
    EncodingConverter copy(kConverter);
    EncodingConverter assigned;
    assigned = copy;
    EXPECT_EQ(assigned.Utf8ToAnsi(Hex("E4 B8 AD")), kConverter.Utf8ToAnsi(Hex("E4 B8 AD")));
}

} // namespace
} // namespace varnel::encoding
