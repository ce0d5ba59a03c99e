// What the main window's commands and remembered settings need of the window: all that the batch
// commands need (BatchView: the choices, the result box, message boxes, the message pump and
// whether the window is gone), the two text boxes and the controls by property number
// (settings::ControlAccess). ControlView implements the control half over ControlAccess; the
// Win32 window and the tests' fake add the rest.
#pragma once

#include <string_view>

#include "app/batch_view.h"
#include "base/text.h"
#include "settings/control_access.h"

namespace varnel::app {

class MainView : public BatchView {
public:
    // The contents of 编辑框原文 and 编辑框结果.
    [[nodiscard]] virtual Text SourceText() = 0;
    virtual void SetSourceText(std::string_view gbk) = 0;
    [[nodiscard]] virtual Text ResultText() = 0;

    // The window's controls by property number, for the settings store. The main window is
    // kMainWindowId, its controls the ids of main_controls.h.
    [[nodiscard]] virtual settings::ControlAccess& Controls() = 0;
};

} // namespace varnel::app
