#include "app/win32/window_controls.h"

#include <algorithm>
#include <array>
#include <cwchar>

#include "app/win32/combo_field.h"
#include "app/win32/wide_text.h"
#include "app/win32/work_area.h"

namespace varnel::win32 {

namespace {

namespace property = settings::property;

enum class Kind { kOther, kWindow, kEdit, kComboBox, kDropDownList, kPushButton, kCheckable };

Kind KindOf(HWND handle, settings::ControlId control) {
    if (control == settings::kWindowItself) {
        return Kind::kWindow;
    }
    std::array<wchar_t, 32> name{};
    GetClassNameW(handle, name.data(), static_cast<int>(name.size()));
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(handle, GWL_STYLE));
    if (_wcsicmp(name.data(), L"Edit") == 0) {
        return Kind::kEdit;
    }
    if (_wcsicmp(name.data(), L"ComboBox") == 0) {
        return (style & 3u) == CBS_DROPDOWNLIST ? Kind::kDropDownList : Kind::kComboBox;
    }
    if (_wcsicmp(name.data(), L"Button") == 0) {
        switch (style & BS_TYPEMASK) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE:
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return Kind::kCheckable;
        default:
            return Kind::kPushButton;
        }
    }
    return Kind::kOther;
}

bool IsCombo(Kind kind) {
    return kind == Kind::kComboBox || kind == Kind::kDropDownList;
}

bool IsButton(Kind kind) {
    return kind == Kind::kPushButton || kind == Kind::kCheckable;
}

