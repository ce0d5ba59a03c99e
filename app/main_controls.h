// The main window and its controls as data: one table with each control's id, its Chinese name,
// kind, place and size at 96 DPI, initial text or state and style. The Win32 window is built from
// it, the settings and commands address controls by its ids, and tests check the window against it.
#pragma once

#include <span>
#include <string_view>

#include "settings/control_access.h"

namespace varnel::app {

// The main window's id for settings::ControlAccess.
inline constexpr settings::WindowId kMainWindowId = 1;

// Outer size of the main window at 96 DPI, frame included.
inline constexpr int kWindowWidth = 406;
inline constexpr int kWindowHeight = 426;

// Control ids, in the order of the table (also the tab order). None collides with the dialog
// manager's IDOK / IDCANCEL.
namespace control {
inline constexpr settings::ControlId kBanner = 1001;         // 图片框1
inline constexpr settings::ControlId kStrip = 1002;          // 标签3
inline constexpr settings::ControlId kSeparatorLabel = 1003; // 标签2
inline constexpr settings::ControlId kLineBreakRadio = 1004; // 单选框换行符
inline constexpr settings::ControlId kTypedRadio = 1005;     // 单选框自己输入
inline constexpr settings::ControlId kSeparatorEdit = 1006;  // 编辑框分隔符
inline constexpr settings::ControlId kSourceEdit = 1007;     // 编辑框原文
inline constexpr settings::ControlId kResultEdit = 1008;     // 编辑框结果
inline constexpr settings::ControlId kPasteButton = 1009;    // 按钮粘贴
inline constexpr settings::ControlId kProcessButton = 1010;  // 按钮处理
inline constexpr settings::ControlId kCopyButton = 1011;     // 按钮处理并复制结果
inline constexpr settings::ControlId kFilesButton = 1012;    // 按钮选择文件
inline constexpr settings::ControlId kFolderButton = 1013;   // 按钮选择文件夹
inline constexpr settings::ControlId kPatternEdit = 1014;    // 编辑框文件类型
inline constexpr settings::ControlId kEncodingLabel = 1015;  // 标签1
inline constexpr settings::ControlId kEncodingList = 1016;   // 组合框编码
} // namespace control

enum class ControlKind {
    kPicture,      // the banner
    kStrip,        // a label without text: an etched line
    kLabel,        // one line of text, centred vertically
    kRadioButton,  // radio buttons of one parent form one group
    kEditBox,      // no length limit, never read-only
    kButton,       // push button
    kDropDownList, // not editable
};

struct ControlRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const ControlRect&, const ControlRect&) = default;
};

struct ControlSpec {
    settings::ControlId id = 0;
    std::u8string_view name = {};
    ControlKind kind = ControlKind::kLabel;
    ControlRect rect = {}; // in the window's client area, at 96 DPI
    std::u8string_view text = {};
    // Edit boxes: several lines (Enter inserts a line break); both scroll bars (lines never
    // wrap; without them a multi-line box wraps its lines); text centred.
    bool multiLine = false;
    bool scrollBars = false;
    bool centred = false;
    // Buttons: caption at the left edge instead of centred.
    bool captionLeft = false;
    // Radio buttons: selected at start.
    bool selected = false;
    // Drop-down lists: the entries and the one selected at start.
    std::span<const std::u8string_view> items = {};
    int selectedItem = -1;
};

// Every control of the main window, in creation and tab order.
[[nodiscard]] std::span<const ControlSpec> MainControls();

// The control with `id`; nullptr when there is none.
[[nodiscard]] const ControlSpec* FindControl(settings::ControlId id);

// The entries of 组合框编码 and how many there are.
[[nodiscard]] std::span<const std::u8string_view> EncodingEntries();

} // namespace varnel::app
