#include "settings/stored_forms.h"

#include <cmath>
#include <cstdio>

#include "base/date_time.h"
#include "base/gbk_text.h"

namespace varnel::settings {

namespace {

constexpr std::string_view kYear = "\xC4\xEA";   // 年
constexpr std::string_view kMonth = "\xD4\xC2";  // 月
constexpr std::string_view kDay = "\xC8\xD5";    // 日
constexpr std::string_view kHour = "\xCA\xB1";   // 时
constexpr std::string_view kMinute = "\xB7\xD6"; // 分
constexpr std::string_view kSecond = "\xC3\xEB"; // 秒

void AppendField(Text& out, int value, std::string_view unit) {
    out += std::to_string(value);
    out += unit;
}

// Reads up to `maxDigits` ASCII digits at `pos`; none read counts as 0.
int ReadDigits(std::string_view text, std::size_t& pos, int maxDigits) {
    int value = 0;
    for (int i = 0; i < maxDigits && pos < text.size() && text[pos] >= '0' && text[pos] <= '9';
         ++i, ++pos) {
        value = value * 10 + (text[pos] - '0');
    }
    return value;
}

// Skips one separator at `pos` when one is there: one of the ASCII `marks` or the unit `unit`.
void SkipSeparator(std::string_view text, std::size_t& pos, std::string_view marks,
                   std::string_view unit) {
    if (pos >= text.size()) {
        return;
    }
    if (marks.find(text[pos]) != std::string_view::npos) {
        ++pos;
    } else if (text.substr(pos, unit.size()) == unit) {
        pos += unit.size();
    }
}

} // namespace

Text EscapeLineBreaks(std::string_view text) {
    return gbk::ReplaceAll(text, "\r\n", kLineBreakMark);
}

Text UnescapeLineBreaks(std::string_view text) {
    return gbk::ReplaceAll(text, kLineBreakMark, "\r\n");
}

Text FormatDateTime(DateTime value) {
    if (std::isnan(value)) {
        value = 0.0;
    }
    value = std::fmax(kMinDateTime, std::fmin(kMaxDateTime, value));
    const CivilDateTime c = ToCivil(value);
    Text out;
    AppendField(out, c.year, kYear);
    AppendField(out, c.month, kMonth);
    AppendField(out, c.day, kDay);
    if (c.second != 0) {
        AppendField(out, c.hour, kHour);
        AppendField(out, c.minute, kMinute);
        AppendField(out, c.second, kSecond);
    } else if (c.minute != 0) {
        AppendField(out, c.hour, kHour);
        AppendField(out, c.minute, kMinute);
    } else if (c.hour != 0) {
        AppendField(out, c.hour, kHour);
    }
    return out;
}

std::optional<DateTime> ParseDateTime(std::string_view stored) {
    const Text text = gbk::ToHalfWidth(stored);
    if (text.empty()) {
        return std::nullopt;
    }
    std::size_t pos = 0;
    CivilDateTime c;
    c.year = ReadDigits(text, pos, 4);
    SkipSeparator(text, pos, "/-:.", kYear);
    c.month = ReadDigits(text, pos, 2);
    SkipSeparator(text, pos, "/-:.", kMonth);
    c.day = ReadDigits(text, pos, 2);
    SkipSeparator(text, pos, "/-: .", kDay);
    c.hour = ReadDigits(text, pos, 2);
    SkipSeparator(text, pos, "/-:.", kHour);
    c.minute = ReadDigits(text, pos, 2);
    SkipSeparator(text, pos, "/-:.", kMinute);
    c.second = ReadDigits(text, pos, 2);
    // After the seconds only the end of the text or "秒" may follow.
    if (pos < text.size() && std::string_view(text).substr(pos, kSecond.size()) != kSecond) {
        return std::nullopt;
    }
    return FromCivil(c);
}

} // namespace varnel::settings
