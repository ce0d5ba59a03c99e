// Sizes at 96 DPI scaled to a window's DPI. The program declares per-monitor DPI awareness, so
// the window is laid out anew for each monitor's DPI and stays identical at 100%. The DPI
// functions of Windows 10 are looked up at run time, so the program also starts on older
// systems (where the system DPI is used).
#pragma once

#include <windows.h>

namespace varnel::win32 {

inline constexpr UINT kBaseDpi = 96;

[[nodiscard]] UINT WindowDpi(HWND window);

// A length at 96 DPI at `dpi`, rounded to the nearest pixel.
[[nodiscard]] int ScaleToDpi(int length, UINT dpi);

// The outer rectangle of a window with `style` / `exStyle` and no menu whose client area is
// `client`, at `dpi`.
[[nodiscard]] RECT OuterForClient(RECT client, DWORD style, DWORD exStyle, UINT dpi);

// The program's user-interface font at `dpi`: Microsoft YaHei UI where it exists, else the
// system's message font, `pixels` high at 96 DPI (12: 9 points).
[[nodiscard]] HFONT CreateInterfaceFont(UINT dpi, int pixels = 12, int weight = FW_NORMAL);

} // namespace varnel::win32
