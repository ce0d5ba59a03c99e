#include "encoding/ansi_conversion.h"

#include <gtest/gtest.h>

#include <random>

#include "encoding/encoding_converter.h"
#include "tests/encoding/code_page_cases.h"
#include "tests/support/hex.h"

namespace varnel::encoding {
namespace {

using test::Hex;
using test::HexText;
using test::ToHex;

TEST(AnsiConversion, SaysWhereAndWhyTheTextEnded) {
    struct Case {
        bool utf8;
        const char* source;
        const char* text;
        AnsiStop stop;
        std::size_t offset;
        char32_t character;
    };
    const Case cases[] = {
        {true, "E4 B8 AD 41", "D6 D0 41", AnsiStop::kNone, 0, 0},
        {true, "", "", AnsiStop::kNone, 0, 0},
        {true, "41 E4 B8 AD 00 42", "41 D6 D0", AnsiStop::kZeroCharacter, 4, 0},
        {true, "41 E2 80 A2 42", "41", AnsiStop::kNoGbkForm, 1, 0x2022},
        {true, "41 F0 9F 98 80", "41", AnsiStop::kNoGbkForm, 1, 0x1F600},
        {true, "41 42 E0 80 80", "41 42", AnsiStop::kMalformed, 2, 0xFFFD},
        {true, "41 E4 B8", "41", AnsiStop::kMalformed, 1, 0xFFFD},
        {true, "EF BF BD", "", AnsiStop::kNoGbkForm, 0, 0xFFFD}, // a real U+FFFD
        {true, "EF BB BF 41", "", AnsiStop::kNoGbkForm, 0, 0xFEFF},
        {false, "2D 4E 41 00", "D6 D0 41", AnsiStop::kNone, 0, 0},
        {false, "2D 4E 41", "D6 D0", AnsiStop::kNone, 0, 0},
        {false, "41 00 00 00 42 00", "41", AnsiStop::kZeroCharacter, 2, 0},
        {false, "41 00 22 20", "41", AnsiStop::kNoGbkForm, 2, 0x2022},
        {false, "41 00 3D D8 00 DE", "41", AnsiStop::kNoGbkForm, 2, 0x1F600},
        {false, "41 00 00 DC 3D D8", "41", AnsiStop::kMalformed, 2, 0xDC00},
        {false, "3D D8 41 00", "", AnsiStop::kMalformed, 0, 0xD83D},
    };
    for (const auto& c : cases) {
        const Bytes source = Hex(c.source);
        const AnsiConversion result =
            c.utf8 ? Utf8ToAnsiReporting(source) : UnicodeToAnsiReporting(source);
        EXPECT_EQ(ToHex(result.text), c.text) << c.source;
        EXPECT_EQ(result.stop, c.stop) << c.source;
        EXPECT_EQ(result.offset, c.offset) << c.source;
        EXPECT_EQ(result.character, c.character) << c.source;
    }
}

TEST(AnsiConversion, TextIsTheConvertersOwn) {
    const EncodingConverter converter;
    auto check = [&](const Bytes& utf8) {
        EXPECT_EQ(ToHex(Utf8ToAnsiReporting(utf8).text), ToHex(converter.Utf8ToAnsi(utf8)))
            << ToHex(utf8);
        EXPECT_EQ(ToHex(UnicodeToAnsiReporting(utf8).text), ToHex(converter.UnicodeToAnsi(utf8)))
            << ToHex(utf8);
    };
    for (const auto& c : test::DecodeCases())
        check(Hex(c.bytes));
    // Random mixes of ASCII, Chinese, characters without a GBK form and bad bytes.
    // Long ASCII runs and runs of three-byte characters reach the paths that take eight bytes
    // or two characters at a time.
    const char* pieces[] = {"41",
                            "0D 0A",
                            "E4 B8 AD",
                            "C2 B7",
                            "E2 80 A2",
                            "F0 9F 98 80",
                            "00",
                            "80",
                            "E0 80",
                            "ED A0 80",
                            "EF BB BF",
                            "2D 4E",
                            "00 D8",
                            "E6 96 87",
                            "E0 A0 80",
                            "EF BF BF",
                            "41 42 43 44 45 46 47 48 49",
                            "E2 82 AC"};
    std::mt19937 random(12345);
    for (int round = 0; round < 20000; ++round) {
        Bytes bytes;
        const int count = static_cast<int>(random() % 16);
        for (int i = 0; i < count; ++i) {
            const Bytes piece = Hex(pieces[random() % std::size(pieces)]);
            bytes.insert(bytes.end(), piece.begin(), piece.end());
        }
        check(bytes);
    }
}

TEST(AnsiConversion, CodePointNameHasAtLeastFourUppercaseDigits) {
    EXPECT_EQ(CodePointName(0), "U+0000");
    EXPECT_EQ(CodePointName(0xAB), "U+00AB");
    EXPECT_EQ(CodePointName(0xFFFD), "U+FFFD");
    EXPECT_EQ(CodePointName(0x1F600), "U+1F600");
    EXPECT_EQ(CodePointName(0x10FFFF), "U+10FFFF");
}

} // namespace
} // namespace varnel::encoding
