// The real file-open dialog and folder browser under Wine: opened, answered by a scripted user
// (a CBT hook that acts when a dialog comes up), and what they hand back. The scripted user comes
// before the GUI test main's guard: the dialog it answers never reaches the guard, anything after
// it (an error box) does, and fails the run.
#include "app/win32/file_dialogs.h"

#include <gtest/gtest.h>

#include <dlgs.h>
#include <ole2.h>

#include <set>

#include "app/batch_texts.h"
#include "tests/support/message_box_guard_win.h"
#include "tests/support/temp_dir.h"

namespace varnel::win32 {
namespace {

namespace fs = std::filesystem;

// What the scripted user does with the next dialog: type into its file-name box (if anything is
// given) and press OK, or cancel. Further dialogs are left to the guard, which records them.
struct ScriptedUser {
    bool accept = false;
    std::wstring typed;
    std::vector<std::wstring> titles; // of every dialog that came up, in order
};

ScriptedUser* gUser = nullptr;
HHOOK gHook = nullptr;

LRESULT CALLBACK OnDialogEvent(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && gUser) {
        const HWND dialog = reinterpret_cast<HWND>(wParam);
        wchar_t className[64] = {};
        GetClassNameW(dialog, className, 64);
        wchar_t title[512] = {};
        GetWindowTextW(dialog, title, 512);
        if (std::wstring_view(className) == L"#32770") {
            gUser->titles.emplace_back(title);
            if (gUser->titles.size() == 1) {
                if (gUser->accept && !gUser->typed.empty() &&
                    !SetDlgItemTextW(dialog, cmb13, gUser->typed.c_str())) {
                    SetDlgItemTextW(dialog, edt1, gUser->typed.c_str());
                }
                PostMessageW(dialog, WM_COMMAND, gUser->accept ? IDOK : IDCANCEL, 0);
                return 0;
            }
        }
    }
    return CallNextHookEx(gHook, code, wParam, lParam);
}

class DialogTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr))); // the new-style folder browser needs it
        gUser = &user_;
        gHook = SetWindowsHookExW(WH_CBT, OnDialogEvent, nullptr, GetCurrentThreadId());
        ASSERT_NE(gHook, nullptr);
    }
    void TearDown() override {
        UnhookWindowsHookEx(gHook);
        for (const std::wstring& text : varnel::test::TakeClosedMessageBoxes()) {
            ADD_FAILURE() << "another dialog came up: " << testing::PrintToString(text);
        }
        gUser = nullptr;
        OleUninitialize();
    }

    ScriptedUser user_;
    test::TempDir dir_;
};

app::FileOpenSettings Settings(const fs::path& folder) {
    return {app::FilesDialogTitle(), app::FilesDialogFilter(), folder};
}

TEST_F(DialogTest, ACancelledFileDialogChoosesNothing) {
    CommonFileDialogs dialogs(nullptr);
    const app::FileChoice choice = dialogs.ChooseFilesToOpen(Settings(dir_.Path()));
    EXPECT_EQ(choice.outcome, app::FileChoice::Outcome::kCancelled);
    EXPECT_TRUE(choice.paths.empty());
    ASSERT_EQ(user_.titles.size(), 1u);
    EXPECT_EQ(user_.titles[0], L"请选择多个要去重的文件（请先设置好参数，并自行备份原文件）：");
}

TEST_F(DialogTest, ChosenFilesComeBackAsFullPaths) {
    for (const auto& name :
         {fs::path(L"a.txt"), fs::path(L"b.txt"), fs::path(L"中文.txt"), fs::path(L"한국.txt")}) {
        dir_.WriteFile(name, "x");
    }
    CommonFileDialogs dialogs(nullptr);

    user_.accept = true;
    user_.typed = L"\"a.txt\" \"中文.txt\" \"한국.txt\"";
    const app::FileChoice several = dialogs.ChooseFilesToOpen(Settings(dir_.Path()));
    ASSERT_EQ(several.outcome, app::FileChoice::Outcome::kChosen);
    const std::set<fs::path> chosen(several.paths.begin(), several.paths.end());
    EXPECT_EQ(chosen, (std::set<fs::path>{dir_.Path() / L"a.txt", dir_.Path() / L"中文.txt",
                                          dir_.Path() / L"한국.txt"}));
    EXPECT_EQ(user_.titles.size(), 1u) << "no error box";

    user_ = {true, L"b.txt", {}};
    const app::FileChoice one = dialogs.ChooseFilesToOpen(Settings(dir_.Path()));
    ASSERT_EQ(one.outcome, app::FileChoice::Outcome::kChosen);
    EXPECT_EQ(one.paths, std::vector<fs::path>{dir_.Path() / L"b.txt"});
}

// Wine checks the room only for a single file (a multiple selection it copies unchecked), so the
// selection that does not fit is one long name here.
TEST_F(DialogTest, ASelectionThatDoesNotFitIsNotACancel) {
    dir_.WriteFile("a-file-with-a-name-longer-than-the-room.txt", "x");
    CommonFileDialogs dialogs(nullptr, 16);
    user_.accept = true;
    user_.typed = L"a-file-with-a-name-longer-than-the-room.txt";
    const app::FileChoice choice = dialogs.ChooseFilesToOpen(Settings(dir_.Path()));
    EXPECT_EQ(choice.outcome, app::FileChoice::Outcome::kTooMany);
    EXPECT_TRUE(choice.paths.empty());
}

TEST_F(DialogTest, ACancelledFolderBrowserGivesNoFolder) {
    CommonFileDialogs dialogs(nullptr);
    app::FolderBrowseSettings settings;
    settings.startFolder = dir_.Path();
    settings.title = app::FolderDialogTitle();
    EXPECT_TRUE(dialogs.ChooseFolder(settings).empty());
    ASSERT_EQ(user_.titles.size(), 1u);
}

TEST_F(DialogTest, TheFolderBrowserPreselectsTheStartFolder) {
    fs::create_directory(dir_.Path() / L"文本");
    CommonFileDialogs dialogs(nullptr);
    app::FolderBrowseSettings settings;
    settings.startFolder = dir_.Path() / L"文本";
    user_.accept = true;
    const fs::path chosen = dialogs.ChooseFolder(settings);
    EXPECT_FALSE(chosen.empty());
    EXPECT_TRUE(!chosen.empty() && fs::equivalent(chosen, dir_.Path() / L"文本"))
        << chosen.string();
}

TEST(SelectedPaths, ReadsOneFullPathOrAFolderAndItsNames) {
    using namespace std::string_view_literals;
    EXPECT_EQ(SelectedPaths(L"C:\\d\\a.txt\0\0"sv, 5), std::vector<fs::path>{L"C:\\d\\a.txt"});
    EXPECT_EQ(SelectedPaths(L"C:\\d\0a.txt\0b.txt\0\0"sv, 5),
              (std::vector<fs::path>{L"C:\\d\\a.txt", L"C:\\d\\b.txt"}));
    EXPECT_EQ(SelectedPaths(L"C:\\\0a.txt\0\0"sv, 4), std::vector<fs::path>{L"C:\\a.txt"});
    EXPECT_TRUE(SelectedPaths(L"\0\0"sv, 0).empty());
}

TEST(DialogFilter, PairsAreSeparatedByZeros) {
    using namespace std::string_view_literals;
    EXPECT_EQ(DialogFilter(app::FilesDialogFilter()),
              L"TXT文件\0*.txt\0INI文件\0*.ini\0全部文件\0*.*\0\0"sv);
}

} // namespace
} // namespace varnel::win32
