// Hexadecimal digits: reading one in either case, writing them in uppercase.
#pragma once

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

} // namespace varnel
