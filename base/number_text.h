// Numbers as text: the stored "%.13g" form and the lenient leading-number reader.
#pragma once

#include <string_view>

#include "base/text.h"

namespace varnel {

// printf's "%.13g": at most 13 significant digits, no trailing zeros, exponent form for very
// large or very small magnitudes ("0", "1.5", "0.3333333333333", "1e+20"). Locale-independent.
[[nodiscard]] Text FormatNumber(double value);

// The number at the start of a text, read the usual string-to-double way after full-width forms
// became ASCII (gbk::ToHalfWidth): leading white space skipped, an optional sign, digits with an
// optional decimal point, an optional exponent; reading stops at the first byte that does not
// fit. A text without a leading number gives 0; a magnitude beyond double gives +-infinity.
[[nodiscard]] double ParseLeadingNumber(std::string_view text);

} // namespace varnel
