// What the main window's commands and remembered settings need of the window: its controls by
// property number (settings::ControlAccess), the text boxes, the message pump, message boxes
// and whether the window is gone. ControlView implements the control half over ControlAccess;
// the Win32 window and the tests' fake add the rest.
#pragma once

#include <string_view>

#include "base/text.h"
#include "settings/control_access.h"

namespace varnel::app {

class MainView {
public:
    virtual ~MainView() = default;

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
    // window, this one included, may run inside it. A quit request is left in the queue.
    virtual void ProcessPendingMessages() = 0;
    // True once the window has been closed (inside the pump or a dialog): nothing may be
    // written into it any more.
    [[nodiscard]] virtual bool WindowClosed() = 0;

    // The contents of 编辑框原文 and 编辑框结果.
    [[nodiscard]] virtual Text SourceText() = 0;
    virtual void SetSourceText(std::string_view gbk) = 0;
    [[nodiscard]] virtual Text ResultText() = 0;

    // The window's controls by property number, for the settings store. The main window is
    // kMainWindowId, its controls the ids of main_controls.h.
    [[nodiscard]] virtual settings::ControlAccess& Controls() = 0;
};

} // namespace varnel::app
