#include "tests/settings/store_backends.h"

#include <atomic>

#include "platform/native_path.h"
#include "settings/file_registry.h"
#include "settings/ini_file.h"
#include "tests/support/temp_dir.h"

#ifdef _WIN32
#include "settings/windows_registry.h"
#endif

namespace varnel::settings::test {

namespace {

constexpr std::string_view kMissing = "<missing>";

class IniBackend : public StoreBackend {
public:
    SettingsStore OpenStore(std::string_view section) override {
        SettingsStore store;
        store.Open(platform::TextFromPath(File()), section);
        return store;
    }
    Text Stored(std::string_view section, std::string_view key) override {
        return ReadIniValue(File(), section, key, kMissing);
    }
    void Plant(std::string_view section, std::string_view key, std::string_view text) override {
        (void)WriteIniValue(File(), section, key, text);
    }

private:
    std::filesystem::path File() const { return dir_.Path() / "settings.ini"; }
    varnel::test::TempDir dir_;
};

// Registry back ends share the case logic; each test gets its own key below the root.
class RegistryBackend : public StoreBackend {
public:
    SettingsStore OpenStore(std::string_view section) override {
        SettingsStore store(registry());
        store.Open(path_, section, true);
        return store;
    }
    Text Stored(std::string_view section, std::string_view key) override {
        return ReadRegistryText(registry(), path_ + "\\" + Text(section) + "\\" + Text(key),
                                kMissing);
    }
    void Plant(std::string_view section, std::string_view key, std::string_view text) override {
        (void)WriteRegistryText(registry(), path_ + "\\" + Text(section) + "\\" + Text(key), text);
    }

protected:
    virtual Registry& registry() = 0;
    void Forget() { (void)registry().DeleteKey(path_); }

    Text path_ = "VarnelTest\\Store" + std::to_string(counter_++);

private:
    static inline std::atomic<int> counter_{0};
};

class FileRegistryBackend : public RegistryBackend {
private:
    Registry& registry() override { return registry_; }
    varnel::test::TempDir dir_;
    FileRegistry registry_{dir_.Path() / "registry.txt"};
};

#ifdef _WIN32
class WindowsRegistryBackend : public RegistryBackend {
public:
    WindowsRegistryBackend() { Forget(); }
    ~WindowsRegistryBackend() override { Forget(); }

private:
    Registry& registry() override { return registry_; }
    WindowsRegistry registry_;
};
#endif

} // namespace

std::vector<BackendKind> AllBackends() {
#ifdef _WIN32
    return {BackendKind::kIni, BackendKind::kFileRegistry, BackendKind::kWindowsRegistry};
#else
    return {BackendKind::kIni, BackendKind::kFileRegistry};
#endif
}

std::unique_ptr<StoreBackend> MakeBackend(BackendKind kind) {
    switch (kind) {
    case BackendKind::kIni:
        return std::make_unique<IniBackend>();
    case BackendKind::kFileRegistry:
        return std::make_unique<FileRegistryBackend>();
    case BackendKind::kWindowsRegistry:
#ifdef _WIN32
        return std::make_unique<WindowsRegistryBackend>();
#else
        break;
#endif
    }
    return nullptr;
}

std::string BackendName(BackendKind kind) {
    switch (kind) {
    case BackendKind::kIni:
        return "Ini";
    case BackendKind::kFileRegistry:
        return "FileRegistry";
    case BackendKind::kWindowsRegistry:
        return "WindowsRegistry";
    }
    return "Unknown";
}

} // namespace varnel::settings::test
