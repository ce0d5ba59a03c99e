#include "platform/file_io.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

#include "tests/support/file_marks.h"
#include "tests/support/run_process.h"
#include "tests/support/temp_dir.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace varnel::platform {
namespace {

namespace fs = std::filesystem;
using test::EntriesIn;
using test::ReadFile;
using test::TempDir;

TEST(ReadWholeFile, ReadsEveryByte) {
    TempDir dir;
    const std::string content("a\0b\r\n\xD6\xD0", 7);
    const auto result = ReadWholeFile(dir.WriteFile("f.bin", content));
    ASSERT_TRUE(result.ok()) << result.error->Describe();
    EXPECT_EQ(AsChars(result.content), content);

    const auto empty = ReadWholeFile(dir.WriteFile("empty", ""));
    EXPECT_TRUE(empty.ok());
    EXPECT_TRUE(empty.content.empty());
}

TEST(ReadWholeFile, ReportsWhyAFileCannotBeRead) {
    TempDir dir;
    const auto missing = ReadWholeFile(dir.Path() / "missing.txt");
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error->step, FileStep::kOpen);
    EXPECT_NE(missing.error->systemCode, 0);
    EXPECT_FALSE(missing.error->reason.empty());
    EXPECT_FALSE(fs::exists(dir.Path() / "missing.txt")) << "a read must never create the file";

    const auto folder = ReadWholeFile(dir.Path());
    EXPECT_FALSE(folder.ok());
}

TEST(ReadFileIfPresent, ReadsOnlyAMissingFileAsEmpty) {
    TempDir dir;
    const std::string content("a\0\xD6\xD0", 4);
    const auto present = ReadFileIfPresent(dir.WriteFile("f.bin", content));
    ASSERT_TRUE(present.has_value());
    EXPECT_EQ(AsChars(*present), content);

    const auto missing = ReadFileIfPresent(dir.Path() / "missing.txt");
    ASSERT_TRUE(missing.has_value());
    EXPECT_TRUE(missing->empty());
    EXPECT_FALSE(fs::exists(dir.Path() / "missing.txt")) << "a read must never create the file";

    EXPECT_FALSE(ReadFileIfPresent(dir.Path()).has_value()) << "a folder is there but unreadable";
}

TEST(ReplaceFileContent, CreatesAndReplacesWithNothingLeftBehind) {
    TempDir dir;
    const auto path = dir.Path() / "data.txt";
    ASSERT_FALSE(ReplaceFileContent(path, AsBytes("first")));
    EXPECT_EQ(ReadFile(path), "first");
    ASSERT_FALSE(ReplaceFileContent(path, AsBytes("second, longer")));
    EXPECT_EQ(ReadFile(path), "second, longer");
    ASSERT_FALSE(ReplaceFileContent(path, AsBytes("")));
    EXPECT_EQ(ReadFile(path), "");
    EXPECT_EQ(EntriesIn(dir.Path()), 1u) << "no temporary file may remain";
}

TEST(ReplaceFileContent, RefusesWriteProtectedFiles) {
    TempDir dir;
    const auto path = dir.WriteFile("locked.txt", "old");
    ASSERT_TRUE(test::MarkFile(path, test::FileMark::kReadOnly));
    const auto error = ReplaceFileContent(path, AsBytes("new"));
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->step, FileStep::kReadOnly);
    EXPECT_EQ(ReadFile(path), "old");
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);
}

TEST(ReplaceFileContent, RefusesHiddenAndSystemFilesOnlyWhenAsked) {
    for (const auto mark : {test::FileMark::kHidden, test::FileMark::kSystem}) {
        TempDir dir;
        const auto path = dir.WriteFile("marked.txt", "old");
        if (!test::MarkFile(path, mark)) {
            GTEST_SKIP() << "hidden and system files exist on Windows only";
        }
        const auto refused =
            ReplaceFileContent(path, AsBytes("new"), {.refuseHiddenOrSystem = true});
        ASSERT_TRUE(refused.has_value());
        EXPECT_EQ(refused->step, FileStep::kHiddenOrSystem);
        EXPECT_EQ(ReadFile(path), "old");
        EXPECT_EQ(EntriesIn(dir.Path()), 1u);
        EXPECT_FALSE(ReplaceFileContent(path, AsBytes("new"))) << "allowed by default";
        EXPECT_EQ(ReadFile(path), "new");
    }
}

