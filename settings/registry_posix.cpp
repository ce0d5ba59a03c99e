#include <cstdlib>

#include "encoding/code_page.h"
#include "settings/file_registry.h"

namespace varnel::settings {

Registry& SystemRegistry() {
    static FileRegistry registry(DefaultRegistryFile());
    return registry;
}

std::optional<Text> EnvironmentVariable(std::string_view name) {
    using encoding::CodePage;
    const std::string utf8Name = encoding::Utf16ToMultiByte(
        CodePage::kUtf8, encoding::MultiByteToUtf16(CodePage::kGbk, name));
    const char* value = std::getenv(utf8Name.c_str());
    if (value == nullptr) {
        return std::nullopt;
    }
    // The environment of a UTF-8 system.
    return encoding::Utf16ToMultiByte(CodePage::kGbk,
                                      encoding::MultiByteToUtf16(CodePage::kUtf8, value));
}

} // namespace varnel::settings
