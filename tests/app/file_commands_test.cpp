// The two batch commands through a fake window and fake dialogs, on real files.
#include "app/file_commands.h"

#include <gtest/gtest.h>

#include <set>

#include "app/batch_texts.h"
#include "engine/deduplicate.h"
#include "platform/native_path.h"
#include "tests/app/window_fakes.h"
#include "tests/support/file_marks.h"
#include "tests/support/hex.h"
#include "tests/support/temp_dir.h"

namespace varnel::app {
namespace {

namespace fs = std::filesystem;
using test::Chosen;
using test::FakeDialogs;
using test::FakeMainWindow;
using varnel::test::ReadFile;
using varnel::test::TempDir;

struct Fixture {
    TempDir dir;
    FakeMainWindow view;
    FakeDialogs dialogs;
    FileCommands commands{view, dialogs};
};

// ---- 选择文件处理 ----

TEST(ProcessChosenFiles, ACancelledDialogChangesNothing) {
    Fixture f;
    f.commands.ProcessChosenFiles();
    ASSERT_EQ(f.dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(f.dialogs.fileRequests[0].title, FilesDialogTitle());
    EXPECT_EQ(f.dialogs.fileRequests[0].filter, FilesDialogFilter());
    EXPECT_TRUE(f.dialogs.fileRequests[0].initialFolder.empty());
    EXPECT_TRUE(f.view.resultWrites.empty());
    EXPECT_TRUE(f.view.messages.empty());
}

TEST(ProcessChosenFiles, ShowsProgressForEachFileThenTheSummaryAndTheMessage) {
    Fixture f;
    fs::create_directory(f.dir.Path() / u8"文本");
    std::vector<fs::path> paths;
    for (const char* name : {"a.txt", "b.txt", "c.d.ini"}) {
        paths.push_back(f.dir.WriteFile(fs::path(u8"文本") / name, "1\r\n2\r\n1"));
    }
    f.dialogs.fileAnswers.push_back(Chosen(paths));
    f.commands.ProcessChosenFiles();

    const std::vector<Text> expected = {ChosenFileProgress(3, 1, "a"),
                                        ChosenFileProgress(3, 2, "b"),
                                        ChosenFileProgress(3, 3, "c"), BatchSummary(3)};
    EXPECT_EQ(f.view.resultWrites, expected);
    ASSERT_EQ(f.view.messages.size(), 1u);
    EXPECT_EQ(f.view.messages[0].first, GbkFromUtf8(u8"完毕！"));
    EXPECT_EQ(f.view.messages[0].second, GbkFromUtf8(u8"信息："));
    EXPECT_GE(f.view.pumps, 3);
    for (const auto& path : paths) {
        EXPECT_EQ(ReadFile(path), "2\r\n1");
    }
}

TEST(ProcessChosenFiles, TakesTheChoicesOfTheWindowAsEachFileComesUp) {
    Fixture f;
    const auto first = f.dir.WriteFile("first.txt", "a\r\na");
    const auto second = f.dir.WriteFile("second.txt", "\xE4\xB8\xAD,\xE4\xB8\xAD"); // 中,中 UTF-8
    f.dialogs.fileAnswers.push_back(Chosen({first, second}));
    f.view.atNextPump = [&] { // the user changes the choices while the first file is done
        f.view.SetEncodingIndex(1);
        f.view.SetLineBreakChosen(false);
        f.view.SetTypedSeparator(",");
    };
    f.commands.ProcessChosenFiles();
    EXPECT_EQ(ReadFile(first), "a");
    EXPECT_EQ(varnel::test::ToHex(ReadFile(second)), "D6 D0");
}

TEST(ProcessChosenFiles, NamesEachFileThatWasNotProcessed) {
    Fixture f;
    const auto good = f.dir.WriteFile("good.txt", "x\r\nx");
    const auto locked = f.dir.WriteFile("locked.txt", "y\r\ny");
    ASSERT_TRUE(varnel::test::MarkFile(locked, varnel::test::FileMark::kReadOnly));
    const auto gone = f.dir.WriteFile("gone.txt", "z");
    fs::remove(gone);
    const auto zero = f.dir.WriteFile("zero.txt", std::string("a\0b", 3));
    f.dialogs.fileAnswers.push_back(Chosen({good, locked, gone, zero}));
    f.commands.ProcessChosenFiles();

    ASSERT_EQ(f.view.resultWrites.size(), 5u);
    const Text& summary = f.view.resultWrites.back();
    const Text expectedStart =
        BatchSummary(4) + "\r\nlocked" + GbkFromUtf8(u8"：") + GbkFromUtf8(u8"只读文件，未改动");
    EXPECT_EQ(summary.rfind(expectedStart, 0), 0u) << summary;
    EXPECT_NE(summary.find("\r\ngone" + GbkFromUtf8(u8"：无法打开")), std::string::npos) << summary;
    EXPECT_NE(summary.find("\r\nzero" + GbkFromUtf8(u8"：第 1 字节处有零字符")), std::string::npos)
        << summary;
    EXPECT_EQ(summary.find("good"), std::string::npos) << "only the files not processed";
    ASSERT_EQ(f.view.messages.size(), 1u);
    EXPECT_EQ(f.view.messages[0].first,
              GbkFromUtf8(u8"完毕！\r\n有 3 个文件未能处理，原因见结果框。"));
    EXPECT_EQ(ReadFile(good), "x");
    EXPECT_EQ(ReadFile(locked), "y\r\ny");
    EXPECT_FALSE(fs::exists(gone));
}

TEST(ProcessChosenFiles, ASelectionTooLargeForTheDialogIsReportedNotTakenForACancel) {
    Fixture f;
    f.dialogs.fileAnswers.push_back({FileChoice::Outcome::kTooMany, {}});
    f.commands.ProcessChosenFiles();
    EXPECT_TRUE(f.view.resultWrites.empty());
    ASSERT_EQ(f.view.messages.size(), 1u);
    EXPECT_EQ(f.view.messages[0].first, TooManyFilesMessage());
}

TEST(ProcessChosenFiles, AWindowClosedWhileTheDialogIsOpenIsLeftAlone) {
    Fixture f;
    const auto file = f.dir.WriteFile("a.txt", "a\r\na");
    f.dialogs.fileAnswers.push_back(Chosen({file}));
    f.dialogs.whileOpen = [&] { f.view.closed = true; };
    f.commands.ProcessChosenFiles();
    EXPECT_TRUE(f.view.resultWrites.empty());
    EXPECT_TRUE(f.view.messages.empty());
    EXPECT_EQ(ReadFile(file), "a\r\na");
}

// Closed at the first pump, inside the engine's run of a long first file or right after it:
// the file in hand is finished either way, and nothing after it happens.
TEST(ProcessChosenFiles, AWindowClosedDuringTheRunFinishesTheFileInHandOnly) {
    Fixture f;
    std::string longText;
    for (int i = 0; i < 400000; ++i) {
        longText += "line " + std::to_string(i % 1000) + "\r\n";
    }
    const auto first = f.dir.WriteFile("first.txt", longText);
    const auto second = f.dir.WriteFile("second.txt", "b\r\nb");
    f.dialogs.fileAnswers.push_back(Chosen({first, second}));
    f.view.atNextPump = [&] { f.view.closed = true; };
    f.commands.ProcessChosenFiles();
    EXPECT_EQ(f.view.resultWrites, std::vector<Text>{ChosenFileProgress(2, 1, "first")});
    EXPECT_TRUE(f.view.messages.empty());
    EXPECT_TRUE(ReadFile(first) == engine::DeduplicateBlocks(longText, "\r\n")) << "finished";
    EXPECT_EQ(ReadFile(second), "b\r\nb");
}

TEST(ProcessChosenFiles, ASecondClickDuringARunRunsToItsEndFirst) {
    Fixture f;
    const auto a = f.dir.WriteFile("a.txt", "a\r\na");
    const auto b = f.dir.WriteFile("b.txt", "b\r\nb");
    const auto inner = f.dir.WriteFile("inner.txt", "i\r\ni");
    f.dialogs.fileAnswers.push_back(Chosen({a, b}));
    f.dialogs.fileAnswers.push_back(Chosen({inner}));
    f.view.atNextPump = [&] { f.commands.ProcessChosenFiles(); };
    f.commands.ProcessChosenFiles();

    const std::vector<Text> expected = {ChosenFileProgress(2, 1, "a"),
                                        ChosenFileProgress(1, 1, "inner"), BatchSummary(1),
                                        ChosenFileProgress(2, 2, "b"), BatchSummary(2)};
    EXPECT_EQ(f.view.resultWrites, expected);
    EXPECT_EQ(f.view.messages.size(), 2u);
    EXPECT_EQ(ReadFile(a), "a");
    EXPECT_EQ(ReadFile(b), "b");
    EXPECT_EQ(ReadFile(inner), "i");
}

TEST(ProcessChosenFiles, NamesOutsideCodePage936AreProcessedAndShownWithQuestionMarks) {
    Fixture f;
    const auto file = f.dir.WriteFile(fs::path(u8"한국.txt"), "k\r\nk");
    f.dialogs.fileAnswers.push_back(Chosen({file}));
    f.commands.ProcessChosenFiles();
    ASSERT_FALSE(f.view.resultWrites.empty());
    EXPECT_EQ(f.view.resultWrites[0], ChosenFileProgress(1, 1, "??"));
    EXPECT_EQ(ReadFile(file), "k");
}

// ---- 选择文件夹处理 ----

TEST(ProcessFolder, ACancelledBrowserChangesNothingAndTheChosenFolderIsRemembered) {
    Fixture f;
    f.commands.ProcessFolder();
    ASSERT_EQ(f.dialogs.folderRequests.size(), 1u);
    EXPECT_TRUE(f.dialogs.folderRequests[0].startFolder.empty()) << "nothing preselected at start";
    EXPECT_EQ(f.dialogs.folderRequests[0].title, FolderDialogTitle());
    EXPECT_FALSE(f.dialogs.folderRequests[0].showFiles);
    EXPECT_TRUE(f.dialogs.folderRequests[0].editBox);
    EXPECT_TRUE(f.dialogs.folderRequests[0].newStyle);
    EXPECT_TRUE(f.view.resultWrites.empty());
    EXPECT_TRUE(f.view.messages.empty());

    f.dialogs.folderAnswers.push_back(f.dir.Path());
    f.commands.ProcessFolder();
    f.commands.ProcessFolder(); // cancelled
    f.commands.ProcessFolder(); // cancelled
    ASSERT_EQ(f.dialogs.folderRequests.size(), 4u);
    EXPECT_EQ(f.dialogs.folderRequests[2].startFolder, f.dir.Path());
    EXPECT_EQ(f.dialogs.folderRequests[3].startFolder, f.dir.Path()) << "a cancel forgets nothing";
    EXPECT_EQ(f.commands.RememberedFolder(), f.dir.Path());
}

TEST(ProcessFolder, ProcessesTheMatchingFilesOfTheFolderOnly) {
    Fixture f;
    const auto& dir = f.dir.Path();
    for (const char* name : {"a.txt", "B.TXT", "note.txt", "d.ini", "a.txt.bak"}) {
        f.dir.WriteFile(name, "x\r\nx");
    }
    const auto locked = f.dir.WriteFile("locked.txt", "y\r\ny");
    ASSERT_TRUE(varnel::test::MarkFile(locked, varnel::test::FileMark::kReadOnly));
    fs::create_directory(dir / "x.txt");
    fs::create_directory(dir / "sub");
    f.dir.WriteFile(fs::path("sub") / "c.txt", "x\r\nx");
    f.dialogs.folderAnswers.push_back(dir);
    f.commands.ProcessFolder();

    ASSERT_EQ(f.view.resultWrites.size(), 5u);
    std::set<Text> titles; // in the order the file system lists them, which is not ours to fix
    for (std::size_t i = 0; i < 4; ++i) {
        const Text prefix = FolderFileProgress(i + 1, "");
        const Text& shown = f.view.resultWrites[i];
        ASSERT_EQ(shown.rfind(prefix, 0), 0u) << "counted in order";
        titles.insert(shown.substr(prefix.size()));
    }
    EXPECT_EQ(titles, (std::set<Text>{"a", "B", "note", "locked"}));
    const Text summary = BatchSummary(4) + "\r\nlocked" + GbkFromUtf8(u8"：只读文件，未改动");
    EXPECT_EQ(f.view.resultWrites.back().rfind(summary, 0), 0u) << f.view.resultWrites.back();
    ASSERT_EQ(f.view.messages.size(), 1u);
    EXPECT_EQ(f.view.messages[0].first, DoneMessage(1));
    for (const char* name : {"a.txt", "B.TXT", "note.txt"}) {
        EXPECT_EQ(ReadFile(dir / name), "x") << name;
    }
    for (const char* name : {"d.ini", "a.txt.bak", "sub/c.txt"}) {
        EXPECT_EQ(ReadFile(dir / name), "x\r\nx") << name;
    }
    EXPECT_TRUE(fs::is_directory(dir / "x.txt"));
}

TEST(ProcessFolder, PatternsThatMatchNothingStillGiveTheSummary) {
    for (const char* pattern : {"", "*.txt;*.ini", "*.none"}) {
        Fixture f;
        f.dir.WriteFile("a.txt", "x\r\nx");
        f.dir.WriteFile("b.ini", "x\r\nx");
        f.view.SetFilePattern(pattern);
        f.dialogs.folderAnswers.push_back(f.dir.Path());
        f.commands.ProcessFolder();
        EXPECT_EQ(f.view.resultWrites, std::vector<Text>{BatchSummary(0)}) << pattern;
        ASSERT_EQ(f.view.messages.size(), 1u) << pattern;
        EXPECT_EQ(f.view.messages[0].first, GbkFromUtf8(u8"完毕！"));
        EXPECT_EQ(ReadFile(f.dir.Path() / "a.txt"), "x\r\nx");
    }
}

TEST(ProcessFolder, APatternWithAFolderPartProcessesTheFilesWhereItLooked) {
    Fixture f;
    f.dir.WriteFile("a.txt", "top\r\ntop");
    fs::create_directory(f.dir.Path() / "sub");
    f.dir.WriteFile(fs::path("sub") / "a.txt", "sub\r\nsub");
#ifdef _WIN32
    f.view.SetFilePattern("sub\\*.txt");
#else
    f.view.SetFilePattern("sub/*.txt");
#endif
    f.dialogs.folderAnswers.push_back(f.dir.Path());
    f.commands.ProcessFolder();
    EXPECT_EQ(f.view.resultWrites,
              (std::vector<Text>{FolderFileProgress(1, "a"), BatchSummary(1)}));
    EXPECT_EQ(ReadFile(f.dir.Path() / "sub" / "a.txt"), "sub");
    EXPECT_EQ(ReadFile(f.dir.Path() / "a.txt"), "top\r\ntop");
}

TEST(ProcessFolder, AFolderThatCannotBeListedIsReported) {
    Fixture f;
    const auto missing = f.dir.Path() / "gone";
    f.dialogs.folderAnswers.push_back(missing);
    f.commands.ProcessFolder();
    ASSERT_EQ(f.view.resultWrites.size(), 1u);
    const Text expectedStart = BatchSummary(0) + GbkFromUtf8(u8"\r\n无法读取文件夹 ");
    EXPECT_EQ(f.view.resultWrites[0].rfind(expectedStart, 0), 0u) << f.view.resultWrites[0];
    ASSERT_EQ(f.view.messages.size(), 1u);
    EXPECT_EQ(f.view.messages[0].first, DoneMessage(0, true));
}

TEST(ProcessFolder, AWindowClosedWhileTheBrowserIsOpenIsLeftAlone) {
    Fixture f;
    f.dir.WriteFile("a.txt", "x\r\nx");
    f.dialogs.folderAnswers.push_back(f.dir.Path());
    f.dialogs.whileOpen = [&] { f.view.closed = true; };
    f.commands.ProcessFolder();
    EXPECT_TRUE(f.view.resultWrites.empty());
    EXPECT_TRUE(f.view.messages.empty());
    EXPECT_EQ(ReadFile(f.dir.Path() / "a.txt"), "x\r\nx");
}

TEST(ProcessFolder, AWindowClosedBetweenFilesStopsTheRun) {
    Fixture f;
    f.dir.WriteFile("a.txt", "x\r\nx");
    f.dir.WriteFile("b.txt", "x\r\nx");
    f.dialogs.folderAnswers.push_back(f.dir.Path());
    f.view.atNextPump = [&] { f.view.closed = true; };
    f.commands.ProcessFolder();
    ASSERT_EQ(f.view.resultWrites.size(), 1u);
    EXPECT_TRUE(f.view.messages.empty());
    const std::string a = ReadFile(f.dir.Path() / "a.txt");
    const std::string b = ReadFile(f.dir.Path() / "b.txt");
    EXPECT_TRUE((a == "x") != (b == "x")) << "exactly one file processed: " << a << " / " << b;
}

} // namespace
} // namespace varnel::app
