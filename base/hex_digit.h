// Hexadecimal digits: reading one in either case, writing them in uppercase.
#pragma once

#include <cstdint>
#include <string_view>

namespace varnel {

inline constexpr std::string_view kUpperHexDigits = "0123456789ABCDEF";

// 0 to 15 for "0"-"9", "A"-"F" and "a"-"f"; -1 for any other byte.
[[nodiscard]] constexpr int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// The byte of a digit pair, high digit first; 0 when either byte is no hexadecimal digit.
[[nodiscard]] constexpr std::uint8_t HexPairValue(char high, char low) {
    const int h = HexDigitValue(high);
    const int l = HexDigitValue(low);
    return h < 0 || l < 0 ? std::uint8_t{0} : static_cast<std::uint8_t>(h * 16 + l);
}

// Two uppercase digits, high nibble first.
template <typename Out> void AppendHexByte(Out& out, std::uint8_t byte) {
    out.push_back(static_cast<typename Out::value_type>(kUpperHexDigits[byte >> 4]));
    out.push_back(static_cast<typename Out::value_type>(kUpperHexDigits[byte & 15]));
}

} // namespace varnel
