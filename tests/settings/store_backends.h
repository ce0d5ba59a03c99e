// The back ends that every store test runs against: an INI file, the registry emulation and, on
// Windows, the real registry. Each gives an opened store and a look at what it stored.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "settings/settings_store.h"

namespace varnel::settings::test {

class StoreBackend {
public:
    virtual ~StoreBackend() = default;
    // A store opened on a fresh, empty place (INI file or registry key) with `section` set.
    [[nodiscard]] virtual SettingsStore OpenStore(std::string_view section) = 0;
    // The stored text of `key` in `section`, as the back end holds it; "<missing>" when absent.
    [[nodiscard]] virtual Text Stored(std::string_view section, std::string_view key) = 0;
    // Puts a stored text in place as another program (or a person) would.
    virtual void Plant(std::string_view section, std::string_view key, std::string_view text) = 0;
};

enum class BackendKind { kIni, kFileRegistry, kWindowsRegistry };

[[nodiscard]] std::vector<BackendKind> AllBackends();
[[nodiscard]] std::unique_ptr<StoreBackend> MakeBackend(BackendKind kind);
[[nodiscard]] std::string BackendName(BackendKind kind);

} // namespace varnel::settings::test
