// POSIX paths are bytes that every current system reads as UTF-8, whatever the process locale.
#include "platform/native_path.h"

#include <string>

#include "encoding/code_page.h"

namespace varnel::platform {

using encoding::CodePage;

std::filesystem::path PathFromText(std::string_view gbk) {
    return std::filesystem::path(
        encoding::Recode(CodePage::kGbk, CodePage::kUtf8, TextUpToZero(gbk)));
}

Text TextFromPath(const std::filesystem::path& path) {
    // U+FFFD (an invalid sequence) has no GBK form either, so it also becomes "?".
    return TextUpToZero(encoding::Recode(CodePage::kUtf8, CodePage::kGbk, path.native(), '?'));
}

} // namespace varnel::platform
