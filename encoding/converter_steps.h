// The steps that the converter's operations share, each as the program took it on Windows: the
// platform's two calls, first for the size, then into a buffer of exactly that size. Internal.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "base/text.h"
#include "encoding/code_page.h"

namespace varnel::encoding::detail {

// A Text argument ends at its first zero byte, as a zero-terminated string does.
[[nodiscard]] inline std::string_view AsText(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

// The UTF-16LE code units of `bytes` followed by `zeroUnits` zero units: one for a text and its
// terminator, as a length of -1 hands them to MultiByteToWideChar.
[[nodiscard]] Bytes ToUnicode(CodePage cp, std::string_view bytes, std::size_t zeroUnits = 0);

// The code units in code page `cp` with the zero byte as default character, cut at the first
// zero: a zero unit or a unit without a form ends the text. An odd last byte takes no part.
[[nodiscard]] Text UnicodeToTextOf(CodePage cp, std::span<const std::uint8_t> unicode);

} // namespace varnel::encoding::detail