TEST(CheckReplaceable, RefusesWhatReplaceFileContentWouldRefuse) {
    TempDir dir;
    EXPECT_FALSE(CheckReplaceable(dir.Path() / "missing.txt")) << "a new file may be made";
    EXPECT_FALSE(CheckReplaceable(dir.WriteFile("plain.txt", "x")));
    const auto locked = dir.WriteFile("locked.txt", "x");
    ASSERT_TRUE(test::MarkFile(locked, test::FileMark::kReadOnly));
    ASSERT_TRUE(CheckReplaceable(locked).has_value());
    EXPECT_EQ(CheckReplaceable(locked)->step, FileStep::kReadOnly);
    const auto folder = CheckReplaceable(dir.Path());
    ASSERT_TRUE(folder.has_value()) << "a folder is no file to replace";
    EXPECT_EQ(folder->step, FileStep::kOpen);
}

#ifndef _WIN32
TEST(ReplaceFileContent, WritesThroughASymbolicLink) {
    TempDir dir;
    const auto target = dir.WriteFile("target.txt", "old");
    fs::create_symlink("target.txt", dir.Path() / "link.txt");
    ASSERT_FALSE(ReplaceFileContent(dir.Path() / "link.txt", AsBytes("new")));
    EXPECT_TRUE(fs::is_symlink(dir.Path() / "link.txt")) << "the link stays a link";
    EXPECT_EQ(ReadFile(target), "new");
    EXPECT_EQ(EntriesIn(dir.Path()), 2u);
}
#endif

TEST(ReplaceFileContent, FailsCleanlyWhenTheFolderIsMissing) {
    TempDir dir;
    const auto error = ReplaceFileContent(dir.Path() / "no" / "such.txt", AsBytes("x"));
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->step, FileStep::kCreateTemporary);
    EXPECT_EQ(EntriesIn(dir.Path()), 0u);
}

#ifdef _WIN32
TEST(ReplaceFileContent, KeepsTheOriginalsAttributes) {
    TempDir dir;
    const auto path = dir.WriteFile("hidden.txt", "old");
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    ASSERT_FALSE(ReplaceFileContent(path, AsBytes("new")));
    EXPECT_EQ(ReadFile(path), "new");
    EXPECT_TRUE(GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_HIDDEN);
}
#else
TEST(ReplaceFileContent, KeepsTheOriginalsMode) {
    TempDir dir;
    const auto path = dir.WriteFile("script.sh", "old");
    ASSERT_EQ(chmod(path.c_str(), 0751), 0);
    ASSERT_FALSE(ReplaceFileContent(path, AsBytes("new")));
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0751u);
    EXPECT_EQ(ReadFile(path), "new");
}
#endif

// Killing a writer at any moment must leave the old or the new content, never a mix or nothing.
TEST(ReplaceFileContent, SurvivesBeingKilledAtAnyMoment) {
    TempDir dir;
    const auto path = dir.Path() / "target.txt";
    constexpr std::size_t kSize = 256 * 1024;
    const Bytes initial(kSize, 'A');
    ASSERT_FALSE(ReplaceFileContent(path, initial));
    std::mt19937 random(12345);
    for (int round = 0; round < 20; ++round) {
        auto child = test::StartProcess(
            {test::ProgramPath(VARNEL_REPLACE_LOOP_PATH), path.string(), std::to_string(kSize)});
        std::this_thread::sleep_for(std::chrono::milliseconds(5 + random() % 60));
        test::KillProcess(child);
        const std::string content = ReadFile(path);
        ASSERT_EQ(content.size(), kSize) << "round " << round;
        EXPECT_TRUE(content == std::string(kSize, 'A') || content == std::string(kSize, 'B'))
            << "round " << round << ": mixed content";
    }
}

} // namespace
} // namespace varnel::platform
