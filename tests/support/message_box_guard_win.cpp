#include "tests/support/message_box_guard_win.h"

#include <windows.h>

#include <array>

namespace varnel::test {

namespace {

HHOOK hook = nullptr;
std::vector<std::wstring> closed;

LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        auto* box = reinterpret_cast<HWND>(wParam);
        std::array<wchar_t, 16> name{};
        GetClassNameW(box, name.data(), static_cast<int>(name.size()));
        if (std::wstring(name.data()) == L"#32770") {
            std::array<wchar_t, 1024> text{};
            // 0xFFFF: the static control that holds a message box's text.
            GetDlgItemTextW(box, 0xFFFF, text.data(), static_cast<int>(text.size()));
            closed.emplace_back(text.data());
            PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

} // namespace

void InstallMessageBoxGuard() {
    if (hook == nullptr) {
        hook = SetWindowsHookExW(WH_CBT, OnCbt, nullptr, GetCurrentThreadId());
    }
}

std::vector<std::wstring> TakeClosedMessageBoxes() {
    std::vector<std::wstring> texts;
    texts.swap(closed);
    return texts;
}

} // namespace varnel::test
