// The text forms in which the settings store keeps typed values: escaped texts, booleans as
// "真" / "假", numbers as "%.13g", date-times as "2013年1月5日9时30分" and the parsers that read
// them back. The same forms serve the INI file and the registry.
#pragma once

#include <optional>
#include <string_view>

#include "base/date_time.h"
#include "base/text.h"

namespace varnel::settings {

// GBK "┊*┊" (A9 AE 2A A9 AE): one CR LF pair inside a stored text.
inline constexpr std::string_view kLineBreakMark = "\xA9\xAE*\xA9\xAE";
// GBK "真" and "假".
inline constexpr std::string_view kTrueText = "\xD5\xE6";
inline constexpr std::string_view kFalseText = "\xBC\xD9";

// Every CR LF pair replaced by "┊*┊", left to right, double-byte characters stepped over whole.
[[nodiscard]] Text EscapeLineBreaks(std::string_view text);
// Every "┊*┊" replaced by CR LF (also one that was in the text before it was escaped).
[[nodiscard]] Text UnescapeLineBreaks(std::string_view text);

// "%d年%d月%d日" and a time tail: "%d时%d分%d秒" when the seconds are not zero, else "%d时%d分"
// when the minutes are not zero, else "%d时" when the hour is not zero. The value is first
// clamped into 100-01-01 to 9999-12-31 (not-a-number counts as 0) and rounded to the second.
[[nodiscard]] Text FormatDateTime(DateTime value);

// Reads "2013年1月5日9时30分7秒", "2013-1-5 9:30:07", "2013/1/5" and the like (full-width forms
// read as ASCII). nullopt when the text is empty, has anything after the seconds but "秒", or its
// fields do not form a valid date and time from the year 100 to 9999.
[[nodiscard]] std::optional<DateTime> ParseDateTime(std::string_view text);

// What a stored date-time that does not parse reads as: 100-01-01 00:00:00.
inline constexpr DateTime kUnparsedDateTime = kMinDateTime;

} // namespace varnel::settings
