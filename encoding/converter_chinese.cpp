// Simplified and traditional Chinese, and BIG5 (code page 950) to and from GBK. The script
// mapping writes into a buffer of spaces as long as the input; the code-page conversions size
// and convert in two calls each, a missing character ending the result (the zero byte stands in
// for it).
#include "encoding/chinese_script.h"
#include "encoding/code_page.h"
#include "encoding/converter_steps.h"
#include "encoding/encoding_converter.h"

namespace varnel::encoding {
namespace {

using detail::AsText;

Text MapScript(std::string_view text, ChineseScript target) {
    return MapChineseScript(AsText(text), target);
}

Text Recode(std::string_view text, CodePage from, CodePage to) {
    return detail::UnicodeToTextOf(to, detail::ToUnicode(from, AsText(text), 1));
}

} // namespace

Text EncodingConverter::SimplifiedToTraditional(std::string_view gbk) const {
    return MapScript(gbk, ChineseScript::kTraditional);
}

Text EncodingConverter::TraditionalToSimplified(std::string_view gbk) const {
    return MapScript(gbk, ChineseScript::kSimplified);
}

Text EncodingConverter::Big5ToGbk(std::string_view big5) const {
    return Recode(big5, CodePage::kBig5, CodePage::kGbk);
}

Text EncodingConverter::Big5ToSimplified(std::string_view big5) const {
    return TraditionalToSimplified(Big5ToGbk(big5));
}

Text EncodingConverter::GbkToBig5(std::string_view gbk) const {
    return Recode(gbk, CodePage::kGbk, CodePage::kBig5);
}

Text EncodingConverter::SimplifiedToBig5(std::string_view gbk) const {
    return GbkToBig5(SimplifiedToTraditional(gbk));
}

Text EncodingConverter::ToTraditional(std::string_view gbk) const {
    return MapScript(gbk, ChineseScript::kTraditional);
}

Text EncodingConverter::ToSimplified(std::string_view gbk) const {
    return MapScript(gbk, ChineseScript::kSimplified);
}

} // namespace varnel::encoding
