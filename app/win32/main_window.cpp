#include "app/win32/main_window.h"

#include <algorithm>
#include <tuple>

#include "app/main_controls.h"
#include "app/win32/artwork.h"
#include "app/win32/banner.h"
#include "app/win32/combo_field.h"
#include "app/win32/message_pump.h"
#include "app/win32/wide_text.h"
#include "app/win32/work_area.h"
#include "app/window_texts.h"

namespace varnel::win32 {

namespace {

using app::ControlKind;
using app::ControlSpec;

constexpr wchar_t kMainClass[] = L"VarnelMainWindow";

// Room for the drop-down list below 组合框编码's selection field, at 96 DPI: the three entries.
constexpr int kListRoom = 120;
// The dropped list is wider than the field, so that "Unicode" shows whole.
constexpr int kDroppedWidth = 88;

HINSTANCE Instance() {
    return GetModuleHandleW(nullptr);
}

struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle;
};

ControlClass ClassFor(const ControlSpec& spec) {
    switch (spec.kind) {
    case ControlKind::kPicture:
        return {kBannerClass, 0, 0};
    case ControlKind::kStrip:
        return {L"Static", SS_ETCHEDHORZ, 0};
    case ControlKind::kLabel:
        // One line, centred vertically beside the controls it names.
        return {L"Static", SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX, 0};
    case ControlKind::kRadioButton:
        return {L"Button", BS_AUTORADIOBUTTON | WS_TABSTOP, 0};
    case ControlKind::kEditBox: {
        DWORD style = WS_TABSTOP;
        if (spec.multiLine) {
            // ES_WANTRETURN: Enter inserts a line break even under the dialog keyboard interface.
            style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
        }
        if (spec.scrollBars) {
            style |= WS_HSCROLL | WS_VSCROLL | ES_AUTOHSCROLL;
        } else if (!spec.multiLine) {
            style |= ES_AUTOHSCROLL;
        }
        if (spec.centred) {
            style |= ES_CENTER;
        }
        return {L"Edit", style, WS_EX_CLIENTEDGE};
    }
    case ControlKind::kButton:
        return {L"Button", BS_PUSHBUTTON | WS_TABSTOP | (spec.captionLeft ? BS_LEFT : 0u), 0};
    case ControlKind::kDropDownList:
        return {L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0};
    }
    return {L"Static", 0, 0};
}

bool Overlap(const app::ControlRect& a, const app::ControlRect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

} // namespace

MainWindow::MainWindow(settings::SettingsStore& store, app::BrowserOpener& browser,
                       MainWindowOptions options)
    : ControlView(controls_), options_(std::move(options)),
      commands_(*this, clipboard_, store, browser, options_.yieldInterval) {}

MainWindow::~MainWindow() {
    if (window_ != nullptr && IsWindow(window_)) {
        DestroyWindow(window_);
    }
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
    for (HICON icon : {bigIcon_, smallIcon_}) {
        if (icon != nullptr) {
            DestroyIcon(icon);
        }
    }
}

bool MainWindow::Create() {
    if (!RegisterBannerClass(Instance())) {
        return false;
    }
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (!GetClassInfoExW(Instance(), kMainClass, &existing)) {
        WNDCLASSEXW main{};
        main.cbSize = sizeof(main);
        main.lpfnWndProc = WindowProc;
        main.hInstance = Instance();
        main.hIcon = LoadIconW(nullptr, IDI_APPLICATION); // until our own is drawn
        main.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        main.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        main.lpszClassName = kMainClass;
        if (RegisterClassExW(&main) == 0) {
            return false;
        }
    }
    const std::wstring caption = WideFromGbk(app::WindowCaption());
    CreateWindowExW(kExStyle, kMainClass, caption.c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                    app::kWindowWidth, app::kWindowHeight, nullptr, nullptr, Instance(), this);
    if (window_ == nullptr) {
        return false;
    }
    // Centred on the work area of its monitor, at the size for that monitor's DPI.
    const SIZE size = OuterSize();
    const POINT corner = CentredOnWorkArea(window_, size, MONITOR_DEFAULTTOPRIMARY);
    SetWindowPos(window_, nullptr, corner.x, corner.y, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

void MainWindow::Show(int showCommand) {
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    SetFocus(ControlHandle(app::control::kSourceEdit));
}

HWND MainWindow::ControlHandle(settings::ControlId id) const {
    return window_ == nullptr ? nullptr : GetDlgItem(window_, id);
}

void MainWindow::ShowMessage(std::string_view gbkText, std::string_view gbkTitle) {
    HWND owner = closed_ ? nullptr : window_;
    const std::wstring text = WideFromGbk(gbkText);
    const std::wstring title = WideFromGbk(gbkTitle);
    if (options_.showMessage) {
        options_.showMessage(owner, text, title);
        return;
    }
    // With an owner the box disables it; without one every window of the program.
    MessageBoxW(owner, text.c_str(), title.c_str(), MB_OK | (owner ? 0u : MB_TASKMODAL));
}

void MainWindow::ProcessPendingMessages() {
    win32::ProcessPendingMessages(closed_ ? nullptr : window_);
}

LRESULT CALLBACK MainWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    // No exception may cross into the window system.
    try {
        return self->OnMessage(message, wParam, lParam);
    } catch (...) {
        return message == WM_CREATE ? -1 : 0;
    }
}

LRESULT MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate() ? 0 : -1;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_ENDSESSION:
        // Windows is ending the session: there is no close request, but the settings are kept.
        if (wParam != FALSE) {
            commands_.OnCloseRequested();
        }
        return 0;
    case WM_DESTROY:
        closed_ = true;
        if (options_.quitWhenDestroyed) {
            PostQuitMessage(0);
        }
        return 0;
    case WM_NCDESTROY: {
        controls_.ForgetWindow(app::kMainWindowId);
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        const LRESULT result = DefWindowProcW(window_, message, wParam, lParam);
        window_ = nullptr;
        return result;
    }
    case WM_COMMAND:
        OnCommand(wParam, lParam);
        return 0;
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_ACTIVATE:
        OnActivate(wParam);
        return 0;
    case WM_NEXTDLGCTL:
        OnNextControl(wParam, lParam);
        return 0;
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}

bool MainWindow::OnCreate() {
    closed_ = false;
    controls_.RegisterWindow(app::kMainWindowId, window_);
    clipboard_.SetOwner(window_);
    dpi_ = WindowDpi(window_);
    if (!CreateControls()) {
        return false;
    }
    LayOut();
    commands_.OnCreated();
    return true;
}

void MainWindow::OnClose() {
    commands_.OnCloseRequested();
    DestroyWindow(window_);
}

void MainWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
    const auto id = static_cast<settings::ControlId>(LOWORD(wParam));
    const WORD code = HIWORD(wParam);
    if (lParam == 0) {
        return; // a menu or an accelerator: the window has neither
    }
    if (id == app::control::kBanner) {
        switch (code) {
        case kBannerLeftPressed:
            commands_.OnBannerPressed(app::MouseButton::kLeft);
            break;
        case kBannerRightPressed:
            commands_.OnBannerPressed(app::MouseButton::kRight);
            break;
        case kBannerMiddlePressed:
            commands_.OnBannerPressed(app::MouseButton::kMiddle);
            break;
        default:
            break;
        }
        return;
    }
    if (code == BN_CLICKED) {
        commands_.OnClicked(id);
    }
}

