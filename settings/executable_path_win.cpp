#include <windows.h>

#include <string>

#include "platform/native_path.h"
#include "settings/executable_path.h"

namespace varnel::settings {

Text ExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) {
            return {};
        }
        if (n < path.size()) {
            path.resize(n);
            return platform::TextFromPath(std::filesystem::path(path));
        }
        path.resize(path.size() * 2);
    }
}

} // namespace varnel::settings
