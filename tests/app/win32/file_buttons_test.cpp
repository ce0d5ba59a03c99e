// The two file buttons of the real window, bound to the batch commands as Varnel.exe binds them,
// with the dialogs' answers scripted: what a batch writes into the window, that it takes the
// window's choices, and that closing the window during a batch stops it cleanly.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "app/file_commands.h"
#include "app/main_controls.h"
#include "tests/app/win32/window_driver.h"
#include "tests/app/window_fakes.h"
#include "tests/support/temp_dir.h"

namespace varnel::win32::test {
namespace {

namespace control = app::control;
namespace fs = std::filesystem;
using varnel::test::ReadFile;

class FileButtonsTest : public WindowTest {
protected:
    MainWindow& OpenBound() {
        MainWindow& window = Open();
        commands_ = std::make_unique<app::FileCommands>(window, dialogs_);
        window.Commands().BindFileButtons([this] { commands_->ProcessChosenFiles(); },
                                          [this] { commands_->ProcessFolder(); });
        return window;
    }

    app::test::FakeDialogs dialogs_;
    std::unique_ptr<app::FileCommands> commands_;
};

TEST_F(FileButtonsTest, ChosenFilesAreProcessedWithTheWindowsChoices) {
    const auto utf8 = dir_.WriteFile("utf8.txt", "\xE4\xB8\xAD;x;\xE4\xB8\xAD"); // 中;x;中
    const auto other = dir_.WriteFile("other.txt", "y;y");
    OpenBound();
    SendMessageW(Control(control::kEncodingList), CB_SETCURSEL, 1, 0); // UTF-8
    SendMessageW(Control(control::kTypedRadio), BM_CLICK, 0, 0);
    SetText(control::kSeparatorEdit, L";");
    dialogs_.fileAnswers.push_back(app::test::Chosen({utf8, other}));
    Click(control::kFilesButton);

    EXPECT_EQ(TextOf(control::kResultEdit), L"总 2 个文件去重完毕！");
    EXPECT_EQ(messages_, std::vector<std::wstring>{L"完毕！"});
    EXPECT_EQ(ReadFile(utf8), "x;\xD6\xD0");
    EXPECT_EQ(ReadFile(other), "y");
}

TEST_F(FileButtonsTest, ACancelledDialogLeavesTheWindowAlone) {
    OpenBound();
    SetText(control::kResultEdit, L"before");
    Click(control::kFilesButton);
    Click(control::kFolderButton);
    EXPECT_EQ(TextOf(control::kResultEdit), L"before");
    EXPECT_TRUE(messages_.empty());
}

TEST_F(FileButtonsTest, AFolderIsProcessedByThePatternInTheWindow) {
    const auto text = dir_.WriteFile("a.txt", "a\r\na");
    const auto ini = dir_.WriteFile("b.ini", "b\r\nb");
    OpenBound();
    SetText(control::kPatternEdit, L"*.INI");
    dialogs_.folderAnswers.push_back(dir_.Path());
    Click(control::kFolderButton);

    EXPECT_EQ(TextOf(control::kResultEdit), L"总 1 个文件去重完毕！");
    EXPECT_EQ(messages_, std::vector<std::wstring>{L"完毕！"});
    EXPECT_EQ(ReadFile(ini), "b");
    EXPECT_EQ(ReadFile(text), "a\r\na");
    EXPECT_EQ(commands_->RememberedFolder(), dir_.Path());
}

TEST_F(FileButtonsTest, AFileThatCannotBeProcessedIsNamedInTheResultBox) {
    const auto good = dir_.WriteFile("good.txt", "g\r\ng");
    OpenBound();
    dialogs_.fileAnswers.push_back(app::test::Chosen({good, dir_.Path() / "gone.txt"}));
    Click(control::kFilesButton);

    const std::wstring result = TextOf(control::kResultEdit);
    EXPECT_EQ(result.rfind(L"总 2 个文件去重完毕！\r\ngone：无法打开", 0), 0u);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0], L"完毕！\r\n有 1 个文件未能处理，原因见结果框。");
}

// The close request arrives while the batch runs (handled inside its pump): the settings are
// saved, the window goes, the file in hand is finished and nothing else happens.
TEST_F(FileButtonsTest, ClosingTheWindowDuringABatchStopsItAfterTheFileInHand) {
    const auto first = dir_.WriteFile("first.txt", "1\r\n1");
    const auto second = dir_.WriteFile("second.txt", "2\r\n2");
    MainWindow& window = OpenBound();
    dialogs_.fileAnswers.push_back(app::test::Chosen({first, second}));
    dialogs_.whileOpen = [&window] { PostMessageW(window.Handle(), WM_CLOSE, 0, 0); };
    Click(control::kFilesButton);

    EXPECT_TRUE(window.WindowClosed());
    EXPECT_FALSE(IsWindow(window.Handle()));
    EXPECT_TRUE(messages_.empty()) << "no message box after the window is gone";
    EXPECT_EQ(ReadFile(first), "1");
    EXPECT_EQ(ReadFile(second), "2\r\n2");
    EXPECT_TRUE(fs::exists(IniPath())) << "the close saved the settings";
}

} // namespace
} // namespace varnel::win32::test
