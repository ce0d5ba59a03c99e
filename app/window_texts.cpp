#include "app/window_texts.h"

#include "encoding/code_page.h"

namespace varnel::app {

using encoding::CodePage;

Text GbkFromUtf8Literal(std::u8string_view utf8) {
    const std::string_view bytes(reinterpret_cast<const char*>(utf8.data()), utf8.size());
    return encoding::Utf16ToMultiByte(CodePage::kGbk,
                                      encoding::MultiByteToUtf16(CodePage::kUtf8, bytes), '?');
}

Text WindowCaption() {
    return "Varnel v1.0 - " + GbkFromUtf8Literal(ContactLine());
}

std::u8string_view ContactLine() {
    return u8"联系邮箱：hello@varnel.org";
}

Text ProcessingText() {
    return GbkFromUtf8Literal(u8"正在去重中..");
}

Text HomePageAddress() {
    return "https://varnel.org/";
}

Text ControlName(const ControlSpec& spec) {
    return GbkFromUtf8Literal(spec.name);
}

Text InitialText(const ControlSpec& spec) {
    return GbkFromUtf8Literal(spec.text);
}

Text SettingsFileName() {
    return GbkFromUtf8Literal(u8"主配置.ini");
}

Text SettingsSection() {
    return GbkFromUtf8Literal(u8"基本配置");
}

Text SeparatorKey() {
    return GbkFromUtf8Literal(u8"分隔符");
}

Text SourceKey() {
    return GbkFromUtf8Literal(u8"原文");
}

Text PatternKey() {
    return GbkFromUtf8Literal(u8"文件类型");
}

Text EncodingKey() {
    return GbkFromUtf8Literal(u8"编码");
}

} // namespace varnel::app
