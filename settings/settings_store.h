// SettingsStore: named, typed values kept as text in one section of an INI file or, in registry
// mode, under a registry key below HKEY_CLASSES_ROOT; and pairs of operations that save and
// restore the state of controls and windows through those values. Every operation goes straight
// to the file or the registry; nothing is cached.
//
// Stored forms (stored_forms.h): texts with each CR LF as "┊*┊", numbers as "%.13g", booleans
// as "真" / "假", date-times as "2013年1月5日9时30分7秒" without the zero tail.
#pragma once

#include <string_view>

#include "base/text.h"
#include "settings/control_access.h"
#include "settings/registry.h"

namespace varnel::settings {

class SettingsStore {
public:
    // An empty store in INI mode: no path, no section, no prefix. Registry mode uses the
    // platform's registry (SystemRegistry()), or `registry`, which must outlive the store.
    SettingsStore();
    explicit SettingsStore(Registry& registry);

    // Copies are deep: each store owns its texts. The registry is shared, never owned.
    SettingsStore(const SettingsStore&) = default;
    SettingsStore& operator=(const SettingsStore&) = default;
    ~SettingsStore() = default;

    // `path` becomes the INI file (a GBK path) or, with `useRegistry`, the key path below
    // HKEY_CLASSES_ROOT. A non-empty `section` is then set as by SetSection; without one the
    // section and the key prefix stay as they were (switching modes does not rebuild the prefix).
    void Open(std::string_view path, std::string_view section = {}, bool useRegistry = false);

    // Makes `section` current for every later read and write. In registry mode the key prefix
    // becomes path + "\" + section + "\"; in INI mode it is left alone.
    void SetSection(std::string_view section);

    // Writes return whether the value was stored. Reads never fail: a missing file, section, key
    // or value gives the default. In INI mode a read skips leading bytes 01..20 of the file
    // name, the section and the key, and gives the empty text (parsed as below) when one of them
    // is then empty, whatever the default.
    [[nodiscard]] bool WriteText(std::string_view key, std::string_view value);
    // The text with "┊*┊" turned back into CR LF; a default comes back unchanged unless it held
    // "┊*┊" itself.
    [[nodiscard]] Text ReadText(std::string_view key, std::string_view defaultText = {});
    [[nodiscard]] bool WriteNumber(std::string_view key, double value);
    // The leading number of the stored text, full-width digits included; 0 when there is none.
    // The default passes through its "%.13g" form (0.1 + 0.2 comes back as 0.3).
    [[nodiscard]] double ReadNumber(std::string_view key, double defaultValue = 0);
    [[nodiscard]] bool WriteBool(std::string_view key, bool value);
    // True only for a stored "真".
    [[nodiscard]] bool ReadBool(std::string_view key, bool defaultValue = false);
    // False only for a stored "假"; any other text, the empty one included, is true.
    [[nodiscard]] bool ReadBoolLenient(std::string_view key, bool defaultValue = false);
    [[nodiscard]] bool WriteDateTime(std::string_view key, DateTime value);
    // A stored date-time that does not parse gives 100-01-01 00:00:00; the default passes
    // through its text form and so comes back at whole seconds.
    [[nodiscard]] DateTime ReadDateTime(std::string_view key, DateTime defaultValue = 0);

    // Control and window state, in the current section. A Save reads one property of the
    // control and stores it; it returns whether the value was written. A Load reads the stored
    // value with the control's current property as default, sets the property and returns it
    // as read back from the control, so a value never stored leaves the control as it is.
    //
    // Menu item: key = caption (property 0), value = checked (property 1), stored as a boolean.
    bool SaveMenuCheck(ControlAccess& controls, WindowId window, ControlId item);
    bool LoadMenuCheck(ControlAccess& controls, WindowId window, ControlId item);
    // Check box and radio button: key = caption (11), value = checked (18), a boolean. Only a
    // stored "真" checks the control; any other stored text unchecks it.
    bool SaveCheckState(ControlAccess& controls, WindowId window, ControlId control);
    bool LoadCheckState(ControlAccess& controls, WindowId window, ControlId control);
    bool SaveRadioState(ControlAccess& controls, WindowId window, ControlId control);
    bool LoadRadioState(ControlAccess& controls, WindowId window, ControlId control);
    // Edit box text (8) under `key`, each CR LF stored as "[||]"; Load turns every "[||]" (also
    // one typed by the user) and every "┊*┊" back into CR LF.
    bool SaveEditLines(std::string_view key, ControlAccess& controls, WindowId window,
                       ControlId control);
    Text LoadEditLines(std::string_view key, ControlAccess& controls, WindowId window,
                       ControlId control);
    // Edit box text (8) and combo box text (9) under `key`, stored with WriteText.
    bool SaveEditText(std::string_view key, ControlAccess& controls, WindowId window,
                      ControlId control);
    Text LoadEditText(std::string_view key, ControlAccess& controls, WindowId window,
                      ControlId control);
    bool SaveComboText(std::string_view key, ControlAccess& controls, WindowId window,
                       ControlId control);
    Text LoadComboText(std::string_view key, ControlAccess& controls, WindowId window,
                       ControlId control);
    // The window's position state under "位置" and, unless it is minimized or maximized, its
    // rectangle under "左边", "顶边", "宽度", "高度". A non-empty `section` first becomes current
    // (and stays so). Load applies the state and, for a window that is then neither minimized
    // nor maximized, moves it to the stored rectangle (a stored width or height of -1 keeps it).
    void SaveWindowPlacement(ControlAccess& controls, WindowId window,
                             std::string_view section = {});
    void LoadWindowPlacement(ControlAccess& controls, WindowId window,
                             std::string_view section = {});

    // The directory of the executable + separator + `name` (or, without `useName`, the
    // executable's own file name) with its last extension replaced by ".ini": "a.b.exe" gives
    // "a.b.ini", "cfg" gives "cfg.ini". A GBK path.
    [[nodiscard]] Text DefaultIniPath(std::string_view name = {}, bool useName = false) const;

    [[nodiscard]] const Text& Path() const { return path_; }
    [[nodiscard]] const Text& Section() const { return section_; }
    [[nodiscard]] bool RegistryMode() const { return registryMode_; }
    [[nodiscard]] const Text& KeyPrefix() const { return keyPrefix_; }

private:
    [[nodiscard]] bool WriteStored(std::string_view key, std::string_view stored);
    [[nodiscard]] Text ReadStored(std::string_view key, std::string_view defaultText);

    Text path_;
    Text section_;
    bool registryMode_ = false;
    Text keyPrefix_;
    Registry* registry_;
};

// DefaultIniPath for an executable at `executablePath` (a GBK path); the folder is joined to the
// base with kPathSeparator, without doubling a separator that ends the folder (a drive root).
[[nodiscard]] Text DefaultIniPathFor(std::string_view executablePath, std::string_view name,
                                     bool useName);

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

} // namespace varnel::settings
