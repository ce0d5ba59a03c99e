// What the settings store needs of the window system to save and restore controls and windows:
// read and write a property, by number, of a control addressed by (window id, control id), and
// move a window. The store never sees a window handle; the Win32 program implements this
// interface over its own windows, tests use MemoryControls (memory_controls.h).
#pragma once

#include <cstdint>

#include "base/text.h"

namespace varnel::settings {

using WindowId = std::int32_t;
using ControlId = std::int32_t;

// The control id that addresses a window itself rather than one of its controls.
inline constexpr ControlId kWindowItself = 0;

// Property numbers and what they mean for the controls concerned.
namespace property {
// Window or control: edges and outer size (frame included), integers. Left and top are screen
// coordinates for a top-level window, else relative to the parent's client area.
inline constexpr int kLeft = 0;
inline constexpr int kTop = 1;
inline constexpr int kWidth = 2;
inline constexpr int kHeight = 3;
// Any control: its tag, a free text.
inline constexpr int kTag = 4;
// Menu item: caption (text) and checked state (boolean).
inline constexpr int kMenuCaption = 0;
inline constexpr int kMenuChecked = 1;
// Edit box: its text. Combo box: the text of its edit field.
inline constexpr int kEditText = 8;
inline constexpr int kComboText = 9;
// Combo box: the selected index (integer).
inline constexpr int kComboIndex = 19;
// Radio button or check box: caption (text) and checked state (boolean).
inline constexpr int kCaption = 11;
inline constexpr int kChecked = 18;
// Window: position state (integer). Reading gives 2 when the window is minimized, 3 when it is
// maximized, else 0. Writing clamps the value into 0..3 and, while the window is visible,
// applies it at once: 0 shows it normally, 1 restores it if needed and centres it on the
// screen, 2 minimizes it, 3 maximizes it. A hidden window may keep the state for later.
inline constexpr int kWindowState = 18;
} // namespace property

class ControlAccess {
public:
    virtual ~ControlAccess() = default;

    // Property `number` of (window, control) as an integer, a boolean or a text (the caller
    // owns the text). A property the control does not have reads as 0, false or "".
    [[nodiscard]] virtual std::int32_t ReadInteger(WindowId window, ControlId control,
                                                   int number) = 0;
    [[nodiscard]] virtual bool ReadBool(WindowId window, ControlId control, int number) = 0;
    [[nodiscard]] virtual Text ReadText(WindowId window, ControlId control, int number) = 0;

    // Sets property `number`; a property the control does not have is left alone.
    virtual void WriteInteger(WindowId window, ControlId control, int number,
                              std::int32_t value) = 0;
    virtual void WriteBool(WindowId window, ControlId control, int number, bool value) = 0;
    virtual void WriteText(WindowId window, ControlId control, int number,
                           std::string_view value) = 0;

    // Moves (window, control) to the given left, top, width and height. A width or height of -1
    // keeps the current one; when the new rectangle equals the current one nothing happens;
    // otherwise the window is moved and redrawn.
    virtual void Move(WindowId window, ControlId control, std::int32_t left, std::int32_t top,
                      std::int32_t width, std::int32_t height) = 0;
};

} // namespace varnel::settings