void MainWindow::OnDpiChanged(UINT dpi, const RECT& suggested) {
    dpi_ = dpi;
    LayOut();
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(window_, nullptr, TRUE);
}

void MainWindow::OnActivate(WPARAM wParam) {
    // Keep the keyboard focus where it was when the user comes back to the window.
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window_, focus)) {
            lastFocus_ = focus;
        }
        return;
    }
    if (lastFocus_ != nullptr && IsWindow(lastFocus_) && IsChild(window_, lastFocus_)) {
        SetFocus(lastFocus_);
    }
}

void MainWindow::OnNextControl(WPARAM wParam, LPARAM lParam) {
    // Tab in a multi-line edit box asks its parent for the next control, as in a dialog.
    HWND next = LOWORD(lParam) != 0
                    ? reinterpret_cast<HWND>(wParam)
                    : GetNextDlgTabItem(window_, GetFocus(), wParam != 0 ? TRUE : FALSE);
    if (next != nullptr) {
        SetFocus(next);
    }
}

bool MainWindow::CreateControls() {
    const auto specs = app::MainControls();
    bool previousWasRadio = false;
    for (const ControlSpec& spec : specs) {
        const ControlClass kind = ClassFor(spec);
        const bool radio = spec.kind == ControlKind::kRadioButton;
        // A run of radio buttons is one group: only its first control starts it.
        const DWORD group = radio && previousWasRadio ? 0u : static_cast<DWORD>(WS_GROUP);
        previousWasRadio = radio;
        const std::wstring text = WideFromUtf8(spec.text);
        HWND control = CreateWindowExW(
            kind.exStyle, kind.name, text.c_str(),
            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | group | kind.style, spec.rect.left,
            spec.rect.top, spec.rect.width, spec.rect.height, window_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)), Instance(), nullptr);
        if (control == nullptr) {
            return false;
        }
        switch (spec.kind) {
        case ControlKind::kEditBox:
            SendMessageW(control, EM_SETLIMITTEXT, 0, 0); // 0: as long as the system allows
            break;
        case ControlKind::kRadioButton:
            SendMessageW(control, BM_SETCHECK, spec.selected ? BST_CHECKED : BST_UNCHECKED, 0);
            break;
        case ControlKind::kDropDownList:
            for (const std::u8string_view item : spec.items) {
                const std::wstring entry = WideFromUtf8(item);
                SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
            }
            SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(spec.selectedItem), 0);
            break;
        default:
            break;
        }
    }
    // A control that lies on an earlier one goes above it, so that it is drawn and clicked
    // there (编辑框文件类型 on "  选择文件夹处理").
    for (std::size_t i = 0; i < specs.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (Overlap(specs[i].rect, specs[j].rect)) {
                HWND below = ControlHandle(specs[j].id);
                HWND above = GetWindow(below, GW_HWNDPREV);
                SetWindowPos(ControlHandle(specs[i].id), above != nullptr ? above : HWND_TOP, 0, 0,
                             0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
                break;
            }
        }
    }
    return true;
}

