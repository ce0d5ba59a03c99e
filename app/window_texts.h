// The main window's own texts as GBK: the caption, the progress text of the process command, the
// home page, the settings file and its keys. Written here as UTF-8 and converted with our own
// code-page 936 table, so they never depend on the compiler's execution character set.
#pragma once

#include <string_view>

#include "app/main_controls.h"
#include "base/text.h"

namespace varnel::app {

// "Varnel v1.0 - " followed by the contact line.
[[nodiscard]] Text WindowCaption();
// The contact line alone (联系邮箱：…), as UTF-8: the second half of the caption.
[[nodiscard]] std::u8string_view ContactLine();
// 正在去重中..
[[nodiscard]] Text ProcessingText();
// The maker's home page, opened by a press on the banner.
[[nodiscard]] Text HomePageAddress();

// A control's Chinese name and its initial text or caption.
[[nodiscard]] Text ControlName(const ControlSpec& spec);
[[nodiscard]] Text InitialText(const ControlSpec& spec);

// The remembered settings: file 主配置.ini, section 基本配置 and the keys that the program writes
// itself (the key of 单选框换行符 is its caption, 换行符).
[[nodiscard]] Text SettingsFileName();
[[nodiscard]] Text SettingsSection();
[[nodiscard]] Text SeparatorKey(); // 分隔符
[[nodiscard]] Text SourceKey();    // 原文
[[nodiscard]] Text PatternKey();   // 文件类型
[[nodiscard]] Text EncodingKey();  // 编码

} // namespace varnel::app
