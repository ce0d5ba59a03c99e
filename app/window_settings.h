// The five remembered settings of the main window in section 基本配置 of 主配置.ini: the separator
// choice (单选框换行符, key 换行符 = its caption), the typed separator (分隔符), the source text
// (原文), the file pattern (文件类型) and the encoding index (编码). Restore runs once the window
// and its controls exist; save runs on every close request. Every default is the control's
// current value, so a missing file, section or key leaves the window as it is; write failures
// (a read-only folder) pass silently.
#pragma once

#include <string_view>

#include "base/text.h"
#include "settings/control_access.h"
#include "settings/settings_store.h"

namespace varnel::app {

// The settings file for the executable at `executablePath` (GBK): its folder + "主配置.ini".
[[nodiscard]] Text SettingsFilePath(std::string_view executablePath);

// In this order: section 基本配置; 单选框换行符 by LoadRadioState and 单选框自己输入 set to the
// opposite; 编辑框分隔符, 编辑框原文, 编辑框文件类型 by ReadText; 组合框编码 by ReadNumber, cut
// toward zero: above the last index selects the last entry, below 0 selects none.
void RestoreWindowSettings(settings::SettingsStore& store, settings::ControlAccess& controls);

// In the same order: section 基本配置; SaveRadioState of 单选框换行符; WriteText of the three
// boxes; WriteNumber of the selected index (-1 when none).
void SaveWindowSettings(settings::SettingsStore& store, settings::ControlAccess& controls);

} // namespace varnel::app
