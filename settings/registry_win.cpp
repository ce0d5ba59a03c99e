#include <windows.h>

#include <string>
#include <vector>

#include "encoding/code_page.h"
#include "settings/file_registry.h"
#include "settings/windows_registry.h"

namespace varnel::settings {

namespace {

using encoding::CodePage;

std::wstring Wide(std::string_view gbk) {
    const std::u16string units = encoding::MultiByteToUtf16(CodePage::kGbk, gbk);
    return std::wstring(units.begin(), units.end());
}

Text Gbk(std::wstring_view wide) {
    return encoding::Utf16ToMultiByte(CodePage::kGbk, std::u16string(wide.begin(), wide.end()));
}

// Closes a key handle on every path out.
class KeyHandle {
public:
    KeyHandle() = default;
    KeyHandle(const KeyHandle&) = delete;
    KeyHandle& operator=(const KeyHandle&) = delete;
    ~KeyHandle() {
        if (key_ != nullptr) {
            RegCloseKey(key_);
        }
    }
    HKEY* Out() { return &key_; }
    [[nodiscard]] HKEY Get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

} // namespace

bool WindowsRegistry::SetValue(std::string_view keyPath, std::string_view name,
                               const RegistryValue& value) {
    const std::wstring path = Wide(keyPath);
    KeyHandle key;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_WRITE, key.Out()) != ERROR_SUCCESS &&
        RegCreateKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                        key.Out(), nullptr) != ERROR_SUCCESS) {
        return false;
    }
    DWORD type = REG_BINARY;
    std::vector<BYTE> data;
    if (value.type == RegistryType::kOther) {
        data.assign(value.text.begin(), value.text.end());
    } else {
        type = value.type == RegistryType::kString ? REG_SZ : REG_EXPAND_SZ;
        const std::wstring text = Wide(value.text);
        // The terminating zero counts in the length.
        const auto* bytes = reinterpret_cast<const BYTE*>(text.c_str());
        data.assign(bytes, bytes + (text.size() + 1) * sizeof(wchar_t));
    }
    return RegSetValueExW(key.Get(), Wide(name).c_str(), 0, type, data.data(),
                          static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
}

std::optional<RegistryValue> WindowsRegistry::GetValue(std::string_view keyPath,
                                                       std::string_view name) {
    KeyHandle key;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, Wide(keyPath).c_str(), 0, KEY_READ, key.Out()) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    const std::wstring wideName = Wide(name);
    DWORD type = 0;
    DWORD size = 0;
    std::vector<BYTE> data;
    LONG status = ERROR_MORE_DATA;
    // The value may grow between the two calls; ask again until it fits.
    while (status == ERROR_MORE_DATA) {
        data.resize(size + sizeof(wchar_t));
        size = static_cast<DWORD>(data.size());
        status = RegQueryValueExW(key.Get(), wideName.c_str(), nullptr, &type, data.data(), &size);
    }
    if (status != ERROR_SUCCESS) {
        return std::nullopt;
    }
    data.resize(size);
    RegistryValue value;
    if (type == REG_SZ || type == REG_EXPAND_SZ) {
        value.type = type == REG_SZ ? RegistryType::kString : RegistryType::kExpandString;
        std::wstring text(size / sizeof(wchar_t), L'\0');
        std::copy_n(data.data(), text.size() * sizeof(wchar_t),
                    reinterpret_cast<BYTE*>(text.data()));
        // Stored with or without its terminating zero: the text ends at the first one.
        value.text = Gbk(std::wstring_view(text.c_str()));
    } else {
        value.type = RegistryType::kOther;
        value.text.assign(data.begin(), data.end());
    }
    return value;
}

bool WindowsRegistry::DeleteKey(std::string_view keyPath) {
    const LONG status = RegDeleteTreeW(HKEY_CLASSES_ROOT, Wide(keyPath).c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

Text WindowsRegistry::ExpandEnvironment(std::string_view text) {
    const std::wstring wide = Wide(text);
    const DWORD needed = ExpandEnvironmentStringsW(wide.c_str(), nullptr, 0);
    if (needed == 0) {
        return Text(text);
    }
    std::wstring out(needed, L'\0');
    const DWORD written = ExpandEnvironmentStringsW(wide.c_str(), out.data(), needed);
    if (written == 0 || written > needed) {
        return Text(text);
    }
    return Gbk(std::wstring_view(out.c_str()));
}

Registry& SystemRegistry() {
    static WindowsRegistry registry;
    return registry;
}

std::optional<Text> EnvironmentVariable(std::string_view name) {
    const std::wstring wide = Wide(name);
    const DWORD needed = GetEnvironmentVariableW(wide.c_str(), nullptr, 0);
    if (needed == 0) {
        return std::nullopt;
    }
    std::wstring value(needed, L'\0');
    const DWORD written = GetEnvironmentVariableW(wide.c_str(), value.data(), needed);
    if (written >= needed) {
        return std::nullopt;
    }
    value.resize(written);
    return Gbk(value);
}

} // namespace varnel::settings
