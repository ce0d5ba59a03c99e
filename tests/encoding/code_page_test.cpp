#include "encoding/code_page.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/encoding/code_page_cases.h"
#include "tests/support/hex.h"

namespace varnel::encoding {
namespace {

using test::Describe;
using test::HexText;
using test::ToHex;
using test::Units;
using test::Utf16Le;

TEST(CodePage, DecodesAsWindowsDoes) {
    for (const auto& c : test::DecodeCases()) {
        const std::string bytes = HexText(c.bytes);
        const std::u16string expected = Units(c.expected);
        EXPECT_EQ(ToHex(MultiByteToUtf16(c.cp, bytes)), ToHex(expected))
            << Describe(c.cp) << ": " << c.bytes;

        // The two-call form gives the same units, little-endian.
        const std::size_t count = Utf16UnitCount(c.cp, bytes);
        Bytes out(2 * count, 0xEE);
        EXPECT_EQ(MultiByteToUtf16Le(c.cp, bytes, out), count);
        EXPECT_EQ(test::ToHex(out), test::ToHex(Utf16Le(expected)))
            << Describe(c.cp) << ": " << c.bytes;
    }
}

TEST(CodePage, EncodesAsWindowsDoes) {
    for (const auto& c : test::EncodeCases()) {
        const std::u16string units = Units(c.units);
        EXPECT_EQ(test::ToHex(Utf16ToMultiByte(c.cp, units, c.defaultChar)), c.expected)
            << Describe(c.cp) << ": " << c.units;

        const Bytes le = Utf16Le(units);
        const std::size_t count = MultiByteCount(c.cp, le);
        std::string out(count, '\xEE');
        EXPECT_EQ(Utf16LeToMultiByte(c.cp, le, out, c.defaultChar), count);
        EXPECT_EQ(test::ToHex(out), c.expected) << Describe(c.cp) << ": " << c.units;
    }
}

TEST(CodePage, OddLastByteOfUtf16LeTakesNoPart) {
    const Bytes le = test::Hex("2D 4E 41");
    EXPECT_EQ(MultiByteCount(CodePage::kGbk, le), 2u);
    std::string out(2, '\0');
    EXPECT_EQ(Utf16LeToMultiByte(CodePage::kGbk, le, out), 2u);
    EXPECT_EQ(test::ToHex(out), "D6 D0");
}

TEST(CodePage, ShortBuffersStopBeforeACharacterThatDoesNotFit) {
    // Never half a double-byte character or half a surrogate pair.
    std::string three(3, '\0');
    EXPECT_EQ(Utf16LeToMultiByte(CodePage::kGbk, Utf16Le(u"A中中"), three), 3u);
    EXPECT_EQ(test::ToHex(three), "41 D6 D0");
    std::string four(4, '\0');
    EXPECT_EQ(Utf16LeToMultiByte(CodePage::kUtf8, Utf16Le(u"A\U0001F600"), four), 1u);

    Bytes units(6, 0);
    EXPECT_EQ(MultiByteToUtf16Le(CodePage::kUtf8, HexText("41 42 F0 9F 98 80"), units), 2u);
    EXPECT_EQ(test::ToHex(units), "41 00 42 00 00 00");
    Bytes none;
    EXPECT_EQ(MultiByteToUtf16Le(CodePage::kGbk, HexText("D6 D0"), none), 0u);
}

TEST(CodePage, EveryGbkCharacterSurvivesARoundTrip) {
    // Pairs with a character of their own come back as the same bytes (best-fit forms go only
    // one way, and all of them lead to another code).
    for (const CodePage cp : {CodePage::kGbk, CodePage::kBig5}) {
        int characters = 0;
        for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
            for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
                const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
                const std::u16string units = MultiByteToUtf16(cp, pair);
                if (units == u"?")
                    continue;
                ++characters;
                const std::string back = Utf16ToMultiByte(cp, units);
                if (back != pair && !(cp == CodePage::kBig5 && back.size() == 2)) {
                    ADD_FAILURE() << Describe(cp) << ": " << test::ToHex(pair) << " -> "
                                  << test::ToHex(units) << " -> " << test::ToHex(back);
                }
            }
        }
        EXPECT_EQ(characters, cp == CodePage::kGbk ? 23940 : 19720) << Describe(cp);
    }
}

} // namespace
} // namespace varnel::encoding
