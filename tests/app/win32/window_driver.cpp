#include "tests/app/win32/window_driver.h"

#include "app/win32/wide_text.h"
#include "platform/native_path.h"
#include "tests/support/message_box_guard_win.h"

namespace varnel::win32::test {

WindowTest::WindowTest() {
    store_.Open(platform::TextFromPath(IniPath()));
}

WindowTest::~WindowTest() {
    window_.reset();
    Pump();
    for (const std::wstring& text : varnel::test::TakeClosedMessageBoxes()) {
        ADD_FAILURE() << "a real message box was shown: " << testing::PrintToString(text);
    }
}

MainWindow& WindowTest::Open(MainWindowOptions options) {
    options.quitWhenDestroyed = false;
    options.showMessage = [this](HWND, const std::wstring& text, const std::wstring&) {
        messages_.push_back(text);
    };
    window_ = std::make_unique<MainWindow>(store_, browser_, std::move(options));
    EXPECT_TRUE(window_->Create());
    window_->Show(SW_SHOWNORMAL);
    Pump();
    return *window_;
}

std::filesystem::path WindowTest::IniPath() const {
    return dir_.Path() / L"\u4E3B\u914D\u7F6E.ini"; // 主配置.ini
}

HWND WindowTest::Control(settings::ControlId id) const {
    return window_->ControlHandle(id);
}

std::wstring WindowTest::TextOf(settings::ControlId id) const {
    return WindowText(Control(id));
}

void WindowTest::SetText(settings::ControlId id, const std::wstring& text) {
    SendMessageW(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void WindowTest::Click(settings::ControlId id) {
    SendMessageW(Control(id), BM_CLICK, 0, 0);
    Pump();
}

void WindowTest::Close() {
    SendMessageW(window_->Handle(), WM_CLOSE, 0, 0);
    Pump();
}

bool WindowTest::Checked(settings::ControlId id) const {
    return SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

RECT WindowTest::ClientRectOf(settings::ControlId id) const {
    RECT rect{};
    GetWindowRect(Control(id), &rect);
    MapWindowPoints(HWND_DESKTOP, window_->Handle(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void WindowTest::Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

} // namespace varnel::win32::test
