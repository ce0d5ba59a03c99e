// settings::ControlAccess over real windows: (window id, control id) names a registered top-level
// window and one of its child controls (control id = the child's id; kWindowItself the window).
// Properties by number as the settings store expects them:
//   0-3   left, top, outer width and height (screen coordinates for the window itself, else in
//         the parent's client area; physical pixels)
//   4     a free text tag, kept here
//   8     the text of an edit box
//   9     the text of a combo box (a drop-down list selects the entry with exactly that text)
//   11    the caption of a button, radio button or check box
//   18    checked state of a radio button or check box; position state of the window itself
//   19    the selected index of a combo box (-1: none)
// A combo box's height is that of its selection field, which its font decides: Move keeps it.
// Texts are GBK, converted with our own code-page 936 table. Unknown windows, unknown controls
// and properties a control does not have read as 0, false or "" and ignore writes.
#pragma once

#include <windows.h>

#include <map>
#include <utility>

#include "settings/control_access.h"

namespace varnel::win32 {

class WindowControls final : public settings::ControlAccess {
public:
    void RegisterWindow(settings::WindowId id, HWND window);
    void ForgetWindow(settings::WindowId id);

    // The window itself (kWindowItself) or its child with the id; nullptr when there is none.
    [[nodiscard]] HWND Handle(settings::WindowId window, settings::ControlId control) const;

    [[nodiscard]] std::int32_t ReadInteger(settings::WindowId window, settings::ControlId control,
                                           int number) override;
    [[nodiscard]] bool ReadBool(settings::WindowId window, settings::ControlId control,
                                int number) override;
    [[nodiscard]] Text ReadText(settings::WindowId window, settings::ControlId control,
                                int number) override;
    void WriteInteger(settings::WindowId window, settings::ControlId control, int number,
                      std::int32_t value) override;
    void WriteBool(settings::WindowId window, settings::ControlId control, int number,
                   bool value) override;
    void WriteText(settings::WindowId window, settings::ControlId control, int number,
                   std::string_view value) override;
    void Move(settings::WindowId window, settings::ControlId control, std::int32_t left,
              std::int32_t top, std::int32_t width, std::int32_t height) override;

private:
    std::map<settings::WindowId, HWND> windows_;
    std::map<std::pair<settings::WindowId, settings::ControlId>, Text> tags_;
};

} // namespace varnel::win32
