// DateTime (days since 1899-12-30, fraction = time of day) and its calendar fields.
#pragma once

#include <optional>

#include "base/text.h"

namespace varnel {

struct CivilDateTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;

    friend bool operator==(const CivilDateTime&, const CivilDateTime&) = default;
};

// 100-01-01 00:00:00 and 9999-12-31 00:00:00, the range a DateTime is clamped to before it is
// written as text.
inline constexpr DateTime kMinDateTime = -657434.0;
inline constexpr DateTime kMaxDateTime = 2958465.0;

// Calendar fields of a DateTime, rounded to the nearest second. Negative values follow the
// usual convention of such day counts: the integral part counts days back from 1899-12-30 and
// the fraction, whatever the sign, is the time of day (-1.25 is 1899-12-29 06:00:00).
// The proleptic Gregorian calendar throughout. Not-a-number reads as 0.
[[nodiscard]] CivilDateTime ToCivil(DateTime value);

// The DateTime of valid calendar fields; nullopt when a field is out of range (year 100 to 9999,
// month 1 to 12, day within the month, hour 0 to 23, minute and second 0 to 59).
[[nodiscard]] std::optional<DateTime> FromCivil(const CivilDateTime& civil);

[[nodiscard]] bool IsLeapYear(int year);
[[nodiscard]] int DaysInMonth(int year, int month);

// 0 for Sunday to 6 for Saturday.
[[nodiscard]] int DayOfWeek(const CivilDateTime& civil);

} // namespace varnel
