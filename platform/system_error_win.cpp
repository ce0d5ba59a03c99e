#include <windows.h>

#include <string>

#include "platform/file_io.h"

namespace varnel::platform {

std::string SystemErrorMessage(int code) {
    wchar_t* message = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(code), MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
        reinterpret_cast<wchar_t*>(&message), 0, nullptr);
    std::wstring wide = length > 0 ? std::wstring(message, length) : std::wstring();
    if (message) {
        LocalFree(message);
    }
    while (!wide.empty() && (wide.back() == L'\n' || wide.back() == L'\r' || wide.back() == L'.' ||
                             wide.back() == L' ')) {
        wide.pop_back();
    }
    if (wide.empty()) {
        return "system error " + std::to_string(code);
    }
    // UTF-16 to UTF-8 is fixed arithmetic, not a code page lookup.
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), size,
                        nullptr, nullptr);
    return utf8;
}

} // namespace varnel::platform
