#include "settings/settings_store.h"

#include "base/gbk_text.h"
#include "base/number_text.h"
#include "platform/native_path.h"
#include "settings/executable_path.h"
#include "settings/ini_file.h"
#include "settings/stored_forms.h"

namespace varnel::settings {

namespace {

// INI reads ignore leading spaces and control characters (bytes 01 to 20) of their names.
std::string_view SkipLeadingControls(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= 0x20) {
        text.remove_prefix(1);
    }
    return text;
}

std::string_view BoolText(bool value) {
    return value ? kTrueText : kFalseText;
}

} // namespace

SettingsStore::SettingsStore() : registry_(&SystemRegistry()) {}

SettingsStore::SettingsStore(Registry& registry) : registry_(&registry) {}

void SettingsStore::Open(std::string_view path, std::string_view section, bool useRegistry) {
    path_ = Text(path);
    registryMode_ = useRegistry;
    if (!section.empty()) {
        SetSection(section);
    }
}

void SettingsStore::SetSection(std::string_view section) {
    section_ = Text(section);
    if (registryMode_) {
        keyPrefix_ = path_ + "\\" + section_ + "\\";
    }
}

bool SettingsStore::WriteStored(std::string_view key, std::string_view stored) {
    if (registryMode_) {
        return WriteRegistryText(*registry_, keyPrefix_ + Text(key), stored);
    }
    return WriteIniValue(platform::PathFromText(path_), section_, key, stored);
}

Text SettingsStore::ReadStored(std::string_view key, std::string_view defaultText) {
    if (registryMode_) {
        return ReadRegistryText(*registry_, keyPrefix_ + Text(key), defaultText);
    }
    const std::string_view file = SkipLeadingControls(path_);
    const std::string_view section = SkipLeadingControls(section_);
    key = SkipLeadingControls(key);
    if (file.empty() || section.empty() || key.empty()) {
        return {};
    }
    return ReadIniValue(platform::PathFromText(file), section, key, defaultText);
}

bool SettingsStore::WriteText(std::string_view key, std::string_view value) {
    return WriteStored(key, EscapeLineBreaks(value));
}

Text SettingsStore::ReadText(std::string_view key, std::string_view defaultText) {
    return UnescapeLineBreaks(ReadStored(key, EscapeLineBreaks(defaultText)));
}

bool SettingsStore::WriteNumber(std::string_view key, double value) {
    return WriteStored(key, FormatNumber(value));
}

double SettingsStore::ReadNumber(std::string_view key, double defaultValue) {
    return ParseLeadingNumber(ReadStored(key, FormatNumber(defaultValue)));
}

bool SettingsStore::WriteBool(std::string_view key, bool value) {
    return WriteStored(key, BoolText(value));
}

bool SettingsStore::ReadBool(std::string_view key, bool defaultValue) {
    return ReadStored(key, BoolText(defaultValue)) == kTrueText;
}

bool SettingsStore::ReadBoolLenient(std::string_view key, bool defaultValue) {
    return ReadStored(key, BoolText(defaultValue)) != kFalseText;
}

bool SettingsStore::WriteDateTime(std::string_view key, DateTime value) {
    return WriteStored(key, FormatDateTime(value));
}

DateTime SettingsStore::ReadDateTime(std::string_view key, DateTime defaultValue) {
    return ParseDateTime(ReadStored(key, FormatDateTime(defaultValue))).value_or(kUnparsedDateTime);
}

Text SettingsStore::DefaultIniPath(std::string_view name, bool useName) const {
    return DefaultIniPathFor(ExecutablePath(), name, useName);
}

Text DefaultIniPathFor(std::string_view executablePath, std::string_view name, bool useName) {
    // The folder ends at the last separator; Windows also takes "/" for one.
    std::size_t cut = gbk::FindLast(executablePath, kPathSeparator);
    if (kPathSeparator == '\\') {
        const std::size_t slash = gbk::FindLast(executablePath, '/');
        if (slash != gbk::kNotFound && (cut == gbk::kNotFound || slash > cut)) {
            cut = slash;
        }
    }
    const std::string_view folder =
        cut == gbk::kNotFound ? std::string_view() : executablePath.substr(0, cut + 1);
    Text base = useName
                    ? Text(name)
                    : Text(cut == gbk::kNotFound ? executablePath : executablePath.substr(cut + 1));
    if (const std::size_t dot = gbk::FindLast(base, '.'); dot != gbk::kNotFound) {
        base.resize(dot);
    }
    base += ".ini";
    // `folder` keeps its separator, so a drive root "C:\" gets none doubled.
    return Text(folder) + base;
}

} // namespace varnel::settings
