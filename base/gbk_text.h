// Searching and rewriting GBK text character by character: a byte of 0x80 or above starts a
// double-byte character, so its partner (whatever byte it is) is never taken for an ASCII byte.
#pragma once

#include <cstddef>
#include <string_view>

#include "base/text.h"

namespace varnel::gbk {

inline constexpr std::size_t kNotFound = std::string_view::npos;

constexpr bool IsLeadByte(char byte) {
    return static_cast<unsigned char>(byte) >= 0x80;
}

// Bytes taken by the character at `pos`: 2 for a lead byte with a byte after it, else 1.
[[nodiscard]] std::size_t CharLength(std::string_view text, std::size_t pos);

// Position of the first occurrence of `needle` that starts at a character start, at or after
// `from` (which must itself be a character start); kNotFound when there is none.
[[nodiscard]] std::size_t Find(std::string_view text, std::string_view needle,
                               std::size_t from = 0);

// Position of the last single-byte character `c` (below 0x80); kNotFound when there is none.
[[nodiscard]] std::size_t FindLast(std::string_view text, char c);

// Every occurrence of `from` at a character start replaced by `to`, scanning left to right,
// matches never overlapping. An empty `from` leaves the text unchanged.
[[nodiscard]] Text ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

// Full-width forms read as their ASCII counterparts: A3A1..A3FE become 21..7E, the ideographic
// space A1A1 a space, A1AB "~", A1EE and A1EF "*". Every other character is kept.
[[nodiscard]] Text ToHalfWidth(std::string_view text);

// ASCII letters upper- or lower-cased; double-byte characters (both bytes) are never touched.
[[nodiscard]] Text AsciiUpper(std::string_view text);
[[nodiscard]] Text AsciiLower(std::string_view text);

// Whether AsciiLower(a) == AsciiLower(b), without making either: ASCII letters compare
// case-insensitively, double-byte characters byte for byte.
[[nodiscard]] bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

} // namespace varnel::gbk
