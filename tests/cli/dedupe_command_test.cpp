// varnel dedupe, run as a real process (under Wine in the Windows suite).
#include <gtest/gtest.h>

#include "engine/deduplicate.h"
#include "tests/cli/varnel_process.h"
#include "tests/support/temp_dir.h"

namespace varnel::cli {
namespace {

const std::string kSample =
    "777\r\n123\r\n321\r\n222\r\n333\r\n222\r\n321\r\n222\r\n555\r\n655\r\n777";
const std::string kSampleResult = "123\r\n333\r\n321\r\n222\r\n555\r\n655\r\n777";

TEST(DedupeCommand, ReadsStandardInputOrAFileAndWritesBytesUnchanged) {
    const auto fromStdin = Varnel({"dedupe"}, kSample);
    EXPECT_EQ(fromStdin.exitCode, 0) << fromStdin.err;
    EXPECT_EQ(fromStdin.out, kSampleResult);
    EXPECT_EQ(fromStdin.err, "");

    test::TempDir dir;
    const auto file = dir.WriteFile("sample.txt", kSample);
    const auto fromFile = Varnel({"dedupe", file.string()});
    EXPECT_EQ(fromFile.exitCode, 0) << fromFile.err;
    EXPECT_EQ(fromFile.out, kSampleResult);
}

TEST(DedupeCommand, TakesSeparatorsWithEscapes) {
    struct Case {
        std::vector<std::string> args;
        std::string input;
        std::string output;
    };
    const Case cases[] = {
        {{"dedupe", "-s", "\\n"}, "a\nb\na\n", "b\na"},
        {{"dedupe", "--separator", "\\r\\n\\r\\n"}, "p1\r\n\r\np2\r\n\r\np1", "p2\r\n\r\np1"},
        {{"dedupe", "-s", ","}, "x,y,x", "y,x"},
        {{"dedupe", "-s", ""}, "a\r\na", "a\r\na"}, // empty: unchanged
        {{"dedupe", "-s", "\\x00"}, std::string("a\0b\0a", 5), std::string("b\0a", 3)},
        {{"dedupe"}, "a\nb\na\n", "a\nb\na\n"}, // LF lines are one block under CR LF
    };
    for (const auto& c : cases) {
        const auto result = Varnel(c.args, c.input);
        EXPECT_EQ(result.exitCode, 0) << c.args.back() << ": " << result.err;
        EXPECT_EQ(result.out, c.output) << c.args.back();
    }
}

TEST(DedupeCommand, AChineseSeparatorIsTakenAsGbk) {
#ifdef _WIN32
    const std::string typed = "，"; // arrives as UTF-16 and is converted with our own table
#else
    const std::string typed = "\xA3\xAC"; // the bytes as typed on a GBK terminal
#endif
    const auto result = Varnel({"dedupe", "-s", typed}, "a\xA3\xAC"
                                                        "b\xA3\xAC"
                                                        "a");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "b\xA3\xAC"
                          "a");
}

TEST(DedupeCommand, PrintsStatisticsOnStandardError) {
    const auto result = Varnel({"dedupe", "--stats"}, kSample);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, kSampleResult);
    for (const char* line : {"blocks read               11\n", "blocks kept                7\n",
                             "blocks removed             4\n", "bytes in                  53\n",
                             "bytes out                 33\n", "elapsed "}) {
        EXPECT_NE(result.err.find(line), std::string::npos) << line << " in:\n" << result.err;
    }
}

TEST(DedupeCommand, UsageErrorsGiveStatusTwoAndOneLine) {
    const std::vector<std::string> cases[] = {
        {"dedupe", "--bogus"},        {"dedupe", "-s", "\\q"}, {"dedupe", "-s"},
        {"dedupe", "a.txt", "b.txt"}, {"frobnicate"},          {},
    };
    for (const auto& args : cases) {
        const auto result = Varnel(args, kSample);
        EXPECT_EQ(result.exitCode, 2) << (args.empty() ? "" : args.back());
        EXPECT_EQ(result.out, "") << "nothing on standard output";
        EXPECT_EQ(LineCount(result.err), 1u) << result.err;
        EXPECT_EQ(result.err.rfind("varnel: ", 0), 0u) << result.err;
    }
}

TEST(DedupeCommand, AnUnreadableFileGivesStatusOneNamingTheFile) {
    test::TempDir dir;
    const std::string missing = (dir.Path() / "missing.txt").string();
    const auto result = Varnel({"dedupe", missing});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(LineCount(result.err), 1u) << result.err;
    EXPECT_NE(result.err.find("missing.txt: cannot open: "), std::string::npos) << result.err;

    const auto folder = Varnel({"dedupe", dir.Path().string()});
    EXPECT_EQ(folder.exitCode, 1);
    EXPECT_EQ(folder.out, "");
}

TEST(DedupeCommand, HelpAndVersionGoToStandardOutput) {
    const auto help = Varnel({"dedupe", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("-s '\\n'"), std::string::npos) << "an example for Linux files";
    EXPECT_NE(help.out.find("--stats"), std::string::npos);

    const auto topHelp = Varnel({"--help"});
    EXPECT_EQ(topHelp.exitCode, 0);
    EXPECT_NE(topHelp.out.find("dedupe"), std::string::npos);

    const auto version = Varnel({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out.rfind("varnel ", 0), 0u);
}

TEST(DedupeCommand, LargeInputMatchesTheEngine) {
    std::string input;
    for (unsigned long long i = 0; i < 300000; ++i) {
        input += "\xD6\xD0 line " + std::to_string(i * 7919 % 100000) + "\r\n";
    }
    const auto result = Varnel({"dedupe"}, input);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(result.out == engine::DeduplicateBlocks(input, "\r\n"));
}

} // namespace
} // namespace varnel::cli
