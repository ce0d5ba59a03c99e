#include <gtest/gtest.h>

#include "base/date_time.h"
#include "encoding/encoding_converter.h"

namespace varnel::encoding {
namespace {

const EncodingConverter kConverter;

DateTime At(int year, int month, int day, int hour, int minute, int second) {
    return FromCivil({year, month, day, hour, minute, second}).value();
}

TEST(GmtDate, WritesEveryNumberWithoutLeadingZeros) {
    struct Case {
        DateTime value;
        const char* text;
    };
    const Case cases[] = {
        {At(2013, 1, 6, 9, 5, 3), "Sun, 6-Jan-2013 9:5:3 GMT"},
        {At(2013, 5, 15, 23, 59, 59), "Wed, 15-May-2013 23:59:59 GMT"},
        {At(2000, 2, 29, 0, 0, 0), "Tue, 29-Feb-2000 0:0:0 GMT"},
        {At(1999, 12, 31, 12, 30, 0), "Fri, 31-Dec-1999 12:30:0 GMT"},
        {At(2024, 3, 2, 1, 2, 3), "Sat, 2-Mar-2024 1:2:3 GMT"},
        {At(2024, 4, 1, 0, 0, 0), "Mon, 1-Apr-2024 0:0:0 GMT"},
        {At(2024, 6, 6, 0, 0, 0), "Thu, 6-Jun-2024 0:0:0 GMT"},
        {At(2024, 7, 7, 0, 0, 0), "Sun, 7-Jul-2024 0:0:0 GMT"},
        {At(2024, 8, 8, 0, 0, 0), "Thu, 8-Aug-2024 0:0:0 GMT"},
        {At(2024, 9, 9, 0, 0, 0), "Mon, 9-Sep-2024 0:0:0 GMT"},
        {At(2024, 10, 10, 0, 0, 0), "Thu, 10-Oct-2024 0:0:0 GMT"},
        {At(2024, 11, 11, 0, 0, 0), "Mon, 11-Nov-2024 0:0:0 GMT"},
        {0.0, "Sat, 30-Dec-1899 0:0:0 GMT"},
        {-1.25, "Fri, 29-Dec-1899 6:0:0 GMT"}, // the fraction is the time, whatever the sign
        {41280.99999, "Sun, 6-Jan-2013 23:59:59 GMT"}, // rounded to the second
        {41280.9999999, "Mon, 7-Jan-2013 0:0:0 GMT"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(kConverter.FormatGmtDate(c.value), c.text) << c.value;
    }
}

} // namespace
} // namespace varnel::encoding
