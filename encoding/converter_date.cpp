// A date-time in the style of HTTP cookie expiry times, every number without leading zeros.
#include <array>
#include <string>

#include "base/date_time.h"
#include "encoding/encoding_converter.h"

namespace varnel::encoding {
namespace {

constexpr std::array<const char*, 7> kWeekdays = {"Sun, ", "Mon, ", "Tue, ", "Wed, ",
                                                  "Thu, ", "Fri, ", "Sat, "};
constexpr std::array<const char*, 12> kMonths = {"Jan-", "Feb-", "Mar-", "Apr-", "May-", "Jun-",
                                                 "Jul-", "Aug-", "Sep-", "Oct-", "Nov-", "Dec-"};

} // namespace

Text EncodingConverter::FormatGmtDate(DateTime value) const {
    const CivilDateTime civil = ToCivil(value);
    Text out = kWeekdays[static_cast<std::size_t>(DayOfWeek(civil))];
    out += std::to_string(civil.day);
    out += '-';
    out += kMonths[static_cast<std::size_t>(civil.month - 1)];
    out += std::to_string(civil.year);
    out += ' ';
    out += std::to_string(civil.hour) + ':' + std::to_string(civil.minute) + ':' +
           std::to_string(civil.second);
    out += " GMT";
    return out;
}

} // namespace varnel::encoding
