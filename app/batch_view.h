// What the two batch commands need of the main window: the current choices, the result box, the
// closing message box, the message pump and whether the window is gone. The Win32 window
// implements it; tests use a fake.
#pragma once

#include <string_view>

#include "base/text.h"

namespace varnel::app {

class BatchView {
public:
    virtual ~BatchView() = default;

    // The selected index of 组合框编码: 0 ANSI, 1 UTF-8, 2 Unicode, -1 none.
    [[nodiscard]] virtual int EncodingIndex() = 0;
    // Whether 单选框换行符 is selected; otherwise the separator is 编辑框分隔符's content.
    [[nodiscard]] virtual bool LineBreakChosen() = 0;
    [[nodiscard]] virtual Text TypedSeparator() = 0;
    // The content of 编辑框文件类型.
    [[nodiscard]] virtual Text FilePattern() = 0;

    // Replaces the content of 编辑框结果.
    virtual void SetResultText(std::string_view gbk) = 0;
    // A message box with a single OK button and no icon, modal for the whole program.
    virtual void ShowMessage(std::string_view gbkText, std::string_view gbkTitle) = 0;

    // Dispatches what waits in the window's queue (ProcessPendingMessages); any command of the
    // window, this one included, may run inside it.
    virtual void ProcessPendingMessages() = 0;
    // True once the window has been closed (inside the pump or a dialog): nothing may be
    // written into it any more.
    [[nodiscard]] virtual bool WindowClosed() = 0;
};

// The separator the window's choice names: "\r\n" when 单选框换行符 is selected, else the content
// of 编辑框分隔符.
[[nodiscard]] inline Text ChosenSeparator(BatchView& view) {
    return view.LineBreakChosen() ? Text("\r\n") : view.TypedSeparator();
}

} // namespace varnel::app
