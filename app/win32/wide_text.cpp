#include "app/win32/wide_text.h"

#include "encoding/code_page.h"

namespace varnel::win32 {

namespace {

using encoding::CodePage;

// wchar_t is a UTF-16 code unit on Windows.
std::wstring AsWide(const std::u16string& units) {
    return {units.begin(), units.end()};
}

} // namespace

std::wstring WideFromGbk(std::string_view gbk) {
    return AsWide(encoding::MultiByteToUtf16(CodePage::kGbk, TextUpToZero(gbk)));
}

Text GbkFromWide(std::wstring_view wide) {
    const std::wstring_view::size_type zero = wide.find(L'\0');
    if (zero != std::wstring_view::npos) {
        wide = wide.substr(0, zero);
    }
    const std::u16string units(wide.begin(), wide.end());
    return encoding::Utf16ToMultiByte(CodePage::kGbk, units, '?');
}

std::wstring WideFromUtf8(std::u8string_view utf8) {
    const std::string_view bytes(reinterpret_cast<const char*>(utf8.data()), utf8.size());
    return AsWide(encoding::MultiByteToUtf16(CodePage::kUtf8, bytes));
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
