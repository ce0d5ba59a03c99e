#include "app/window_texts.h"

#include "app/batch_texts.h"

namespace varnel::app {

Text WindowCaption() {
    return "Varnel v1.0 - " + GbkFromUtf8(ContactLine());
}

std::u8string_view ContactLine() {
    return u8"联系邮箱：hello@varnel.org";
}

Text ProcessingText() {
    return GbkFromUtf8(u8"正在去重中..");
}

Text HomePageAddress() {
    return "https://varnel.org/";
}

Text ControlName(const ControlSpec& spec) {
    return GbkFromUtf8(spec.name);
}

Text InitialText(const ControlSpec& spec) {
    return GbkFromUtf8(spec.text);
}

Text SettingsFileName() {
    return GbkFromUtf8(u8"主配置.ini");
}

Text SettingsSection() {
    return GbkFromUtf8(u8"基本配置");
}

Text SeparatorKey() {
    return GbkFromUtf8(u8"分隔符");
}

Text SourceKey() {
    return GbkFromUtf8(u8"原文");
}

Text PatternKey() {
    return GbkFromUtf8(u8"文件类型");
}

Text EncodingKey() {
    return GbkFromUtf8(u8"编码");
}

} // namespace varnel::app
