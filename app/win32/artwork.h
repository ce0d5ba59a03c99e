// Varnel's own pictures, drawn with GDI at any size so that they stay sharp at every DPI: the
// banner across the top of the window and the program's icon.
#pragma once

#include <windows.h>

namespace varnel::win32 {

// Draws the banner into `dc` over `width` x `height` pixels for `dpi`.
void PaintBanner(HDC dc, int width, int height, UINT dpi);

// The program's icon, `size` pixels square with smooth transparent corners; the caller destroys
// it with DestroyIcon. Null when the system refused.
[[nodiscard]] HICON CreateProgramIcon(int size);

} // namespace varnel::win32
