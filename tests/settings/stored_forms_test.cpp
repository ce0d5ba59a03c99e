#include "settings/stored_forms.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/date_time.h"
#include "tests/support/hex.h"

namespace varnel::settings {
namespace {

using varnel::test::HexText;
using varnel::test::ToHex;

DateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return FromCivil({year, month, day, hour, minute, second}).value();
}

TEST(StoredForms, LineBreaksBecomeTheMarkAndBack) {
    EXPECT_EQ(ToHex(EscapeLineBreaks("a\r\nb\r\n")),
              ToHex("a" + HexText("A9AE 2A A9AE") + "b" + HexText("A9AE 2A A9AE")));
    // Lone CR and LF are not the escape's business.
    EXPECT_EQ(EscapeLineBreaks("a\rb\nc\n\r"), "a\rb\nc\n\r");
    EXPECT_EQ(UnescapeLineBreaks(EscapeLineBreaks("x\r\n\r\ny")), "x\r\n\r\ny");
    EXPECT_EQ(UnescapeLineBreaks(HexText("A9AE 2A A9AE")), "\r\n");
}

TEST(StoredForms, DateTimesAsText) {
    struct Case {
        DateTime value;
        const char* expected; // UTF-8 for reading; compared as GBK
        std::string gbk;
    };
    const std::string y = HexText("C4EA"), mo = HexText("D4C2"), d = HexText("C8D5"),
                      h = HexText("CAB1"), mi = HexText("B7D6"), s = HexText("C3EB");
    const Case cases[] = {
        {At(2013, 1, 5), "2013年1月5日", "2013" + y + "1" + mo + "5" + d},
        {At(2013, 1, 5, 9, 30), "2013年1月5日9时30分",
         "2013" + y + "1" + mo + "5" + d + "9" + h + "30" + mi},
        {At(2013, 1, 5, 0, 0, 7), "2013年1月5日0时0分7秒",
         "2013" + y + "1" + mo + "5" + d + "0" + h + "0" + mi + "7" + s},
        {At(2013, 12, 25, 9), "2013年12月25日9时", "2013" + y + "12" + mo + "25" + d + "9" + h},
        {0.0, "1899年12月30日", "1899" + y + "12" + mo + "30" + d},
        {-1e9, "100年1月1日 (clamped)", "100" + y + "1" + mo + "1" + d},
        {1e9, "9999年12月31日 (clamped)", "9999" + y + "12" + mo + "31" + d},
        {std::numeric_limits<double>::quiet_NaN(), "NaN as 0", "1899" + y + "12" + mo + "30" + d},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToHex(FormatDateTime(c.value)), ToHex(c.gbk)) << c.expected;
    }
}

TEST(StoredForms, DateTimesFromText) {
    const std::string y = HexText("C4EA"), mo = HexText("D4C2"), d = HexText("C8D5"),
                      h = HexText("CAB1"), mi = HexText("B7D6"), s = HexText("C3EB");
    struct Case {
        std::string text;
        std::optional<DateTime> expected;
    };
    const Case cases[] = {
        {"2013-1-5 9:30:07", At(2013, 1, 5, 9, 30, 7)},
        {"2013" + y + "1" + mo + "5" + d + "9" + h + "30" + mi + "7" + s, At(2013, 1, 5, 9, 30, 7)},
        {"2013" + y + "1" + mo + "5" + d, At(2013, 1, 5)},
        {"2013/01/05", At(2013, 1, 5)},
        {"2013.1.5.23.59.59", At(2013, 1, 5, 23, 59, 59)},
        {"2013:1:5", At(2013, 1, 5)},
        // Full-width digits and hyphens: A3B2 A3B0 A3B1 A3B3 = "2013", A3AD = "-".
        {HexText("A3B2 A3B0 A3B1 A3B3 A3AD A3B1 A3AD A3B5"), At(2013, 1, 5)},
        {"2000-2-29", At(2000, 2, 29)},
        {"100-1-1", At(100, 1, 1)},
        {"9999-12-31 23:59:59", At(9999, 12, 31, 23, 59, 59)},
        {"2013-2-30", std::nullopt},
        {"1900-2-29", std::nullopt},
        {"99-1-1", std::nullopt},
        {"2013-13-1", std::nullopt},
        {"2013-1-5 24:00", std::nullopt},
        {"2013-1-5 9:60", std::nullopt},
        {"2013-1-5x", std::nullopt},
        {"2013-1-5 9:30:07 pm", std::nullopt},
        {"", std::nullopt},
        {"abc", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseDateTime(c.text), c.expected) << c.text;
    }
}

} // namespace
} // namespace varnel::settings
