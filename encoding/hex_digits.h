// Hexadecimal digits as the converter's families read and write them. Internal to the module.
#pragma once

#include <cstdint>
#include <string_view>

#include "base/hex_digit.h"

namespace varnel::encoding::detail {

// Also the first 16 digits of the radix alphabet "0-9A-Z".
inline constexpr std::string_view kHexDigits = kUpperHexDigits;
using varnel::HexDigitValue;

// The byte of a digit pair, high digit first; 0 when either byte is no hexadecimal digit.
[[nodiscard]] constexpr std::uint8_t HexPairValue(char high, char low) {
    const int h = HexDigitValue(high);
    const int l = HexDigitValue(low);
    return h < 0 || l < 0 ? std::uint8_t{0} : static_cast<std::uint8_t>(h * 16 + l);
}

// Two uppercase digits, high nibble first.
template <typename Out> void AppendHexByte(Out& out, std::uint8_t byte) {
    out.push_back(static_cast<typename Out::value_type>(kHexDigits[byte >> 4]));
    out.push_back(static_cast<typename Out::value_type>(kHexDigits[byte & 15]));
}

} // namespace varnel::encoding::detail
