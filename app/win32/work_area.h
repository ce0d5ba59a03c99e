// Where a window goes to sit in the middle of its monitor's work area (the screen less the
// taskbar and docked bars).
#pragma once

#include <windows.h>

namespace varnel::win32 {

// The top-left corner, in screen coordinates, of a window of `size` centred on the work area of
// the monitor that MonitorFromWindow(window, monitorFlag) picks.
[[nodiscard]] inline POINT CentredOnWorkArea(HWND window, SIZE size, DWORD monitorFlag) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(window, monitorFlag), &monitor);
    const RECT& area = monitor.rcWork;
    return {area.left + ((area.right - area.left) - size.cx) / 2,
            area.top + ((area.bottom - area.top) - size.cy) / 2};
}

} // namespace varnel::win32
