// The main window without a window system, for the tests of its commands and settings: the real
// ControlView over MemoryControls filled as the window starts, a pump that runs a test's action,
// a clipboard and a browser that only record, and file dialogs that give scripted answers.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "app/browser_opener.h"
#include "app/clipboard.h"
#include "app/control_view.h"
#include "app/file_dialogs.h"
#include "settings/memory_controls.h"

namespace varnel::app::test {

// Each control's initial text, caption, checked state and selected index from the table.
void FillFromTable(settings::MemoryControls& controls);

class FakeMainWindow final : public ControlView {
public:
    FakeMainWindow();

    // Every text put into 编辑框结果, in order.
    std::vector<Text> resultWrites;
    std::vector<std::pair<Text, Text>> messages;
    bool closed = false;
    int pumps = 0;
    // Runs at the next pump only: a nested click, a changed choice, the window closed.
    std::function<void()> atNextPump;

    void SetResultText(std::string_view gbk) override;
    void ShowMessage(std::string_view gbkText, std::string_view gbkTitle) override;
    void ProcessPendingMessages() override;
    [[nodiscard]] bool WindowClosed() override { return closed; }

    // Shorthands for the controls.
    void SetLineBreakChosen(bool chosen);
    void SetTypedSeparator(std::string_view gbk);
    void SetEncodingIndex(int index);
    void SetFilePattern(std::string_view gbk);
    [[nodiscard]] Text BoxText(settings::ControlId control);

    settings::MemoryControls memory;
};

class FakeClipboard final : public Clipboard {
public:
    bool available = true;
    // nullopt: no text on the clipboard (empty, or a picture only).
    std::optional<varnel::Text> content;

    [[nodiscard]] varnel::Text ReadText() override;
    bool WriteText(std::string_view gbk) override;
};

class RecordingBrowser final : public BrowserOpener {
public:
    std::vector<varnel::Text> opened;
    bool OpenPageInBrowser(std::string_view address, bool hidden) override {
        EXPECT_FALSE(hidden);
        opened.emplace_back(address);
        return true;
    }
};

// Each dialog records what it was asked and gives the next queued answer, once; with none left
// it was cancelled.
class FakeDialogs final : public FileDialogs {
public:
    std::deque<FileChoice> fileAnswers;
    std::deque<std::filesystem::path> folderAnswers;
    std::vector<FileOpenSettings> fileRequests;
    std::vector<FolderBrowseSettings> folderRequests;
    std::function<void()> whileOpen; // what the user does elsewhere while a dialog is open

    FileChoice ChooseFilesToOpen(const FileOpenSettings& settings) override {
        fileRequests.push_back(settings);
        if (whileOpen) {
            whileOpen();
        }
        FileChoice answer;
        if (!fileAnswers.empty()) {
            answer = fileAnswers.front();
            fileAnswers.pop_front();
        }
        return answer;
    }
    std::filesystem::path ChooseFolder(const FolderBrowseSettings& settings) override {
        folderRequests.push_back(settings);
        if (whileOpen) {
            whileOpen();
        }
        std::filesystem::path answer;
        if (!folderAnswers.empty()) {
            answer = folderAnswers.front();
            folderAnswers.pop_front();
        }
        return answer;
    }
};

// The file-open dialog's answer when `paths` were chosen.
inline FileChoice Chosen(std::vector<std::filesystem::path> paths) {
    return {FileChoice::Outcome::kChosen, std::move(paths)};
}

} // namespace varnel::app::test
