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
    const std::string utf8Name = encoding::Recode(CodePage::kGbk, CodePage::kUtf8, name);
    const char* value = std::getenv(utf8Name.c_str());
    if (value == nullptr) {
        return std::nullopt;
    }
    // The environment of a UTF-8 system.
    return encoding::Recode(CodePage::kUtf8, CodePage::kGbk, value);
}

} // namespace varnel::settings
