#include "base/gbk_text.h"

#include <gtest/gtest.h>

#include "tests/support/hex.h"

namespace varnel::gbk {
namespace {

using test::HexText;

TEST(GbkText, FindStepsOverDoubleByteCharacters) {
    struct Case {
        const char* text;
        const char* needle;
        std::size_t expected;
    };
    const Case cases[] = {
        {"D6 D0 5C 41", "5C", 2},      // a real backslash after 中
        {"81 5C 41", "5C", kNotFound}, // 5C only as the trail byte of a double-byte character
        {"81 5C 5C", "5C", 2},
        {"41 81", "81", 1}, // a lone lead byte at the end is a character of its own
        {"0D 0A 0D 0A", "0D 0A", 0},
        {"B0 0D 0A", "0D 0A", kNotFound},
        {"", "41", kNotFound},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Find(HexText(c.text), HexText(c.needle)), c.expected)
            << c.text << " / " << c.needle;
    }
}

TEST(GbkText, FindLastIgnoresTrailBytes) {
    EXPECT_EQ(FindLast(HexText("2E 41 2E 42"), '.'), 2u);
    EXPECT_EQ(FindLast(HexText("2E 81 2E"), '.'), 0u);
    EXPECT_EQ(FindLast(HexText("81 5C"), '\\'), kNotFound);
    EXPECT_EQ(FindLast("", '.'), kNotFound);
}

TEST(GbkText, ReplaceAllMatchesOnlyAtCharacterStarts) {
    struct Case {
        const char* text;
        const char* from;
        const char* to;
        const char* expected;
    };
    const Case cases[] = {
        {"61 0D 0A 62", "0D 0A", "A9 AE 2A A9 AE", "61 A9 AE 2A A9 AE 62"},
        {"61 A9 AE 2A A9 AE 62", "A9 AE 2A A9 AE", "0D 0A", "61 0D 0A 62"},
        {"0D 0A 0D 0A", "0D 0A", "", ""},
        {"B0 0D 0A", "0D 0A", "58", "B0 0D 0A"}, // B0 takes the CR as its partner
        {"61 61 61", "61 61", "62", "62 61"},    // left to right, never overlapping
        {"61 62", "", "58", "61 62"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(test::ToHex(ReplaceAll(HexText(c.text), HexText(c.from), HexText(c.to))),
                  test::ToHex(HexText(c.expected)))
            << c.text;
    }
}

TEST(GbkText, ToHalfWidthMapsFullWidthForms) {
    // "１２" "ａ" "～" "☆" "★" ideographic space, then 中 which stays.
    EXPECT_EQ(ToHalfWidth(HexText("A3 B1 A3 B2 A3 E1 A1 AB A1 EE A1 EF A1 A1 D6 D0")),
              "12a~** " + HexText("D6 D0"));
    // A3 A0 and A3 FF are outside the full-width range; a lone A3 at the end stays.
    EXPECT_EQ(ToHalfWidth(HexText("A3 A0 A3 FE A3")), HexText("A3 A0 7E A3"));
}

TEST(GbkText, CasingTouchesAsciiLettersOnly) {
    // 81 61: the trail byte 61 ("a") belongs to a double-byte character and stays.
    EXPECT_EQ(AsciiUpper(HexText("61 7A 81 61 41 5B")), HexText("41 5A 81 61 41 5B"));
    EXPECT_EQ(AsciiLower(HexText("41 5A 81 41 61 40")), HexText("61 7A 81 41 61 40"));
}

TEST(GbkText, EqualsIgnoringAsciiCaseFoldsAsciiLettersOnly) {
    struct Case {
        const char* a;
        const char* b;
        bool equal;
    };
    const Case cases[] = {
        {"", "", true},
        {"41 62 5A", "61 42 7A", true},
        {"D6 D0 41", "D6 D0 61", true}, // a letter after a double-byte character
        {"81 41", "81 61", false},      // a trail byte is no letter
        {"41 81", "61 81", true},       // a lone lead byte at the end
        {"81 41", "61 41", false},      // a lead byte never matches an ASCII byte
        {"5B", "7B", false},            // "[" and "{" are no letters
        {"41", "41 41", false},
        {"D6 D0", "D6 D1", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EqualsIgnoringAsciiCase(HexText(c.a), HexText(c.b)), c.equal)
            << c.a << " / " << c.b;
        EXPECT_EQ(EqualsIgnoringAsciiCase(HexText(c.b), HexText(c.a)), c.equal)
            << c.b << " / " << c.a;
        EXPECT_EQ(AsciiLower(HexText(c.a)) == AsciiLower(HexText(c.b)), c.equal) << c.a;
    }
}

} // namespace
} // namespace varnel::gbk
