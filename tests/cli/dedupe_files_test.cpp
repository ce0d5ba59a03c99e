// varnel dedupe -e, -i and --dir, run as a real process (under Wine in the Windows suite).
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

#include "engine/deduplicate.h"
#include "tests/cli/varnel_process.h"
#include "tests/support/file_marks.h"
#include "tests/support/hex.h"
#include "tests/support/temp_dir.h"

namespace varnel::cli {
namespace {

namespace fs = std::filesystem;
using test::HexText;
using test::ProcessResult;
using test::ReadFile;
using test::TempDir;
using test::ToHex;

// Arguments are UTF-8; Path::string() would give the ANSI form on Windows.
std::string Arg(const fs::path& path) {
    const std::u8string utf8 = path.u8string();
    return std::string(utf8.begin(), utf8.end());
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(DedupeEncoding, ReadsInputAsTheJobDoesAndWritesGbk) {
    struct Case {
        std::vector<std::string> args;
        std::string input;
        std::string output;
    };
    const Case cases[] = {
        {{"dedupe"},
         "\xEF\xBB\xBF"
         "a\r\na",
         "\xEF\xBB\xBF"
         "a\r\na"}, // ansi: bytes as they are
        {{"dedupe", "-e", "ansi"}, "\xD6\xD0\r\n\xD6\xD0", "\xD6\xD0"},
        {{"dedupe", "-e", "utf-8"},
         "\xEF\xBB\xBF\xE4\xB8\xAD\r\na\r\n\xE4\xB8\xAD",
         "a\r\n\xD6\xD0"}, // mark left out
        {{"dedupe", "--encoding", "UTF-8"}, "\xE4\xB8\xAD", "\xD6\xD0"},
        {{"dedupe", "-e", "unicode"}, HexText("FFFE 2D4E 0D00 0A00 2D4E"), "\xD6\xD0"},
    };
    for (const Case& c : cases) {
        const ProcessResult result = Varnel(c.args, c.input);
        EXPECT_EQ(result.exitCode, 0) << c.args.back() << ": " << result.err;
        EXPECT_EQ(ToHex(result.out), ToHex(c.output)) << c.args.back();
    }
}

TEST(DedupeEncoding, InputThatGbkCannotHoldWholeIsAnError) {
    struct Case {
        std::string encoding;
        std::string input;
        std::string message;
    };
    const Case cases[] = {
        {"utf-8", "ab\xF0\x9F\x98\x80", "U+1F600 at byte 2 has no GBK form"},
        {"unicode", HexText("6100 00D8"), "invalid encoding at byte 2"},
    };
    for (const Case& c : cases) {
        const ProcessResult result = Varnel({"dedupe", "-e", c.encoding}, c.input);
        EXPECT_EQ(result.exitCode, 1) << c.encoding;
        EXPECT_EQ(result.out, "") << c.encoding << ": nothing shortened on standard output";
        EXPECT_TRUE(Contains(result.err, "varnel: standard input: " + c.message)) << result.err;
    }
}

TEST(DedupeInPlace, RewritesEveryFileAndNamesThoseItCouldNot) {
    TempDir dir;
    const auto good = dir.WriteFile("good.txt", "1\r\n2\r\n1");
    const auto locked = dir.WriteFile("locked.txt", "1\r\n1");
    ASSERT_TRUE(test::MarkFile(locked, test::FileMark::kReadOnly));
    const auto missing = dir.Path() / "missing.txt";
    const auto other = dir.WriteFile(fs::path(u8"한국.txt"), "k\r\nk"); // outside code page 936

    const ProcessResult result =
        Varnel({"dedupe", "-i", Arg(good), Arg(locked), Arg(missing), Arg(other)});
    EXPECT_EQ(result.exitCode, 1) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_TRUE(Contains(result.err, "[1/4] " + Arg(good) + ": rewritten, 1 of 3 blocks removed\n"))
        << result.err;
    EXPECT_TRUE(
        Contains(result.err, "[2/4] " + Arg(locked) + ": not processed: read-only, left unchanged"))
        << result.err;
    EXPECT_TRUE(Contains(result.err, "[3/4] " + Arg(missing) + ": not processed: cannot open: "))
        << result.err;
    EXPECT_TRUE(Contains(result.err, "[4/4] " + Arg(other) + ": rewritten")) << result.err;
    EXPECT_TRUE(Contains(result.err, "4 files: 2 rewritten, 2 not processed\n")) << result.err;
    EXPECT_EQ(ReadFile(good), "2\r\n1");
    EXPECT_EQ(ReadFile(locked), "1\r\n1");
    EXPECT_EQ(ReadFile(other), "k");
    EXPECT_FALSE(fs::exists(missing));
}

TEST(DedupeInPlace, ConvertsAndCountsWhenAllSucceed) {
    TempDir dir;
    const auto a = dir.WriteFile("a.txt", "\xE4\xB8\xAD,x,\xE4\xB8\xAD");
    const auto b = dir.WriteFile("b.txt", "y,y");
    const ProcessResult result =
        Varnel({"dedupe", "-e", "utf-8", "-s", ",", "--stats", "--in-place", Arg(a), Arg(b)});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(ToHex(ReadFile(a)), ToHex("x,\xD6\xD0"));
    EXPECT_EQ(ReadFile(b), "y");
    EXPECT_TRUE(Contains(result.err, "2 files: 2 rewritten\n")) << result.err;
    EXPECT_TRUE(Contains(result.err, "blocks removed             2\n")) << result.err;
}

TEST(DedupeInPlace, LeavesAFileThatATextCannotHoldWholeUntouched) {
    TempDir dir;
    const std::string emoji = "a\r\na\r\n\xF0\x9F\x98\x80";
    const auto utf8 = dir.WriteFile("emoji.txt", emoji);
    const ProcessResult converted = Varnel({"dedupe", "-e", "utf-8", "-i", Arg(utf8)});
    EXPECT_EQ(converted.exitCode, 1);
    EXPECT_TRUE(Contains(converted.err, "U+1F600 at byte 6 has no GBK form; left unchanged"))
        << converted.err;
    EXPECT_EQ(ReadFile(utf8), emoji);

    // To standard output a zero byte is just a byte; a rewrite in place keeps the window's rule.
    const std::string zero("a\0a\0b", 5);
    const auto ansi = dir.WriteFile("zero.txt", zero);
    EXPECT_EQ(Varnel({"dedupe", "-s", "\\x00", Arg(ansi)}).out, std::string("a\0b", 3));
    const ProcessResult inPlace = Varnel({"dedupe", "-s", "\\x00", "-i", Arg(ansi)});
    EXPECT_EQ(inPlace.exitCode, 1);
    EXPECT_TRUE(Contains(inPlace.err, "a zero character at byte 1")) << inPlace.err;
    EXPECT_EQ(ReadFile(ansi), zero);
}

TEST(DedupeFolder, RewritesTheMatchingFilesDirectlyInTheFolder) {
    TempDir dir;
    for (const char* name : {"a.txt", "B.TXT", "c.ini"}) {
        dir.WriteFile(name, "z\r\nz");
    }
    fs::create_directory(dir.Path() / "x.txt");
    fs::create_directory(dir.Path() / "sub");
    dir.WriteFile(fs::path("sub") / "d.txt", "z\r\nz");

    const ProcessResult byDefault = Varnel({"dedupe", "--dir", Arg(dir.Path())});
    EXPECT_EQ(byDefault.exitCode, 0) << byDefault.err;
    EXPECT_TRUE(Contains(byDefault.err, "2 files: 2 rewritten\n")) << byDefault.err;
    EXPECT_EQ(ReadFile(dir.Path() / "a.txt"), "z");
    EXPECT_EQ(ReadFile(dir.Path() / "B.TXT"), "z");
    EXPECT_EQ(ReadFile(dir.Path() / "c.ini"), "z\r\nz");
    EXPECT_EQ(ReadFile(dir.Path() / "sub" / "d.txt"), "z\r\nz");

    const ProcessResult ini = Varnel({"dedupe", "--dir", Arg(dir.Path()), "--pattern", "*.INI"});
    EXPECT_EQ(ini.exitCode, 0) << ini.err;
    EXPECT_TRUE(Contains(ini.err, "[1/1] ")) << ini.err;
    EXPECT_EQ(ReadFile(dir.Path() / "c.ini"), "z");

    const ProcessResult none = Varnel({"dedupe", "--dir", Arg(dir.Path()), "--pattern", ""});
    EXPECT_EQ(none.exitCode, 0) << none.err;
    EXPECT_EQ(none.err, "0 files: 0 rewritten\n");

    const ProcessResult missing = Varnel({"dedupe", "--dir", Arg(dir.Path() / "gone")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(Contains(missing.err, "gone: cannot open: ")) << missing.err;
}

TEST(DedupeFiles, UsageErrorsGiveStatusTwoAndOneLine) {
    const std::vector<std::string> cases[] = {
        {"dedupe", "-e", "latin1"},
        {"dedupe", "-i"},
        {"dedupe", "a.txt", "b.txt"},
        {"dedupe", "--pattern", "*.txt"},
        {"dedupe", "--dir", ".", "a.txt"},
        {"dedupe", "--dir", ".", "-i", "a.txt"},
        {"dedupe", "--dir"},
    };
    for (const auto& args : cases) {
        const ProcessResult result = Varnel(args);
        EXPECT_EQ(result.exitCode, 2) << args.back();
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
}

#if !defined(_WIN32) && !defined(__SANITIZE_ADDRESS__)
// A file that does not fit in the memory left is reported and left as it was, never rewritten
// empty. (The address sanitizer needs more address space than the limit leaves.)
TEST(DedupeInPlace, AFileTooLargeForMemoryIsLeftUntouched) {
    std::string content;
    for (unsigned long long i = 0; i < 1000000; ++i) {
        content += "a line of forty bytes or so, number " + std::to_string(i % 700000) + "\r\n";
    }
    TempDir dir;
    const auto file = dir.WriteFile("large.txt", content);
    const ProcessResult result =
        test::RunProcess({"/bin/sh", "-c", "ulimit -v 60000 && exec \"$0\" dedupe -i \"$1\"",
                          VARNEL_CLI_PATH, Arg(file)});
    EXPECT_EQ(result.exitCode, 1) << result.err;
    EXPECT_TRUE(Contains(result.err, "not processed: too large for memory")) << result.err;
    EXPECT_TRUE(ReadFile(file) == content);
}
#endif

// Killed at any moment of an in-place run, the file holds the old content or the new one, whole.
TEST(DedupeInPlace, SurvivesBeingKilledAtAnyMoment) {
    std::string before;
    for (unsigned long long i = 0; i < 300000; ++i) {
        before += "line " + std::to_string(i * 7919 % 150000) + " \xD6\xD0\xCE\xC4\r\n";
    }
    const std::string after = engine::DeduplicateBlocks(before, "\r\n");

    ASSERT_NE(before.size(), after.size());

    TempDir dir;
    const auto file = dir.WriteFile("big.txt", before);
    const std::vector<std::string> args = {test::ProgramPath(VARNEL_CLI_PATH), "dedupe", "-i",
                                           Arg(file)};
    // One whole run first: its length spreads the kills over the run.
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(test::RunProcess(args).exitCode, 0);
    const auto runTime = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - start);
    ASSERT_TRUE(ReadFile(file) == after);

    std::mt19937 random(2024);
    int interrupted = 0;
    for (int round = 0; round < 16; ++round) {
        dir.WriteFile("big.txt", before);
        auto child = test::StartProcess(args);
        std::this_thread::sleep_for(
            std::chrono::microseconds(random() % static_cast<std::uint64_t>(runTime.count() + 1)));
        test::KillProcess(child);
        const std::string content = ReadFile(file);
        const bool old = content == before;
        EXPECT_TRUE(old || content == after) << "round " << round << ": " << content.size()
                                             << " bytes, neither the old nor the new content";
        interrupted += old ? 1 : 0;
    }
    std::cout << "killed before the new content was in place in " << interrupted
              << " of 16 rounds\n";
}

} // namespace
} // namespace varnel::cli
