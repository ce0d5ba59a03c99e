// GBK bytes of a UTF-16 literal through our own code-page table, never the compiler's charset:
// Gbk(u"中") is D6 D0.
#pragma once

#include <string_view>

#include "base/text.h"
#include "encoding/code_page.h"

namespace varnel::test {

[[nodiscard]] inline Text Gbk(std::u16string_view units) {
    return encoding::Utf16ToMultiByte(encoding::CodePage::kGbk, units);
}

} // namespace varnel::test
