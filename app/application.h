// The program-wide objects: the one settings store and the one converter. They are created
// before the main window and destroyed, the store first, after its message loop has ended.
#pragma once

#include <string_view>

#include "encoding/encoding_converter.h"
#include "settings/settings_store.h"

namespace varnel::app {

class Application {
public:
    // The program-wide set-up: an empty store and the converter, then the store opened on
    // `settingsPath` (GBK) in INI mode, without a section. The file need not exist.
    explicit Application(std::string_view settingsPath);

    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    [[nodiscard]] settings::SettingsStore& Settings() { return settings_; }
    [[nodiscard]] encoding::EncodingConverter& Converter() { return converter_; }

private:
    // Declared in reverse order of the exit clean-up, which destroys the store first.
    encoding::EncodingConverter converter_;
    settings::SettingsStore settings_;
};

} // namespace varnel::app
