// POSIX paths are bytes that every current system reads as UTF-8, whatever the process locale.
#include "platform/native_path.h"

#include <string>

#include "encoding/code_page.h"

namespace varnel::platform {

using encoding::CodePage;

std::filesystem::path PathFromText(std::string_view gbk) {
    const std::u16string units = encoding::MultiByteToUtf16(CodePage::kGbk, TextUpToZero(gbk));
    return std::filesystem::path(encoding::Utf16ToMultiByte(CodePage::kUtf8, units));
}

Text TextFromPath(const std::filesystem::path& path) {
    const std::u16string units = encoding::MultiByteToUtf16(CodePage::kUtf8, path.native());
    // U+FFFD (an invalid sequence) has no GBK form either, so it also becomes "?".
    return TextUpToZero(encoding::Utf16ToMultiByte(CodePage::kGbk, units, '?'));
}

} // namespace varnel::platform