void MainWindow::LayOut() {
    HFONT font = CreateInterfaceFont(dpi_);
    for (const ControlSpec& spec : app::MainControls()) {
        HWND control = ControlHandle(spec.id);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        const int left = ScaleToDpi(spec.rect.left, dpi_);
        const int top = ScaleToDpi(spec.rect.top, dpi_);
        const int width = ScaleToDpi(spec.rect.width, dpi_);
        const int height = ScaleToDpi(spec.rect.height, dpi_);
        if (spec.kind != ControlKind::kDropDownList) {
            SetWindowPos(control, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
            continue;
        }
        // A combo box's window height includes its list.
        SetWindowPos(control, nullptr, left, top, width, height + ScaleToDpi(kListRoom, dpi_),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        FitComboField(control, height);
        SendMessageW(control, CB_SETDROPPEDWIDTH,
                     static_cast<WPARAM>(std::max(width, ScaleToDpi(kDroppedWidth, dpi_))), 0);
    }
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
    font_ = font;
    // Our icon in the title bar and the task bar, drawn for this DPI.
    for (auto [slot, kind, size] :
         {std::tuple{&bigIcon_, ICON_BIG, 32}, std::tuple{&smallIcon_, ICON_SMALL, 16}}) {
        HICON icon = CreateProgramIcon(ScaleToDpi(size, dpi_));
        if (icon == nullptr) {
            continue;
        }
        SendMessageW(window_, WM_SETICON, static_cast<WPARAM>(kind),
                     reinterpret_cast<LPARAM>(icon));
        if (*slot != nullptr) {
            DestroyIcon(*slot);
        }
        *slot = icon;
    }
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_ERASE);
}

SIZE MainWindow::OuterSize() const {
    // The client area at 96 DPI is what the outer size leaves inside the frame at 96 DPI.
    const RECT frame96 = OuterForClient({0, 0, 0, 0}, kStyle, kExStyle, kBaseDpi);
    const int clientWidth = app::kWindowWidth - (frame96.right - frame96.left);
    const int clientHeight = app::kWindowHeight - (frame96.bottom - frame96.top);
    const RECT outer =
        OuterForClient({0, 0, ScaleToDpi(clientWidth, dpi_), ScaleToDpi(clientHeight, dpi_)},
                       kStyle, kExStyle, dpi_);
    return {outer.right - outer.left, outer.bottom - outer.top};
}

} // namespace varnel::win32
