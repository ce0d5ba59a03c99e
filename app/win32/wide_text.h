// Between the controls' UTF-16 and our GBK Text, with our own code-page 936 table: a character
// without a GBK form becomes "?", as an ANSI window on a Chinese system shows it, whatever the
// system's own code page.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "base/text.h"

namespace varnel::win32 {

[[nodiscard]] std::wstring WideFromGbk(std::string_view gbk);
// Ends at the first zero character, as every Text does.
[[nodiscard]] Text GbkFromWide(std::wstring_view wide);
[[nodiscard]] std::wstring WideFromUtf8(std::u8string_view utf8);

// The whole text of a window or control, and a new one for it.
[[nodiscard]] std::wstring WindowText(HWND window);
void SetWindowGbkText(HWND window, std::string_view gbk);

} // namespace varnel::win32
