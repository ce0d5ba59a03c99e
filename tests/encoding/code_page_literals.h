// The bytes of a UTF-16 literal in a code page, through our own tables, never the compiler's
// charset: Gbk(u"中") is D6 D0, Big5(u"中") A4 A4, Utf8(u"中") E4 B8 AD.
#pragma once

#include <string_view>

#include "base/text.h"
#include "encoding/code_page.h"

namespace varnel::test {

[[nodiscard]] inline Text Gbk(std::u16string_view units) {
    return encoding::Utf16ToMultiByte(encoding::CodePage::kGbk, units);
}

[[nodiscard]] inline Text Big5(std::u16string_view units) {
    return encoding::Utf16ToMultiByte(encoding::CodePage::kBig5, units);
}

[[nodiscard]] inline std::string Utf8(std::u16string_view units) {
    return encoding::Utf16ToMultiByte(encoding::CodePage::kUtf8, units);
}

} // namespace varnel::test
