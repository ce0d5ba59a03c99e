#include "tests/settings/profile_api.h"

#include <windows.h>

#include <vector>

namespace varnel::settings::test {

std::string RealProfileRead(const std::string& file, const std::string& section,
                            const std::string& key, const std::string& defaultText) {
    std::vector<char> buffer(10240, '#');
    const DWORD n = GetPrivateProfileStringA(
        section.c_str(), key.c_str(), defaultText.empty() ? nullptr : defaultText.c_str(),
        buffer.data(), static_cast<DWORD>(buffer.size()), file.c_str());
    return std::string(buffer.data(), n);
}

bool RealProfileWrite(const std::string& file, const std::string& section, const std::string& key,
                      const std::string& value) {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) !=
           FALSE;
}

bool RunningUnderWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

} // namespace varnel::settings::test
