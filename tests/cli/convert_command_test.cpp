// varnel convert, run as a real process (under Wine in the Windows suite): every operation once
// through the command's argument handling, standard input, --utf8, help and usage errors.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "cli/operation_table.h"
#include "encoding/code_page.h"
#include "tests/cli/varnel_process.h"
#include "tests/encoding/code_page_literals.h"
#include "tests/support/hex.h"

namespace varnel::cli {
namespace {

using encoding::CodePage;
using test::Big5;
using test::Gbk;
using test::ToHex;
using test::Utf8;

// An argument as a user types it: Windows hands the program Unicode (converted to GBK or BIG5
// by our tables); elsewhere the terminal's bytes arrive as they are.
std::string Typed(std::u16string_view units, CodePage elsewhere = CodePage::kGbk) {
#ifdef _WIN32
    (void)elsewhere;
    return Utf8(units);
#else
    return encoding::Utf16ToMultiByte(elsewhere, units);
#endif
}

struct Case {
    std::vector<std::string> args;
    std::string input;
    std::string output;
};

TEST(ConvertCommand, RunsEveryOperationOfTheConverter) {
    const Case cases[] = {
        {{"url-decode", "a%20b%e4%b8%ad"}, "", "a b\xE4\xB8\xAD"},
        {{"url-encode", Typed(u"中 a")}, "", "%D6%D0%20a"},
        {{"hex-to-bytes", "48656c6C6F"}, "", "Hello"},
        {{"text-to-integer", "ffffffff", "0"}, "", "-1\n"},
        {{"text-to-integer", " 42abc"}, "", "42\n"},
        {{"bytes-to-hex"}, "\x01\xAB", "1AB"},
        {{"percent-encode-bytes", "-", "true"}, "\n\xFF", "%0A%FF"},
        {{"percent-encode-bytes", "AB"}, "", "=41=42"},
        {{"percent-decode-bytes", "%41%4"}, "", "A"},
        {{"base64-encode"}, std::string("\0", 1), "AA=="},
        {{"base64-encode", "Man"}, "", "TWFu"},
        {{"base64-decode", "TWFuTQ"}, "", std::string("Man\0", 4)},
        {{"ansi-to-unicode", Typed(u"中A")}, "", std::string("\x2D\x4E\x41\0\0\0", 6)},
        {{"unicode-to-ansi"},
         std::string("\x2D\x4E\x41\0", 4),
         "\xD6\xD0"
         "A"},
        {{"utf8-to-unicode"}, "\xE4\xB8\xAD", "\x2D\x4E"},
        {{"unicode-to-utf8"}, std::string("\x2D\x4E\0\0", 4), std::string("\xE4\xB8\xAD\0", 4)},
        {{"ansi-to-utf8", Typed(u"中")}, "", std::string("\xE4\xB8\xAD\0", 4)},
        {{"utf8-to-ansi"}, "\xE4\xB8\xAD\r\nA", "\xD6\xD0\r\nA"},
        {{"text-to-unicode-hex", Typed(u"a中b")}, "", "00614E2D0062"},
        {{"unicode-hex-to-text", "4E2D0041"},
         "",
         "\xD6\xD0"
         "A"},
        {{"simplified-to-traditional", Typed(u"简体中文")}, "", Gbk(u"簡體中文")},
        {{"traditional-to-simplified", Typed(u"簡體中文")}, "", Gbk(u"简体中文")},
        {{"to-traditional", Typed(u"体")}, "", Gbk(u"體")},
        {{"to-simplified", Typed(u"體")}, "", Gbk(u"体")},
        {{"big5-to-gbk", Typed(u"中", CodePage::kBig5)}, "", "\xD6\xD0"},
        {{"big5-to-simplified", Typed(u"體", CodePage::kBig5)}, "", Gbk(u"体")},
        {{"gbk-to-big5", Typed(u"中")}, "", "\xA4\xA4"},
        {{"simplified-to-big5", Typed(u"体")}, "", Big5(u"體")},
        {{"format-gmt-date", "2013-01-06 09:05:03"}, "", "Sun, 6-Jan-2013 9:5:3 GMT"},
        {{"format-gmt-date", "2013-05-15T23:59:59"}, "", "Wed, 15-May-2013 23:59:59 GMT"},
        {{"ascii-code", "A"}, "", "65\n"},
        {{"ascii-code", Typed(u"中")}, "", "0\n"},
        {{"ascii-char", "126"}, "", "~"},
        {{"zone-position-code", Typed(u"啊")}, "", "1601"},
        {{"internal-code-hex", Typed(u"中文")}, "", "D6C4"},
        {{"convert-radix", "ff", "16", "10"}, "", "255"},
        {{"convert-radix", "16", "10"}, "zz", ""}, // standard input for the left-out DIGITS
        {{"base-text-to-integer", "19", "8"}, "", "17\n"},
        {{"hex-to-integer", "FFFFFFFF"}, "", "-1\n"},
        {{"integer-to-hex", "1193046", "true"}, "", "563412"},
        {{"integer-to-hex", "4294967296"}, "", "100000000"},
        {{"integer-to-hex", "0"}, "", ""},
        {{"byte-to-hex", "10"}, "", "0A"},
        {{"integer-to-binary", "10"}, "", "1010"},
        {{"binary-to-integer", "12"}, "", "4\n"},
        {{"integer-to-octal", "511"}, "", "777"},
        {{"trim-leading-zeros", "000120"}, "", "120"},
        {{"octal-to-integer", "777"}, "", "511\n"},
        {{"integer-to-ipv4", "16777343"}, "", "127.0.0.1"},
        {{"integer-to-ipv4", "-256"}, "", "0.255.255.255"},
        {{"integer-to-ipv4", "--", "-1"}, "", "255.255.255.255"},
        {{"reverse-text", "abc"}, "", "cba"},
        {{"reverse-by-pairs", Typed(u"ab中")}, "", Gbk(u"中") + "ab"},
    };
    std::set<std::string> covered;
    for (const auto& c : cases) {
        const auto result = Varnel(
            [&] {
                std::vector<std::string> args{"convert"};
                args.insert(args.end(), c.args.begin(), c.args.end());
                return args;
            }(),
            c.input);
        const std::string name = c.args.front();
        covered.insert(name);
        if (name == "convert-radix" && c.output.empty()) {
            continue; // "zz" is no base-16 number: see the usage errors
        }
        EXPECT_EQ(result.exitCode, 0) << name << ": " << result.err;
        EXPECT_EQ(ToHex(result.out), ToHex(c.output)) << name;
        EXPECT_EQ(result.err, "") << name;
    }

    // The random texts, by their shape.
    const std::pair<std::vector<std::string>, std::size_t> randoms[] = {
        {{"convert", "random-digit"}, 1},      {{"convert", "random-letter"}, 1},
        {{"convert", "random-text"}, 32},      {{"convert", "random-text", "5"}, 5},
        {{"convert", "random-text", "-1"}, 0},
    };
    for (const auto& [args, length] : randoms) {
        const auto result = Varnel(args);
        covered.insert(args[1]);
        EXPECT_EQ(result.exitCode, 0) << args[1] << ": " << result.err;
        EXPECT_EQ(result.out.size(), length) << args[1];
        EXPECT_TRUE(std::all_of(result.out.begin(), result.out.end(), [](char c) {
            return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        })) << result.out;
    }
    EXPECT_TRUE(Varnel({"convert", "random-digit"}).out[0] <= '9');
    EXPECT_TRUE(Varnel({"convert", "random-letter"}).out[0] > '9');

    for (const Operation& operation : Operations()) {
        EXPECT_TRUE(covered.count(CommandName(operation.method)))
            << CommandName(operation.method) << " has no run through the command";
    }
}

TEST(ConvertCommand, ReadsStandardInputForADashOrALeftOutText) {
    const Case cases[] = {
        {{"url-encode"}, "a b\r\n", "a%20b%0D%0A"}, // all of it, the line break included
        {{"url-encode", "-"}, "a b", "a%20b"},
        {{"text-to-integer", "-", "0"}, "ff", "255\n"},
        {{"convert-radix", "16", "10"}, "ff", "255"},
        {{"base64-decode"}, "TWFu", "Man"},
        {{"url-encode", "--", "-x"}, "ignored", "-x"},
        {{"url-encode", "--", "-"}, "-", "-"}, // "-" stays standard input after "--"
        {{"url-encode", ""}, "ignored", ""},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"convert"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto result = Varnel(args, c.input);
        EXPECT_EQ(result.exitCode, 0) << c.args.front() << ": " << result.err;
        EXPECT_EQ(result.out, c.output) << c.args.front();
    }
}

TEST(ConvertCommand, Utf8SwitchForUtf8Terminals) {
    const Case cases[] = {
        {{"--utf8", "simplified-to-traditional", Utf8(u"简体中文")}, "", Utf8(u"簡體中文")},
        {{"simplified-to-traditional", "--utf8"}, Utf8(u"简体"), Utf8(u"簡體")},
        {{"--utf8", "gbk-to-big5", Utf8(u"中文")}, "", Utf8(u"中文")},
        {{"--utf8", "big5-to-simplified", Utf8(u"體")}, "", Utf8(u"体")},
        {{"--utf8", "url-encode", Utf8(u"中")}, "", "%D6%D0"},
        {{"--utf8", "url-decode", "%D6%D0"}, "", Utf8(u"中")},
        {{"--utf8", "base64-encode", Utf8(u"中")}, "", "1tA="}, // bytes typed: GBK
        {{"--utf8", "base64-decode"}, "1tA=", "\xD6\xD0"},      // bytes out: as they are
        {{"--utf8", "ansi-to-utf8", Utf8(u"中")}, "", std::string("\xE4\xB8\xAD\0", 4)},
        {{"--utf8", "utf8-to-ansi", Utf8(u"中")}, "", Utf8(u"中")},
        {{"--utf8", "unicode-to-ansi", Utf8(u"中")}, "", Utf8(u"中")},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"convert"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto result = Varnel(args, c.input);
        EXPECT_EQ(result.exitCode, 0) << c.args[1] << ": " << result.err;
        EXPECT_EQ(ToHex(result.out), ToHex(c.output)) << c.args[1];
    }
}

TEST(ConvertCommand, UsageErrorsGiveStatusTwoAndOneLine) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"convert"}, "no operation"},
        {{"convert", "frobnicate"}, "unknown operation 'frobnicate'"},
        {{"convert", "UrlEncode", "x"}, "did you mean 'url-encode'?"},
        {{"convert", "integer-to-ipv4"}, "missing argument VALUE"},
        {{"convert", "integer-to-ipv4", "x"}, "VALUE: 'x' is not a decimal integer"},
        {{"convert", "integer-to-ipv4", "1", "2"}, "too many arguments"},
        {{"convert", "random-digit", "1"}, "too many arguments"},
        {{"convert", "convert-radix", "ff"}, "missing argument FROM-BASE"},
        {{"convert", "convert-radix", "ff", "16"},
         "FROM-BASE: 'ff' is not a decimal integer (DIGITS was left out: standard input stands"},
        {{"convert", "byte-to-hex", "4294967296"}, "outside -2147483648 to 2147483647"},
        {{"convert", "integer-to-hex", "1", "yes"}, "COLOUR: 'yes' is neither true nor false"},
        {{"convert", "format-gmt-date", "2013-02-30 00:00:00"}, "no valid date-time"},
        {{"convert", "format-gmt-date", "yesterday"}, "is not a date-time"},
        {{"convert", "convert-radix", "12", "37", "10"}, "a base must be from 2 to 36"},
        {{"convert", "url-encode", "-x"}, "unknown option '-x'"},
        {{"convert", "--bogus"}, "unknown option '--bogus'"},
        {{"convert", "--utf8", "url-encode", Utf8(u"\U0001F600")}, "has no GBK form"},
        {{"convert", "--utf8", "big5-to-gbk", Utf8(u"简")}, "U+7B80 has no BIG5 form"},
    };
    for (const auto& [args, message] : cases) {
        const auto result = Varnel(args, "input");
        EXPECT_EQ(result.exitCode, 2) << args.back();
        EXPECT_EQ(result.out, "") << args.back();
        EXPECT_EQ(LineCount(result.err), 1u) << result.err;
        EXPECT_EQ(result.err.rfind("varnel: convert", 0), 0u) << result.err;
        EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
    }
}

