// The control- and window-state pairs of SettingsStore: each reads a property through
// ControlAccess and stores it with the value operations, or the other way round.
#include <cmath>
#include <limits>

#include "base/gbk_text.h"
#include "settings/settings_store.h"

namespace varnel::settings {

namespace {

// GBK keys of the window placement.
constexpr std::string_view kStateKey = "\xCE\xBB\xD6\xC3";  // 位置
constexpr std::string_view kLeftKey = "\xD7\xF3\xB1\xDF";   // 左边
constexpr std::string_view kTopKey = "\xB6\xA5\xB1\xDF";    // 顶边
constexpr std::string_view kWidthKey = "\xBF\xED\xB6\xC8";  // 宽度
constexpr std::string_view kHeightKey = "\xB8\xDF\xB6\xC8"; // 高度

// SaveEditLines' own marker for one CR LF pair.
constexpr std::string_view kLinesMark = "[||]";

// Truncated toward zero and held in the integer range (a corrupt or huge number must not
// overflow the conversion).
std::int32_t ToInteger(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (!(value > -2147483648.0)) {
        return std::numeric_limits<std::int32_t>::min();
    }
    if (!(value < 2147483648.0)) {
        return std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(value);
}

// The checked-state pairs differ only in the numbers of their caption and checked properties.
bool SaveChecked(SettingsStore& store, ControlAccess& controls, WindowId window, ControlId control,
                 int caption, int checked) {
    return store.WriteBool(controls.ReadText(window, control, caption),
                           controls.ReadBool(window, control, checked));
}

bool LoadChecked(SettingsStore& store, ControlAccess& controls, WindowId window, ControlId control,
                 int caption, int checked) {
    const Text key = controls.ReadText(window, control, caption);
    const bool current = controls.ReadBool(window, control, checked);
    controls.WriteBool(window, control, checked, store.ReadBool(key, current));
    return controls.ReadBool(window, control, checked);
}

// The edit and combo text pairs differ only in the number of their text property.
bool SaveTextOf(SettingsStore& store, std::string_view key, ControlAccess& controls,
                WindowId window, ControlId control, int text) {
    return store.WriteText(key, controls.ReadText(window, control, text));
}

Text LoadTextOf(SettingsStore& store, std::string_view key, ControlAccess& controls,
                WindowId window, ControlId control, int text) {
    const Text current = controls.ReadText(window, control, text);
    controls.WriteText(window, control, text, store.ReadText(key, current));
    return controls.ReadText(window, control, text);
}

} // namespace

bool SettingsStore::SaveMenuCheck(ControlAccess& controls, WindowId window, ControlId item) {
    return SaveChecked(*this, controls, window, item, property::kMenuCaption,
                       property::kMenuChecked);
}

bool SettingsStore::LoadMenuCheck(ControlAccess& controls, WindowId window, ControlId item) {
    return LoadChecked(*this, controls, window, item, property::kMenuCaption,
                       property::kMenuChecked);
}

bool SettingsStore::SaveCheckState(ControlAccess& controls, WindowId window, ControlId control) {
    return SaveChecked(*this, controls, window, control, property::kCaption, property::kChecked);
}

bool SettingsStore::LoadCheckState(ControlAccess& controls, WindowId window, ControlId control) {
    return LoadChecked(*this, controls, window, control, property::kCaption, property::kChecked);
}

bool SettingsStore::SaveRadioState(ControlAccess& controls, WindowId window, ControlId control) {
    return SaveCheckState(controls, window, control);
}

bool SettingsStore::LoadRadioState(ControlAccess& controls, WindowId window, ControlId control) {
    return LoadCheckState(controls, window, control);
}

bool SettingsStore::SaveEditLines(std::string_view key, ControlAccess& controls, WindowId window,
                                  ControlId control) {
    const Text text = controls.ReadText(window, control, property::kEditText);
    return WriteText(key, gbk::ReplaceAll(text, "\r\n", kLinesMark));
}

Text SettingsStore::LoadEditLines(std::string_view key, ControlAccess& controls, WindowId window,
                                  ControlId control) {
    const Text current = controls.ReadText(window, control, property::kEditText);
    const Text stored = ReadText(key, current);
    controls.WriteText(window, control, property::kEditText,
                       gbk::ReplaceAll(stored, kLinesMark, "\r\n"));
    return controls.ReadText(window, control, property::kEditText);
}

bool SettingsStore::SaveEditText(std::string_view key, ControlAccess& controls, WindowId window,
                                 ControlId control) {
    return SaveTextOf(*this, key, controls, window, control, property::kEditText);
}

Text SettingsStore::LoadEditText(std::string_view key, ControlAccess& controls, WindowId window,
                                 ControlId control) {
    return LoadTextOf(*this, key, controls, window, control, property::kEditText);
}

bool SettingsStore::SaveComboText(std::string_view key, ControlAccess& controls, WindowId window,
                                  ControlId control) {
    return SaveTextOf(*this, key, controls, window, control, property::kComboText);
}

Text SettingsStore::LoadComboText(std::string_view key, ControlAccess& controls, WindowId window,
                                  ControlId control) {
    return LoadTextOf(*this, key, controls, window, control, property::kComboText);
}

void SettingsStore::SaveWindowPlacement(ControlAccess& controls, WindowId window,
                                        std::string_view section) {
    if (!section.empty()) {
        SetSection(section);
    }
    const auto read = [&](int number) {
        return controls.ReadInteger(window, kWindowItself, number);
    };
    const std::int32_t state = read(property::kWindowState);
    // The callers of the placement pair have no use for the write flags.
    (void)WriteNumber(kStateKey, state);
    if (state >= 2) {
        return; // minimized or maximized: the rectangle is not the one to restore
    }
    (void)WriteNumber(kLeftKey, read(property::kLeft));
    (void)WriteNumber(kTopKey, read(property::kTop));
    (void)WriteNumber(kWidthKey, read(property::kWidth));
    (void)WriteNumber(kHeightKey, read(property::kHeight));
}

void SettingsStore::LoadWindowPlacement(ControlAccess& controls, WindowId window,
                                        std::string_view section) {
    if (!section.empty()) {
        SetSection(section);
    }
    const auto load = [&](std::string_view key, int number) {
        return ToInteger(ReadNumber(key, controls.ReadInteger(window, kWindowItself, number)));
    };
    controls.WriteInteger(window, kWindowItself, property::kWindowState,
                          load(kStateKey, property::kWindowState));
    if (controls.ReadInteger(window, kWindowItself, property::kWindowState) >= 2) {
        return;
    }
    const std::int32_t left = load(kLeftKey, property::kLeft);
    const std::int32_t top = load(kTopKey, property::kTop);
    const std::int32_t width = load(kWidthKey, property::kWidth);
    const std::int32_t height = load(kHeightKey, property::kHeight);
    controls.Move(window, kWindowItself, left, top, width, height);
}

} // namespace varnel::settings
