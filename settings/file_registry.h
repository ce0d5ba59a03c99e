// A registry emulation kept in one text file, for systems without a registry. It behaves as the
// Windows registry does for everything the settings store needs: keys with all their levels,
// REG_SZ / REG_EXPAND_SZ / other values, names matched with ASCII letters case-insensitive.
//
// Where: DefaultRegistryFile(), that is $XDG_CONFIG_HOME/varnel/registry.txt, or
// $HOME/.config/varnel/registry.txt when XDG_CONFIG_HOME is not set. The file holds
// HKEY_CLASSES_ROOT, in UTF-8, one line per key and per value:
//
//     # varnel registry emulation: HKEY_CLASSES_ROOT
//     key "A\\S"
//     value "k" sz "v"
//     value "e" expand_sz "%HOME%\\x"
//
// Value lines belong to the key line above them. Quoted texts escape "\" as "\\", a quote as
// "\"", CR and LF as "\r" and "\n" and other control bytes as "\xHH". Each change rewrites the
// whole file through a new file that replaces the old one, so it is never seen half-written.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>

#include "settings/registry.h"

namespace varnel::settings {

class FileRegistry : public Registry {
public:
    explicit FileRegistry(std::filesystem::path file);

    [[nodiscard]] bool SetValue(std::string_view keyPath, std::string_view name,
                                const RegistryValue& value) override;
    [[nodiscard]] std::optional<RegistryValue> GetValue(std::string_view keyPath,
                                                        std::string_view name) override;
    bool DeleteKey(std::string_view keyPath) override;
    [[nodiscard]] Text ExpandEnvironment(std::string_view text) override;

    [[nodiscard]] const std::filesystem::path& File() const { return file_; }

private:
    std::filesystem::path file_;
};

// $XDG_CONFIG_HOME/varnel/registry.txt or $HOME/.config/varnel/registry.txt; empty when
// neither variable is set (every write then fails and every read gives its default).
[[nodiscard]] std::filesystem::path DefaultRegistryFile();

// The value of an environment variable as GBK; nullopt when it is not set.
[[nodiscard]] std::optional<Text> EnvironmentVariable(std::string_view name);

// `text` with each %NAME% whose variable `lookup` knows replaced by its value; a "%" without a
// closing one, "%%" and unknown names stay as they are.
[[nodiscard]] Text
ExpandReferences(std::string_view text,
                 const std::function<std::optional<Text>(std::string_view name)>& lookup);

} // namespace varnel::settings
