// Windows paths are UTF-16: GBK text converts straight to and from the path's wide characters.
#include "platform/native_path.h"

#include <string>

#include "encoding/code_page.h"

namespace varnel::platform {

using encoding::CodePage;

std::filesystem::path PathFromText(std::string_view gbk) {
    const std::u16string units = encoding::MultiByteToUtf16(CodePage::kGbk, TextUpToZero(gbk));
    return std::filesystem::path(std::wstring(units.begin(), units.end()));
}

Text TextFromPath(const std::filesystem::path& path) {
    const std::wstring& native = path.native();
    const std::u16string units(native.begin(), native.end());
    return TextUpToZero(encoding::Utf16ToMultiByte(CodePage::kGbk, units, '?'));
}

} // namespace varnel::platform