// Left, top, width, height: screen coordinates for the window itself, else in the parent's
// client area.
std::array<std::int32_t, 4> Rectangle(HWND handle, Kind kind) {
    RECT rect{};
    GetWindowRect(handle, &rect);
    if (kind != Kind::kWindow) {
        MapWindowPoints(HWND_DESKTOP, GetParent(handle), reinterpret_cast<POINT*>(&rect), 2);
    }
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

std::int32_t WindowState(HWND handle) {
    if (IsIconic(handle)) {
        return 2;
    }
    return IsZoomed(handle) ? 3 : 0;
}

void CentreOnScreen(HWND handle) {
    RECT rect{};
    GetWindowRect(handle, &rect);
    const POINT corner = CentredOnWorkArea(handle, {rect.right - rect.left, rect.bottom - rect.top},
                                           MONITOR_DEFAULTTONEAREST);
    SetWindowPos(handle, nullptr, corner.x, corner.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetWindowState(HWND handle, std::int32_t state) {
    // A hidden window keeps its state until it is shown.
    if (!IsWindowVisible(handle)) {
        return;
    }
    switch (std::clamp(state, 0, 3)) {
    case 0:
        ShowWindow(handle, SW_SHOWNORMAL);
        break;
    case 1:
        if (IsIconic(handle) || IsZoomed(handle)) {
            ShowWindow(handle, SW_RESTORE);
        }
        CentreOnScreen(handle);
        break;
    case 2:
        ShowWindow(handle, SW_MINIMIZE);
        break;
    default:
        ShowWindow(handle, SW_MAXIMIZE);
        break;
    }
}

} // namespace

void WindowControls::RegisterWindow(settings::WindowId id, HWND window) {
    windows_[id] = window;
}

void WindowControls::ForgetWindow(settings::WindowId id) {
    windows_.erase(id);
    std::erase_if(tags_, [id](const auto& entry) { return entry.first.first == id; });
}

HWND WindowControls::Handle(settings::WindowId window, settings::ControlId control) const {
    const auto it = windows_.find(window);
    if (it == windows_.end() || !IsWindow(it->second)) {
        return nullptr;
    }
    return control == settings::kWindowItself ? it->second : GetDlgItem(it->second, control);
}

std::int32_t WindowControls::ReadInteger(settings::WindowId window, settings::ControlId control,
                                         int number) {
    HWND handle = Handle(window, control);
    if (handle == nullptr) {
        return 0;
    }
    const Kind kind = KindOf(handle, control);
    switch (number) {
    case property::kLeft:
    case property::kTop:
    case property::kWidth:
    case property::kHeight:
        return Rectangle(handle, kind)[static_cast<std::size_t>(number)];
    case property::kWindowState: // also kChecked
        if (kind == Kind::kWindow) {
            return WindowState(handle);
        }
        return ReadBool(window, control, number) ? 1 : 0;
    case property::kComboIndex:
        if (IsCombo(kind)) {
            return static_cast<std::int32_t>(SendMessageW(handle, CB_GETCURSEL, 0, 0));
        }
        return 0;
    default:
        return 0;
    }
}

bool WindowControls::ReadBool(settings::WindowId window, settings::ControlId control, int number) {
    HWND handle = Handle(window, control);
    if (handle == nullptr || number != property::kChecked) {
        return false;
    }
    return KindOf(handle, control) == Kind::kCheckable &&
           SendMessageW(handle, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

Text WindowControls::ReadText(settings::WindowId window, settings::ControlId control, int number) {
    HWND handle = Handle(window, control);
    if (handle == nullptr) {
        return {};
    }
    const Kind kind = KindOf(handle, control);
    const bool has = (number == property::kEditText && kind == Kind::kEdit) ||
                     (number == property::kComboText && IsCombo(kind)) ||
                     (number == property::kCaption && IsButton(kind));
    if (has) {
        return GbkFromWide(WindowText(handle));
    }
    if (number == property::kTag) {
        const auto it = tags_.find({window, control});
        return it == tags_.end() ? Text() : it->second;
    }
    return {};
}

void WindowControls::WriteInteger(settings::WindowId window, settings::ControlId control,
                                  int number, std::int32_t value) {
    HWND handle = Handle(window, control);
    if (handle == nullptr) {
        return;
    }
    const Kind kind = KindOf(handle, control);
    switch (number) {
    case property::kLeft:
    case property::kTop:
    case property::kWidth:
    case property::kHeight: {
        std::array<std::int32_t, 4> rect = Rectangle(handle, kind);
        rect[static_cast<std::size_t>(number)] = value;
        Move(window, control, rect[0], rect[1], rect[2], rect[3]);
        break;
    }
    case property::kWindowState: // also kChecked
        if (kind == Kind::kWindow) {
            SetWindowState(handle, value);
        } else {
            WriteBool(window, control, number, value != 0);
        }
        break;
    case property::kComboIndex:
        if (IsCombo(kind)) {
            // Out of range clears the selection, as the list itself does.
            SendMessageW(handle, CB_SETCURSEL, static_cast<WPARAM>(value), 0);
        }
        break;
    default:
        break;
    }
}

void WindowControls::WriteBool(settings::WindowId window, settings::ControlId control, int number,
                               bool value) {
    HWND handle = Handle(window, control);
    if (handle == nullptr || number != property::kChecked) {
        return;
    }
    if (KindOf(handle, control) == Kind::kCheckable) {
        SendMessageW(handle, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

void WindowControls::WriteText(settings::WindowId window, settings::ControlId control, int number,
                               std::string_view value) {
    HWND handle = Handle(window, control);
    if (handle == nullptr) {
        return;
    }
    const Kind kind = KindOf(handle, control);
    if (number == property::kTag) {
        tags_[{window, control}] = TextUpToZero(value);
    } else if (number == property::kComboText && kind == Kind::kDropDownList) {
        // A list without an edit field can only show one of its entries.
        const std::wstring wide = WideFromGbk(value);
        const LRESULT index = SendMessageW(handle, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(wide.c_str()));
        if (index != CB_ERR) {
            SendMessageW(handle, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        }
    } else if ((number == property::kEditText && kind == Kind::kEdit) ||
               (number == property::kComboText && kind == Kind::kComboBox) ||
               (number == property::kCaption && IsButton(kind))) {
        SetWindowGbkText(handle, value);
    }
}

void WindowControls::Move(settings::WindowId window, settings::ControlId control, std::int32_t left,
                          std::int32_t top, std::int32_t width, std::int32_t height) {
    HWND handle = Handle(window, control);
    if (handle == nullptr) {
        return;
    }
    const Kind kind = KindOf(handle, control);
    const std::array<std::int32_t, 4> current = Rectangle(handle, kind);
    if (width == -1) {
        width = current[2];
    }
    if (height == -1 || IsCombo(kind)) {
        height = current[3];
    }
    if (current == std::array<std::int32_t, 4>{left, top, width, height}) {
        return;
    }
    if (!IsCombo(kind)) {
        SetWindowPos(handle, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    // A combo box's window height includes its drop-down list, which stays as it is.
    RECT dropped{};
    SendMessageW(handle, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    SetWindowPos(handle, nullptr, left, top, width,
                 std::max<std::int32_t>(height, dropped.bottom - dropped.top),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    FitComboField(handle, height);
}

} // namespace varnel::win32
