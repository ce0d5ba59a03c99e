#include "base/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/support/hex.h"

namespace varnel {
namespace {

TEST(NumberText, FormatsLikePrintfPercentPoint13g) {
    struct Case {
        double value;
        const char* expected;
    };
    const Case cases[] = {
        {0.0, "0"},
        {1.0, "1"},
        {2.0, "2"},
        {1.5, "1.5"},
        {-1.0, "-1"},
        {1.0 / 3.0, "0.3333333333333"},
        {0.1 + 0.2, "0.3"},
        {1e20, "1e+20"},
        {1234567890123.0, "1234567890123"},
        {12345678901234.0, "1.234567890123e+13"},
        {0.0001, "0.0001"},
        {0.00001, "1e-05"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatNumber(c.value), c.expected) << c.value;
    }
}

TEST(NumberText, ParsesTheLeadingNumber) {
    struct Case {
        std::string text;
        double expected;
    };
    const Case cases[] = {
        {"12abc", 12},
        {"abc", 0},
        {"", 0},
        {"  \t-7.5x", -7.5},
        {"+3", 3},
        {".5", 0.5},
        {"5.", 5},
        {"1e3", 1000},
        {"1e", 1}, // an exponent without digits is not part of the number
        {"2E-2", 0.02},
        {"-", 0},
        {".", 0},
        {"1.2.3", 1.2},
        {"0x10", 0}, // no hexadecimal floats
        {"inf", 0},
        {test::HexText("A3 B1 A3 B2"), 12},       // full-width "１２"
        {test::HexText("A1 A1 A3 AD A3 B5"), -5}, // ideographic space, full-width "-5"
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(ParseLeadingNumber(c.text), c.expected) << test::ToHex(c.text);
    }
    EXPECT_EQ(ParseLeadingNumber("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseLeadingNumber("-1e999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseLeadingNumber("1e-999"), 0.0);
    EXPECT_EQ(ParseLeadingNumber("0e999"), 0.0);
}

TEST(NumberText, FormattedNumbersReadBack) {
    for (double v : {0.0, 1.0, -2.5, 1.0 / 3.0, 1e20, 123456.789, -1e-7}) {
        const double back = ParseLeadingNumber(FormatNumber(v));
        EXPECT_NEAR(back, v, std::fabs(v) * 1e-12) << v;
    }
}

} // namespace
} // namespace varnel
