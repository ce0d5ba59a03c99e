// ConvertRadix with the reason for an empty result, for callers that show it (varnel convert).
// The text is always the one that EncodingConverter::ConvertRadix returns.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "base/text.h"

namespace varnel::encoding {

enum class RadixError {
    kNone,
    kBadBase,  // a base outside 2 to 36
    kBadDigit, // a byte of the normalised source is no digit of the from-base
};

struct RadixConversion {
    Text text;
    RadixError error = RadixError::kNone;
    // kBadDigit: where the first offending byte is in the normalised source (full-width forms
    // made ASCII, letters uppercased), and the program's own message as GBK text:
    // "参数错误-" + normalised source + "不是一个有效的" + base in numerals + "进制数！".
    std::size_t offset = 0;
    Text diagnostic;
};

[[nodiscard]] RadixConversion ConvertRadixReporting(std::string_view source, std::int32_t fromBase,
                                                    std::int32_t toBase);

// A number from 1 to 99 in simplified Chinese numerals as GBK text ("十六" for 16, "二十" for 20,
// "三十六" for 36); the empty text outside that range.
[[nodiscard]] Text ChineseNumeral(std::int32_t value);

} // namespace varnel::encoding