TEST(ConvertCommand, AnInvalidDigitIsReportedInTheProgramsOwnWords) {
    const auto result = Varnel({"convert", "convert-radix", "12", "2", "10"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "varnel: convert convert-radix: byte 2 is no base-2 digit: " +
                              Utf8(u"参数错误-12不是一个有效的二进制数！") + "\n");
    const auto fromInput = Varnel({"convert", "convert-radix", "16", "10"}, "zz");
    EXPECT_EQ(fromInput.exitCode, 2);
    EXPECT_NE(fromInput.err.find(Utf8(u"参数错误-ZZ不是一个有效的十六进制数！")), std::string::npos)
        << fromInput.err;
}

TEST(ConvertCommand, ListAndHelpDescribeTheOperations) {
    const auto list = Varnel({"convert", "--list"});
    EXPECT_EQ(list.exitCode, 0);
    for (const Operation& operation : Operations()) {
        const std::string name = CommandName(operation.method);
        EXPECT_NE(list.out.find("\n  " + name + " "), std::string::npos) << name;
    }
    EXPECT_NE(list.out.find("convert-radix             DIGITS FROM-BASE TO-BASE      -> text"),
              std::string::npos)
        << list.out;
    EXPECT_NE(list.out.find("percent-encode-bytes      BYTES [PERCENT]"), std::string::npos);

    const auto help = Varnel({"convert", "percent-encode-bytes", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* part : {"Usage: varnel convert [--utf8] percent-encode-bytes BYTES [PERCENT]",
                             "PercentEncodeBytes", "Standard input when it is '-' or left out",
                             "(default false)", "Result: bytes"}) {
        EXPECT_NE(help.out.find(part), std::string::npos) << part << " in:\n" << help.out;
    }
    const auto general = Varnel({"convert", "--help"});
    EXPECT_EQ(general.exitCode, 0);
    EXPECT_NE(general.out.find("--utf8"), std::string::npos);
    EXPECT_NE(general.out.find("YYYY-MM-DD HH:MM:SS"), std::string::npos);

    const auto top = Varnel({"--help"});
    EXPECT_NE(top.out.find("convert"), std::string::npos);
}

} // namespace
} // namespace varnel::cli
