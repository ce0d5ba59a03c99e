#include "tests/support/hex.h"

#include <gtest/gtest.h>

#include "base/hex_digit.h"

namespace varnel::test {

std::string HexText(std::string_view pairs) {
    std::string out;
    int high = -1;
    for (char c : pairs) {
        if (c == ' ') {
            continue;
        }
        const int value = HexDigitValue(c);
        if (value < 0) {
            ADD_FAILURE() << "Hex: not a hexadecimal digit '" << c << "' in \"" << pairs << "\"";
            return out;
        }
        if (high < 0) {
            high = value;
        } else {
            out += static_cast<char>(high * 16 + value);
            high = -1;
        }
    }
    if (high >= 0) {
        ADD_FAILURE() << "Hex: odd number of digits in \"" << pairs << "\"";
    }
    return out;
}

Bytes Hex(std::string_view pairs) {
    return BytesOf(HexText(pairs));
}

std::string ToHex(std::string_view bytes) {
    std::string out;
    for (char c : bytes) {
        if (!out.empty()) {
            out += ' ';
        }
        AppendHexByte(out, static_cast<std::uint8_t>(c));
    }
    return out;
}

std::string ToHex(const Bytes& bytes) {
    return ToHex(AsChars(bytes));
}

} // namespace varnel::test
