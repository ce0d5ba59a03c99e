// Simplified <-> traditional Chinese on GBK text, character for character, with our own table
// (the system's script mapping is not the same everywhere and missing under Wine).
#pragma once

#include <span>
#include <string_view>

#include "base/text.h"

namespace varnel::encoding {

enum class ChineseScript { kTraditional, kSimplified };

// Writes `gbk` into `out` with every double-byte character that has a form in `target` replaced
// by that form; every other byte is copied. The output has exactly as many bytes as the input:
// false, with `out` untouched, when `out` has another size.
[[nodiscard]] bool MapChineseScript(std::string_view gbk, ChineseScript target,
                                    std::span<char> out);

// The same, returning the mapped text.
[[nodiscard]] Text MapChineseScript(std::string_view gbk, ChineseScript target);

} // namespace varnel::encoding
