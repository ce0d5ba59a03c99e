// Drives the real main window in-process: a fixture that opens it on a settings file in a fresh
// folder with a recording browser and message box, sends it what a user would (WM_SETTEXT,
// BM_CLICK, WM_CLOSE) and drains the queue the way the message loop would.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/win32/main_window.h"
#include "settings/settings_store.h"
#include "tests/app/window_fakes.h"
#include "tests/support/temp_dir.h"

namespace varnel::win32::test {

class WindowTest : public testing::Test {
protected:
    WindowTest();
    // Destroys a window still open (nothing saved), drains the queue and fails the test if a
    // real message box appeared.
    ~WindowTest() override;

    // Creates, shows and pumps the window; the message loop is never ended by it.
    MainWindow& Open(MainWindowOptions options = {});

    [[nodiscard]] std::filesystem::path IniPath() const;
    [[nodiscard]] HWND Control(settings::ControlId id) const;
    [[nodiscard]] std::wstring TextOf(settings::ControlId id) const;
    void SetText(settings::ControlId id, const std::wstring& text);
    void Click(settings::ControlId id);
    // The close button: WM_CLOSE, then the queue drained.
    void Close();
    [[nodiscard]] bool Checked(settings::ControlId id) const;
    [[nodiscard]] RECT ClientRectOf(settings::ControlId id) const;

    // Every message waiting in the queue, dispatched.
    static void Pump();

    varnel::test::TempDir dir_;
    settings::SettingsStore store_;
    app::test::RecordingBrowser browser_;
    std::vector<std::wstring> messages_;
    std::unique_ptr<MainWindow> window_;
};

} // namespace varnel::win32::test
