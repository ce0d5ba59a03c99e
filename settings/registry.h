// The registry back end of the settings store: values under HKEY_CLASSES_ROOT, addressed by a
// full name "key path\value name" in GBK. On Windows this is the real registry (WindowsRegistry,
// wide functions, our own code-page tables); elsewhere an emulation with the same observable
// behaviour (FileRegistry, see file_registry.h for where it keeps its data).
#pragma once

#include <optional>
#include <string_view>

#include "base/text.h"

namespace varnel::settings {

// The value types the store tells apart.
enum class RegistryType {
    kString,       // REG_SZ: read as it is
    kExpandString, // REG_EXPAND_SZ: read with %NAME% references expanded
    kOther,        // any other type (REG_BINARY, REG_DWORD, ...): reads give the default
};

struct RegistryValue {
    RegistryType type = RegistryType::kString;
    Text text; // GBK, without the terminating zero; for kOther the raw data bytes
};

// Access to one registry tree. Key paths are relative to HKEY_CLASSES_ROOT, levels separated by
// "\"; the empty path is the root itself. Key and value names match with ASCII letters compared
// case-insensitively, as the Windows registry does.
class Registry {
public:
    virtual ~Registry() = default;

    // Sets `name` under `keyPath` to `value`: opens the key for writing and, when that fails,
    // creates it together with every missing level above it. A text value is stored as REG_SZ
    // with its terminating zero counted in its length. True only when the value was set.
    [[nodiscard]] virtual bool SetValue(std::string_view keyPath, std::string_view name,
                                        const RegistryValue& value) = 0;

    // The value as stored; nullopt when the key or the value is missing (or unreadable).
    [[nodiscard]] virtual std::optional<RegistryValue> GetValue(std::string_view keyPath,
                                                                std::string_view name) = 0;

    // Removes a key with everything below it; true when it is gone afterwards. For tests and
    // tools: the store never removes anything.
    virtual bool DeleteKey(std::string_view keyPath) = 0;

    // `text` with every %NAME% whose environment variable exists replaced by its value, as
    // ExpandEnvironmentStrings does; other "%" stay as they are.
    [[nodiscard]] virtual Text ExpandEnvironment(std::string_view text) = 0;
};

// The platform's registry: the real one on Windows, the emulation elsewhere. It lives as long
// as the program.
[[nodiscard]] Registry& SystemRegistry();

struct RegistryName {
    std::string_view keyPath;
    std::string_view valueName;

    friend bool operator==(const RegistryName&, const RegistryName&) = default;
};

// A full name cut at its last "\" (a trail byte 5C of a double-byte character never counts):
// "A\S\k" gives key path "A\S" and value name "k"; a name without "\" gives the root and itself.
[[nodiscard]] RegistryName SplitRegistryName(std::string_view fullName);

// The store's registry write: `text` as REG_SZ under the split full name. True when it was set.
[[nodiscard]] bool WriteRegistryText(Registry& registry, std::string_view fullName,
                                     std::string_view text);

// The store's registry read: a REG_SZ value as it is, a REG_EXPAND_SZ value expanded, and
// `defaultText` for a missing key or value or a value of any other type.
[[nodiscard]] Text ReadRegistryText(Registry& registry, std::string_view fullName,
                                    std::string_view defaultText);

} // namespace varnel::settings
