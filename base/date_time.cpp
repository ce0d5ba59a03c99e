#include "base/date_time.h"

#include <cmath>

namespace varnel {

namespace {

// Days from 1970-01-01 to a proleptic Gregorian date (H. Hinnant's days_from_civil).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int& year, int& month, int& day) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    year = static_cast<int>(static_cast<long long>(yoe) + era * 400 + (m <= 2));
    month = static_cast<int>(m);
    day = static_cast<int>(d);
}

const long long kEpochDays = DaysFromCivil(1899, 12, 30);

} // namespace

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return 0;
    }
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

CivilDateTime ToCivil(DateTime value) {
    if (std::isnan(value)) {
        value = 0.0;
    }
    // Far beyond any calendar this program writes; keeps the arithmetic below in range.
    value = std::fmax(-1e9, std::fmin(1e9, value));
    double wholeDays = std::trunc(value);
    long long seconds = std::llround(std::fabs(value - wholeDays) * 86400.0);
    long long days = static_cast<long long>(wholeDays);
    if (seconds >= 86400) {
        seconds -= 86400;
        ++days;
    }
    CivilDateTime civil;
    CivilFromDays(kEpochDays + days, civil.year, civil.month, civil.day);
    civil.hour = static_cast<int>(seconds / 3600);
    civil.minute = static_cast<int>(seconds / 60 % 60);
    civil.second = static_cast<int>(seconds % 60);
    return civil;
}

std::optional<DateTime> FromCivil(const CivilDateTime& c) {
    if (c.year < 100 || c.year > 9999 || c.month < 1 || c.month > 12 || c.day < 1 ||
        c.day > DaysInMonth(c.year, c.month) || c.hour < 0 || c.hour > 23 || c.minute < 0 ||
        c.minute > 59 || c.second < 0 || c.second > 59) {
        return std::nullopt;
    }
    const long long days =
        DaysFromCivil(c.year, static_cast<unsigned>(c.month), static_cast<unsigned>(c.day)) -
        kEpochDays;
    const double time = (c.hour * 3600 + c.minute * 60 + c.second) / 86400.0;
    const auto whole = static_cast<double>(days);
    return days >= 0 ? whole + time : whole - time;
}

int DayOfWeek(const CivilDateTime& c) {
    const long long days =
        DaysFromCivil(c.year, static_cast<unsigned>(c.month), static_cast<unsigned>(c.day));
    // 1970-01-01 was a Thursday.
    return static_cast<int>(((days % 7) + 7 + 4) % 7);
}

} // namespace varnel
