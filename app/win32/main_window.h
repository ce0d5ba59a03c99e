// The main window: built from the control table at the monitor's DPI, its events handed to
// app::MainCommands, its controls reachable by property number through WindowControls. All
// texts cross between the controls' UTF-16 and GBK through our own code-page 936 table.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>

#include "app/control_view.h"
#include "app/main_commands.h"
#include "app/win32/dpi.h"
#include "app/win32/window_controls.h"
#include "app/win32/windows_clipboard.h"

namespace varnel::win32 {

struct MainWindowOptions {
    // Ends the message loop once the window is destroyed; tests that open many windows in one
    // process turn it off.
    bool quitWhenDestroyed = true;
    // The longest stretch of engine work between two runs of the message pump.
    std::chrono::milliseconds yieldInterval{10};
    // Shows a message box over `owner` (null once the window is gone); empty: MessageBoxW.
    std::function<void(HWND owner, const std::wstring& text, const std::wstring& title)>
        showMessage;
};

class MainWindow final : public app::ControlView {
public:
    // `store` and `browser` must outlive the window.
    MainWindow(settings::SettingsStore& store, app::BrowserOpener& browser,
               MainWindowOptions options = {});
    // Destroys a window that is still open, without saving anything.
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Creates the window and all its controls, restores the remembered settings and centres the
    // window on its monitor's work area; it is not shown yet. False when the system refused.
    [[nodiscard]] bool Create();
    // Shows the window and puts the keyboard focus into the source box.
    void Show(int showCommand);

    [[nodiscard]] HWND Handle() const { return window_; }
    [[nodiscard]] HWND ControlHandle(settings::ControlId id) const;
    [[nodiscard]] UINT Dpi() const { return dpi_; }
    [[nodiscard]] HFONT Font() const { return font_; }
    // Where the two file buttons are bound (MainCommands::BindFileButtons).
    [[nodiscard]] app::MainCommands& Commands() { return commands_; }

    void ShowMessage(std::string_view gbkText, std::string_view gbkTitle) override;
    void ProcessPendingMessages() override;
    [[nodiscard]] bool WindowClosed() override { return closed_; }

    // The window's styles; its client area at 96 DPI follows from them and the outer size.
    static constexpr DWORD kStyle =
        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    static constexpr DWORD kExStyle = 0;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    [[nodiscard]] bool OnCreate();
    void OnClose();
    void OnCommand(WPARAM wParam, LPARAM lParam);
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    void OnActivate(WPARAM wParam);
    void OnNextControl(WPARAM wParam, LPARAM lParam);

    [[nodiscard]] bool CreateControls();
    // Places every control and sets the font for the current DPI.
    void LayOut();
    [[nodiscard]] SIZE OuterSize() const;

    MainWindowOptions options_;
    WindowControls controls_;
    WindowsClipboard clipboard_;
    app::MainCommands commands_;
    HWND window_ = nullptr;
    HWND lastFocus_ = nullptr;
    HFONT font_ = nullptr;
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    UINT dpi_ = kBaseDpi;
    bool closed_ = false;
};

} // namespace varnel::win32
