// The real registry under HKEY_CLASSES_ROOT, through the wide registry functions: GBK names and
// texts are converted with our own code-page tables, never the system's ANSI code page.
// Windows only.
#pragma once

#include "settings/registry.h"

namespace varnel::settings {

class WindowsRegistry : public Registry {
public:
    [[nodiscard]] bool SetValue(std::string_view keyPath, std::string_view name,
                                const RegistryValue& value) override;
    [[nodiscard]] std::optional<RegistryValue> GetValue(std::string_view keyPath,
                                                        std::string_view name) override;
    bool DeleteKey(std::string_view keyPath) override;
    [[nodiscard]] Text ExpandEnvironment(std::string_view text) override;
};

} // namespace varnel::settings
