#include <gtest/gtest.h>

#include "encoding/code_page.h"
#include "encoding/encoding_converter.h"
#include "tests/encoding/code_page_literals.h"
#include "tests/support/hex.h"

namespace varnel::encoding {
namespace {

using test::Gbk;
using test::HexText;
using test::ToHex;

const EncodingConverter kConverter;

TEST(UnicodeHex, TextToUnicodeHexWritesFourDigitsPerUnit) {
    EXPECT_EQ(kConverter.TextToUnicodeHex("A"), "0041");
    EXPECT_EQ(kConverter.TextToUnicodeHex(Gbk(u"中")), "4E2D");
    EXPECT_EQ(kConverter.TextToUnicodeHex("a" + Gbk(u"中") + "b"), "00614E2D0062");
    EXPECT_EQ(kConverter.TextToUnicodeHex(HexText("80")), "20AC");
    EXPECT_EQ(kConverter.TextToUnicodeHex(HexText("41 81")), "0041003F"); // a lone lead byte
    EXPECT_EQ(kConverter.TextToUnicodeHex(""), "");
}

TEST(UnicodeHex, UnicodeHexToTextReadsCompleteUnits) {
    struct Case {
        std::string hex;
        std::string text; // hex
    };
    const Case cases[] = {
        {"4E2D0041", "D6 D0 41"},
        {"4e2d0041", "D6 D0 41"}, // lowercase digits count as digits
        {"004100000042", "41"},   // the text ends at the zero unit
        {"4E2D004", "D6 D0"},     // trailing digits short of a unit are ignored
        {"4E2D00", "D6 D0"},
        {"0041 004", "41 04"}, // " 0" is no digit pair and gives the byte 0: U+0004
        {"2022"
         "0041",
         ""},         // U+2022 has no GBK form and ends the text
        {"00G1", ""}, // a broken pair gives 0: the unit 0000
        {"", ""},
        {"004", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToHex(kConverter.UnicodeHexToText(c.hex)), c.text) << c.hex;
    }
}

TEST(UnicodeHex, EveryGbkCharacterComesBack) {
    Text all;
    for (int b = 1; b < 0x80; ++b) {
        all += static_cast<char>(b);
    }
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            const Text pair{static_cast<char>(lead), static_cast<char>(trail)};
            const std::u16string unit = MultiByteToUtf16(CodePage::kGbk, pair);
            // Valid text: one character that the code page writes back as the same pair.
            if (unit.size() == 1 && Utf16ToMultiByte(CodePage::kGbk, unit) == pair) {
                all += pair;
            }
        }
    }
    ASSERT_GT(all.size(), 2 * 21000u);
    EXPECT_EQ(kConverter.UnicodeHexToText(kConverter.TextToUnicodeHex(all)), all);
}

} // namespace
} // namespace varnel::encoding
