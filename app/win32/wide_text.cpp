#include "app/win32/wide_text.h"

#include <cstdint>
#include <span>

#include "encoding/code_page.h"

namespace varnel::win32 {

namespace {

using encoding::CodePage;

// wchar_t is a little-endian UTF-16 code unit on Windows, so the code-page functions' UTF-16LE
// form reads and writes a wide string's own bytes: no u16string copy in between.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::wstring WideFrom(CodePage cp, std::string_view bytes) {
    std::wstring wide(encoding::Utf16UnitCount(cp, bytes), L'\0');
    (void)encoding::MultiByteToUtf16Le(
        cp, bytes, {reinterpret_cast<std::uint8_t*>(wide.data()), wide.size() * sizeof(wchar_t)});
    return wide;
}

// The text up to the first zero character, as a view.
template <typename Char> std::basic_string_view<Char> UpToZero(std::basic_string_view<Char> text) {
    return text.substr(0, text.find(Char{}));
}

} // namespace

std::wstring WideFromGbk(std::string_view gbk) {
    return WideFrom(CodePage::kGbk, UpToZero(gbk));
}

Text GbkFromWide(std::wstring_view wide) {
    wide = UpToZero(wide);
    const std::span<const std::uint8_t> units(reinterpret_cast<const std::uint8_t*>(wide.data()),
                                              wide.size() * sizeof(wchar_t));
    Text gbk(encoding::MultiByteCount(CodePage::kGbk, units), '\0');
    (void)encoding::Utf16LeToMultiByte(CodePage::kGbk, units, gbk, '?');
    return gbk;
}

std::wstring WideFromUtf8(std::u8string_view utf8) {
    const std::string_view bytes(reinterpret_cast<const char*>(utf8.data()), utf8.size());
    return WideFrom(CodePage::kUtf8, bytes);
}

std::wstring WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

void SetWindowGbkText(HWND window, std::string_view gbk) {
    SetWindowTextW(window, WideFromGbk(gbk).c_str());
}

} // namespace varnel::win32
