#include "engine/separator_scanner.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/hex.h"

namespace varnel::engine {
namespace {

using test::HexText;

std::vector<std::size_t> AllSeparators(std::string_view text, std::string_view separator,
                                       std::size_t step = SeparatorScanner::kNone) {
    std::vector<std::size_t> found;
    SeparatorScanner scanner(text, separator);
    while (!scanner.AtEnd()) {
        const std::size_t limit =
            step == SeparatorScanner::kNone ? step : scanner.Position() + step;
        const std::size_t at = scanner.Next(limit);
        if (at != SeparatorScanner::kNone) {
            found.push_back(at);
        }
    }
    return found;
}

TEST(SeparatorScanner, HonoursOnlySeparatorsAtCharacterStarts) {
    struct Case {
        const char* text;
        const char* separator;
        std::vector<std::size_t> expected;
    };
    const Case cases[] = {
        {"41 0D 0A 42 0D 0A", "0D 0A", {1, 4}},
        {"41 B0 0D 0A 42", "0D 0A", {}},        // B0 pairs with the CR
        {"B0 B0 0D 0A", "0D 0A", {2}},          // an even run of high bytes
        {"B0 B0 B0 0D 0A 0D 0A", "0D 0A", {5}}, // odd run: the first CR is a trail byte
        {"81 41 41 81 41", "41", {2}},          // 丄 A 丄
        {"81 81 81", "81", {0, 1, 2}},          // a separator that is itself a lead byte
        {"81 41 81", "81", {0, 2}},
        {"B0 0D B0 0D 0A", "B0 0D", {0, 2}}, // a separator that starts with a lead byte
        {"41 41 41", "41 41", {0}},          // matches never overlap
        {"D6 D0 0D 0A CE C4 0D 0A", "0D 0A", {2, 6}},
        {"41 0D", "0D 0A", {}},
        {"0D 0A", "0D 0A", {0}},
        {"41 42 43 44", "43 44 45", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AllSeparators(HexText(c.text), HexText(c.separator)), c.expected)
            << c.text << " / " << c.separator;
    }
}

TEST(SeparatorScanner, BoundedStepsFindTheSameSeparators) {
    std::string text;
    for (int i = 0; i < 200; ++i) {
        text += i % 3 == 0 ? "\xB0\xB0\xB0\r\n" : i % 3 == 1 ? "ab\r\n" : "\xD6\r\r\n";
    }
    const auto whole = AllSeparators(text, "\r\n");
    for (std::size_t step : {1u, 2u, 3u, 7u, 64u}) {
        EXPECT_EQ(AllSeparators(text, "\r\n", step), whole) << "step " << step;
        EXPECT_EQ(AllSeparators(text, "\r", step), AllSeparators(text, "\r")) << "step " << step;
    }
}

} // namespace
} // namespace varnel::engine
