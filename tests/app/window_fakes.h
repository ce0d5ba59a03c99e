// The main window without a window system, for the tests of its commands and settings: the real
// ControlView over MemoryControls filled as the window starts, a pump that runs a test's action,
// a clipboard and a browser that only record.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "app/browser_opener.h"
#include "app/clipboard.h"
#include "app/control_view.h"
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

} // namespace varnel::app::test
