#include "platform/wildcard.h"

#include <gtest/gtest.h>

namespace varnel::platform {
namespace {

TEST(MatchesWildcard, FollowsTheWindowsRulesForLongNames) {
    struct Case {
        const char* name;
        const char* pattern;
        bool matches;
    };
    const Case cases[] = {
        {"a.txt", "*.txt", true},
        {"A.TXT", "*.txt", true},
        {"a.b.txt", "*.txt", true},
        {".txt", "*.txt", true},
        {"a.txt.bak", "*.txt", false},
        {"a.txtx", "*.txt", false}, // Windows finds it through an 8.3 alias; we do not
        {"readme", "*.*", true},    // "*.*" is every name
        {"readme", "*", true},
        {"a.txt", "", false},
        {"a.txt", "a.txt", true},
        {"a.txt", "?.txt", true},
        {"ab.txt", "?.txt", false},
        {".txt", "?.txt", false},
        {"abXcdXef", "a*c*f", true},
        {"abc", "a*b*c*d", false},
        {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*a*c", false},
        {"a.txt", "*.txt;*.ini", false}, // two patterns joined form one
        {"x;y.ini", "*.txt;*.ini", false},
        {"\xE4\xB8\xAD\xE6\x96\x87.TXT", "\xE4\xB8\xAD?.txt", true}, // 中文.TXT
        {"\xC3\x84"
         "b.txt",
         "\xC3\xA4"
         "B.txt",
         true},                                                 // Äb / äB
        {"\xEF\xBC\xA1.txt", "\xEF\xBD\x81.txt", true},         // Ａ / ａ
        {"\xD0\x9F\xD0\xA0.txt", "\xD0\xBF\xD1\x80.txt", true}, // ПР / пр
        {"\xCE\xA3.txt", "\xCF\x82.txt", true},                 // Σ / ς
        {"\xC7\x8D.txt", "\xC7\x8E.txt", true},                 // Ǎ / ǎ
        {"\xE5\xAD\x97.txt", "\xE5\xAD\x98.txt", false},        // 字 / 存
        {"\xFF.txt", "?.txt", true},                            // a stray byte is one character
        {"\xFF.txt", "\xFE.txt", false},
        {"\xFF.txt", "\xFF.txt", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MatchesWildcard(std::string_view(c.name), std::string_view(c.pattern)), c.matches)
            << c.name << " against " << c.pattern;
    }
}

TEST(MatchesWildcard, TakesUtf16NamesTheSameWay) {
    EXPECT_TRUE(MatchesWildcard(std::u16string_view(u"\u4E2D.TXT"), std::u16string_view(u"?.txt")));
    EXPECT_TRUE(
        MatchesWildcard(std::u16string_view(u"\U0001F600.txt"), std::u16string_view(u"?.txt")))
        << "a surrogate pair is one character";
    EXPECT_FALSE(MatchesWildcard(std::u16string_view(u"a.txtx"), std::u16string_view(u"*.txt")));
}

TEST(FoldCase, PairsTheLettersOfBothCases) {
    const std::pair<char32_t, char32_t> pairs[] = {
        {U'a', U'A'},   {0xE9, 0xC9},   {0xFF, 0x178},    {0x101, 0x100},
        {0x13A, 0x139}, {0x148, 0x147}, {0x17E, 0x17D},   {0x1CE, 0x1CD},
        {0x1DC, 0x1DB}, {0x1F9, 0x1F8}, {0x3B1, 0x391},   {0x3C9, 0x3A9},
        {0x451, 0x401}, {0x44F, 0x42F}, {0x2170, 0x2160}, {0xFF5A, 0xFF3A},
    };
    for (const auto& [lower, upper] : pairs) {
        EXPECT_EQ(FoldCase(lower), FoldCase(upper)) << std::hex << static_cast<unsigned>(lower);
    }
    for (char32_t c : {U'1', U'_', char32_t{0xD7}, char32_t{0xF7}, char32_t{0x4E2D}}) {
        EXPECT_EQ(FoldCase(c), c) << std::hex << static_cast<unsigned>(c);
    }
}

} // namespace
} // namespace varnel::platform
