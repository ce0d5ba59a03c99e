// The banner across the top of the main window (图片框1): our own picture, drawn at the window's
// DPI, that works as a link. Each press of a mouse button on it is sent to the parent as
// WM_COMMAND with the banner's id and one of the codes below; every press counts (no double
// clicks).
#pragma once

#include <windows.h>

namespace varnel::win32 {

inline constexpr wchar_t kBannerClass[] = L"VarnelBanner";

inline constexpr WORD kBannerLeftPressed = 0x0101;
inline constexpr WORD kBannerRightPressed = 0x0102;
inline constexpr WORD kBannerMiddlePressed = 0x0103;

// Registers the window class once per process; false when that failed.
[[nodiscard]] bool RegisterBannerClass(HINSTANCE instance);

} // namespace varnel::win32
