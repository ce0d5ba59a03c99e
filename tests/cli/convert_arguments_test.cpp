// How varnel convert reads its arguments, and its table of operations.
#include <gtest/gtest.h>

#include <set>

#include "base/date_time.h"
#include "cli/convert_arguments.h"
#include "cli/operation_table.h"
#include "cli/terminal_text.h"
#include "encoding/code_page.h"
#include "tests/encoding/code_page_literals.h"
#include "tests/support/hex.h"

namespace varnel::cli {
namespace {

using test::Big5;
using test::Gbk;
using test::ToHex;
using test::Utf8;

TEST(OperationTable, NamesAreLowerCaseWithAHyphenBeforeEachInnerCapital) {
    const std::pair<const char*, const char*> cases[] = {
        {"UrlEncode", "url-encode"},
        {"Utf8ToAnsi", "utf8-to-ansi"},
        {"Base64Decode", "base64-decode"},
        {"IntegerToIpv4", "integer-to-ipv4"},
        {"SimplifiedToTraditional", "simplified-to-traditional"},
        {"Big5ToGbk", "big5-to-gbk"},
    };
    for (const auto& [method, name] : cases) {
        EXPECT_EQ(CommandName(method), name);
        const Operation* operation = FindOperation(name);
        ASSERT_NE(operation, nullptr) << name;
        EXPECT_EQ(operation->method, method);
    }
    EXPECT_EQ(FindOperation("UrlEncode"), nullptr);
    EXPECT_EQ(FindOperation(""), nullptr);
}

TEST(OperationTable, EveryRowIsWellFormed) {
    std::set<std::string> names;
    for (const Operation& operation : Operations()) {
        EXPECT_TRUE(names.insert(CommandName(operation.method)).second) << operation.method;
        EXPECT_NE(operation.run, nullptr) << operation.method;
        EXPECT_FALSE(operation.summary.empty()) << operation.method;
        bool optionalSeen = false;
        for (const Parameter& parameter : operation.parameters) {
            // Only trailing arguments can be left out, and a default must read as its kind.
            EXPECT_FALSE(optionalSeen && parameter.defaultValue.empty()) << operation.method;
            if (!parameter.defaultValue.empty()) {
                optionalSeen = true;
                EXPECT_EQ(ParseArgument(parameter.defaultValue, parameter.kind, false).error, "")
                    << operation.method << " " << parameter.name;
            }
        }
    }
    EXPECT_EQ(names.count("destroy") + names.count("copy"), 0u);
}

TEST(ConvertArguments, IntegersAreDecimalWithinTheirBits) {
    struct Case {
        const char* typed;
        ValueKind kind;
        std::int64_t value;
        const char* error; // part of it
    };
    const Case cases[] = {
        {"42", ValueKind::kInt32, 42, ""},
        {"-1", ValueKind::kInt32, -1, ""},
        {"-2147483648", ValueKind::kInt32, INT32_MIN, ""},
        {"2147483648", ValueKind::kInt32, 0, "is outside -2147483648 to 2147483647"},
        {"4294967296", ValueKind::kInt64, 4294967296, ""},
        {"-9223372036854775808", ValueKind::kInt64, INT64_MIN, ""},
        {"9223372036854775808", ValueKind::kInt64, 0, "is outside"},
        {"0x10", ValueKind::kInt32, 0, "is not a decimal integer"},
        {"+5", ValueKind::kInt32, 0, "is not a decimal integer"},
        {" 5", ValueKind::kInt32, 0, "is not a decimal integer"},
        {"5 ", ValueKind::kInt32, 0, "is not a decimal integer"},
        {"", ValueKind::kInt32, 0, "is not a decimal integer"},
        {"-", ValueKind::kInt64, 0, "is not a decimal integer"},
        {"1.5", ValueKind::kInt64, 0, "is not a decimal integer"},
    };
    for (const auto& c : cases) {
        const ParsedValue parsed = ParseArgument(c.typed, c.kind, false);
        if (*c.error == '\0') {
            EXPECT_EQ(parsed.error, "") << c.typed;
            EXPECT_EQ(std::get<std::int64_t>(parsed.value), c.value) << c.typed;
        } else {
            EXPECT_NE(parsed.error.find(c.error), std::string::npos)
                << c.typed << ": " << parsed.error;
            EXPECT_EQ(parsed.error.rfind(std::string("'") + c.typed + "'", 0), 0u) << parsed.error;
        }
    }
}

TEST(ConvertArguments, BooleansAndDateTimes) {
    EXPECT_EQ(std::get<bool>(ParseArgument("true", ValueKind::kBool, false).value), true);
    EXPECT_EQ(std::get<bool>(ParseArgument("false", ValueKind::kBool, false).value), false);
    for (const char* typed : {"TRUE", "1", "yes", ""}) {
        EXPECT_NE(ParseArgument(typed, ValueKind::kBool, false).error, "") << typed;
    }

    const DateTime expected = *FromCivil({2013, 1, 6, 9, 5, 3});
    for (const char* typed : {"2013-01-06 09:05:03", "2013-01-06T09:05:03", "2013-1-6 9:5:3"}) {
        const ParsedValue parsed = ParseArgument(typed, ValueKind::kDateTime, false);
        EXPECT_EQ(parsed.error, "") << typed;
        EXPECT_EQ(std::get<DateTime>(parsed.value), expected) << typed;
    }
    EXPECT_EQ(std::get<DateTime>(ParseArgument("2013-01-06", ValueKind::kDateTime, false).value),
              *FromCivil({2013, 1, 6, 0, 0, 0}));
    for (const char* typed :
         {"2013-02-30 00:00:00", "2013-01-06 24:00:00", "0099-01-01", "2013-01-06 09:05",
          "2013/01/06", "2013-01-06  09:05:03", "2013-01-06 09:05:03Z", "20130-01-06", ""}) {
        EXPECT_NE(ParseArgument(typed, ValueKind::kDateTime, false).error, "") << typed;
    }
}

TEST(ConvertArguments, TextIsTakenAsTypedOrFromUnicode) {
    // As typed: the bytes themselves, whatever they are.
    const ParsedValue raw = ParseArgument("\xD6\xD0", ValueKind::kText, false);
    EXPECT_EQ(ToHex(std::get<Text>(raw.value)), "D6 D0");
    EXPECT_EQ(ToHex(std::get<Bytes>(ParseArgument("\xE4", ValueKind::kBytes, false).value)), "E4");

    struct Case {
        ValueKind kind;
        std::string typed; // UTF-8
        std::string bytes; // hex
    };
    const Case cases[] = {
        {ValueKind::kText, Utf8(u"中A"), "D6 D0 41"},
        {ValueKind::kBytes, Utf8(u"中"), "D6 D0"},
        {ValueKind::kBig5Text, Utf8(u"中A"), "A4 A4 41"},
        {ValueKind::kUtf8Bytes, Utf8(u"中"), "E4 B8 AD"},
        {ValueKind::kUnicodeBytes, Utf8(u"中A"), "2D 4E 41 00"},
        {ValueKind::kUnicodeBytes, Utf8(u"\U0001F600"), "3D D8 00 DE"},
    };
    for (const auto& c : cases) {
        const ParsedValue parsed = ParseArgument(c.typed, c.kind, true);
        EXPECT_EQ(parsed.error, "") << c.typed;
        const std::string bytes = std::holds_alternative<Text>(parsed.value)
                                      ? std::get<Text>(parsed.value)
                                      : std::string(AsChars(std::get<Bytes>(parsed.value)));
        EXPECT_EQ(ToHex(bytes), c.bytes) << c.typed;
    }

    const std::pair<ValueKind, std::string> failures[] = {
        {ValueKind::kText, Utf8(u"A\U0001F600")}, // no GBK form
        {ValueKind::kBig5Text, Utf8(u"简")},      // no BIG5 form
        {ValueKind::kText, "\xFF"},
        {ValueKind::kBig5Text, "A\xE4\xB8"},
        {ValueKind::kUnicodeBytes, "\xC0\x80"},
    };
    for (const auto& [kind, typed] : failures) {
        EXPECT_NE(ParseArgument(typed, kind, true).error, "") << ToHex(typed);
    }
    EXPECT_NE(
        ParseArgument(Utf8(u"简"), ValueKind::kBig5Text, true).error.find("U+7B80 has no BIG5"),
        std::string::npos);
    EXPECT_NE(ParseArgument("A\xE4\xB8", ValueKind::kBig5Text, true).error.find("at byte 1"),
              std::string::npos);
}

TEST(ConvertArguments, StandardInputConvertsTextOnlyWhenAskedAndNeverBytes) {
    const Bytes utf8 = BytesOf(Utf8(u"中"));
    EXPECT_EQ(ToHex(std::get<Text>(ValueFromInput(utf8, ValueKind::kText, false).value)),
              "E4 B8 AD");
    EXPECT_EQ(ToHex(std::get<Text>(ValueFromInput(utf8, ValueKind::kText, true).value)), "D6 D0");
    EXPECT_EQ(ToHex(std::get<Text>(ValueFromInput(utf8, ValueKind::kBig5Text, true).value)),
              "A4 A4");
    EXPECT_EQ(std::get<Bytes>(ValueFromInput(utf8, ValueKind::kBytes, true).value), utf8);
    EXPECT_EQ(std::get<Bytes>(ValueFromInput(utf8, ValueKind::kUnicodeBytes, true).value), utf8);
    EXPECT_NE(ValueFromInput(BytesOf("\xFF"), ValueKind::kText, true).error, "");
}

TEST(ConvertArguments, TextResultsBackToUtf8) {
    EXPECT_EQ(Utf8FromText(Gbk(u"簡體")), Utf8(u"簡體"));
    EXPECT_EQ(Utf8FromText(Big5(u"簡體"), ValueKind::kBig5Text), Utf8(u"簡體"));
    EXPECT_EQ(Utf8FromText("\x81"), "?");
}

} // namespace
} // namespace varnel::cli
