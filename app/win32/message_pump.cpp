#include "app/win32/message_pump.h"

#include <array>
#include <cwchar>

namespace varnel::win32 {

namespace {

bool IsEditBox(HWND window) {
    std::array<wchar_t, 16> name{};
    GetClassNameW(window, name.data(), static_cast<int>(name.size()));
    return _wcsicmp(name.data(), L"Edit") == 0;
}

// Edit boxes older than Windows 10 ignore Ctrl+A; select everything for them all alike.
bool SelectAllShortcut(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.wParam != 'A' || GetKeyState(VK_CONTROL) >= 0 ||
        GetKeyState(VK_MENU) < 0 || GetKeyState(VK_SHIFT) < 0 || !IsEditBox(msg.hwnd)) {
        return false;
    }
    SendMessageW(msg.hwnd, EM_SETSEL, 0, -1);
    return true;
}

void HandOver(MSG& msg, HWND keyboardWindow) {
    if (SelectAllShortcut(msg)) {
        return;
    }
    if (keyboardWindow != nullptr && IsWindow(keyboardWindow) &&
        IsDialogMessageW(keyboardWindow, &msg)) {
        return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

} // namespace

void ProcessPendingMessages(HWND keyboardWindow) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        if (msg.message == WM_QUIT) {
            return;
        }
        if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            return;
        }
        if (msg.message == WM_QUIT) {
            // Arrived between the two looks: put it back for the main loop.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        HandOver(msg, keyboardWindow);
    }
}

int RunMessageLoop(HWND keyboardWindow) {
    MSG msg;
    for (;;) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            return static_cast<int>(msg.wParam);
        }
        if (got == -1) {
            return 1;
        }
        HandOver(msg, keyboardWindow);
    }
}

} // namespace varnel::win32
