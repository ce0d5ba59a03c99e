#include "base/date_time.h"

#include <gtest/gtest.h>

namespace varnel {

void PrintTo(const CivilDateTime& c, std::ostream* os) {
    *os << c.year << "-" << c.month << "-" << c.day << " " << c.hour << ":" << c.minute << ":"
        << c.second;
}

namespace {

TEST(DateTime, ConvertsBetweenDayCountsAndCalendarFields) {
    struct Case {
        DateTime value;
        CivilDateTime civil;
    };
    const Case cases[] = {
        {0.0, {1899, 12, 30, 0, 0, 0}},
        {1.0, {1899, 12, 31, 0, 0, 0}},
        {2.5, {1900, 1, 1, 12, 0, 0}},
        {-1.25, {1899, 12, 29, 6, 0, 0}}, // the fraction is the time of day, also below zero
        {kMinDateTime, {100, 1, 1, 0, 0, 0}},
        {kMaxDateTime, {9999, 12, 31, 0, 0, 0}},
        {41279.0 + (9 * 3600 + 30 * 60 + 7) / 86400.0, {2013, 1, 5, 9, 30, 7}},
        {60.0, {1900, 2, 28, 0, 0, 0}},
        {61.0, {1900, 3, 1, 0, 0, 0}},     // 1900 is not a leap year
        {36585.0, {2000, 2, 29, 0, 0, 0}}, // 2000 is
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToCivil(c.value), c.civil) << c.value;
        const auto back = FromCivil(c.civil);
        ASSERT_TRUE(back.has_value()) << c.value;
        EXPECT_NEAR(*back, c.value, 1e-9) << c.value;
    }
}

TEST(DateTime, RoundsToTheNearestSecondAcrossMidnight) {
    EXPECT_EQ(ToCivil(1.0 - 1e-9), (CivilDateTime{1899, 12, 31, 0, 0, 0}));
    EXPECT_EQ(ToCivil(-1.0 - (1.0 - 1e-9)), (CivilDateTime{1899, 12, 30, 0, 0, 0}));
    EXPECT_EQ(ToCivil(0.4 / 86400.0), (CivilDateTime{1899, 12, 30, 0, 0, 0}));
}

TEST(DateTime, RejectsFieldsOutOfRange) {
    const CivilDateTime invalid[] = {
        {99, 12, 31, 0, 0, 0},  {10000, 1, 1, 0, 0, 0}, {2013, 2, 29, 0, 0, 0},
        {2013, 2, 30, 0, 0, 0}, {2013, 13, 1, 0, 0, 0}, {2013, 0, 1, 0, 0, 0},
        {2013, 1, 0, 0, 0, 0},  {2013, 1, 1, 24, 0, 0}, {2013, 1, 1, 0, 60, 0},
        {2013, 1, 1, 0, 0, 60}, {1900, 2, 29, 0, 0, 0},
    };
    for (const auto& c : invalid) {
        EXPECT_FALSE(FromCivil(c).has_value()) << c.year << "-" << c.month << "-" << c.day;
    }
    EXPECT_TRUE(FromCivil({2012, 2, 29, 23, 59, 59}).has_value());
    EXPECT_TRUE(FromCivil({2000, 2, 29, 0, 0, 0}).has_value());
}

TEST(DateTime, KnowsTheDayOfTheWeek) {
    EXPECT_EQ(DayOfWeek({2013, 1, 6, 0, 0, 0}), 0);   // Sunday
    EXPECT_EQ(DayOfWeek({2013, 5, 15, 0, 0, 0}), 3);  // Wednesday
    EXPECT_EQ(DayOfWeek({1899, 12, 30, 0, 0, 0}), 6); // Saturday
    EXPECT_EQ(DayOfWeek({100, 1, 1, 0, 0, 0}), 5);    // Friday, proleptic Gregorian
}

} // namespace
} // namespace varnel
