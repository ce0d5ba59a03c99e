#include "app/window_settings.h"

#include <cmath>

#include "app/main_controls.h"
#include "app/window_texts.h"

namespace varnel::app {

namespace {

namespace property = settings::property;

struct StoredBox {
    settings::ControlId control;
    Text (*key)();
};

constexpr StoredBox kStoredBoxes[] = {
    {control::kSeparatorEdit, SeparatorKey},
    {control::kSourceEdit, SourceKey},
    {control::kPatternEdit, PatternKey},
};

// The stored number as an index of the list: cut toward zero, above the last entry the last,
// below 0 none. A stored text that is not a number has already read as 0.
int ListIndex(double stored) {
    const int last = static_cast<int>(EncodingEntries().size()) - 1;
    if (std::isnan(stored)) {
        return 0;
    }
    const double cut = std::trunc(stored);
    if (cut > last) {
        return last;
    }
    if (cut < 0) {
        return -1;
    }
    return static_cast<int>(cut);
}

} // namespace

Text SettingsFilePath(std::string_view executablePath) {
    return settings::DefaultIniPathFor(executablePath, SettingsFileName(), true);
}

void RestoreWindowSettings(settings::SettingsStore& store, settings::ControlAccess& controls) {
    store.SetSection(SettingsSection());
    const bool lineBreak = store.LoadRadioState(controls, kMainWindowId, control::kLineBreakRadio);
    controls.WriteBool(kMainWindowId, control::kTypedRadio, property::kChecked, !lineBreak);
    for (const StoredBox& box : kStoredBoxes) {
        const Text current = controls.ReadText(kMainWindowId, box.control, property::kEditText);
        controls.WriteText(kMainWindowId, box.control, property::kEditText,
                           store.ReadText(box.key(), current));
    }
    const int current =
        controls.ReadInteger(kMainWindowId, control::kEncodingList, property::kComboIndex);
    controls.WriteInteger(kMainWindowId, control::kEncodingList, property::kComboIndex,
                          ListIndex(store.ReadNumber(EncodingKey(), current)));
}

void SaveWindowSettings(settings::SettingsStore& store, settings::ControlAccess& controls) {
    // Nothing can be done about a write that fails while the window closes: the next start
    // shows the previous values, or the defaults.
    store.SetSection(SettingsSection());
    (void)store.SaveRadioState(controls, kMainWindowId, control::kLineBreakRadio);
    for (const StoredBox& box : kStoredBoxes) {
        (void)store.WriteText(box.key(),
                              controls.ReadText(kMainWindowId, box.control, property::kEditText));
    }
    (void)store.WriteNumber(
        EncodingKey(),
        controls.ReadInteger(kMainWindowId, control::kEncodingList, property::kComboIndex));
}

} // namespace varnel::app
