// UTF-8 (code page 65001) as MultiByteToWideChar / WideCharToMultiByte read and write it with
// flags 0. Internal to the encoding module.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "encoding/unit_streams.h"

namespace varnel::encoding::detail {

inline constexpr char32_t kInvalidUtf8 = 0xFFFFFFFF;
inline constexpr char16_t kReplacementUnit = 0xFFFD;

[[nodiscard]] inline bool IsHighSurrogate(char32_t u) {
    return u >= 0xD800 && u <= 0xDBFF;
}
[[nodiscard]] inline bool IsLowSurrogate(char32_t u) {
    return u >= 0xDC00 && u <= 0xDFFF;
}
[[nodiscard]] inline bool IsSurrogate(char32_t u) {
    return u >= 0xD800 && u <= 0xDFFF;
}

// The character that starts at p[i] (a byte of 0x80 or above), advancing i past the bytes it
// consumes; kInvalidUtf8 for a malformed sequence. Windows consumes continuation bytes one at a
// time and checks for overlong, surrogate and out-of-range values only after the first of them,
// so "E0 80 80" is two bad characters (E0 80, then 80) and "F4 90 80 80" three. A byte that does
// not continue a sequence is left to be read again; the end of the input counts as such a byte.
[[nodiscard]] inline char32_t DecodeUtf8Char(const std::uint8_t* p, std::size_t n, std::size_t& i) {
    const std::uint8_t lead = p[i++];
    int following;
    char32_t value;
    if (lead >= 0xC2 && lead <= 0xDF) {
        following = 1;
        value = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        following = 2;
        value = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        following = 3;
        value = lead & 0x07u;
    } else {
        return kInvalidUtf8; // stray continuation byte, C0, C1, F5..FF
    }
    auto next = [&](char32_t& v) {
        if (i >= n || (p[i] ^ 0x80u) >= 0x40)
            return false;
        v = v << 6 | (p[i] ^ 0x80u);
        return true;
    };
    if (following == 3) {
        if (!next(value))
            return kInvalidUtf8;
        ++i;
        if (value < 0x10)
            return kInvalidUtf8; // overlong four-byte form
    }
    if (following >= 2) {
        char32_t v = value;
        if (!next(v))
            return kInvalidUtf8;
        if (v >= (0x110000 >> 6))
            return kInvalidUtf8; // beyond U+10FFFF: this byte is read again
        value = v;
        ++i;
        if (value < 0x20)
            return kInvalidUtf8; // overlong three-byte form
        if (value >= (0xD800 >> 6) && value <= (0xDFFF >> 6))
            return kInvalidUtf8; // surrogate
    }
    if (!next(value))
        return kInvalidUtf8;
    ++i;
    if (value < 0x80)
        return kInvalidUtf8;
    return value;
}

// The common three-byte characters, CJK among them: leads E1..EC, EE and EF, which can be neither
// overlong nor surrogates, each followed by two continuation bytes. The decoders take them on a
// short path, two at a time where they come in a row.

// True when the eight bytes of `w` (as Load64 gives them) start with two such characters.
[[nodiscard]] inline bool IsCommonThreeBytePair(std::uint64_t w) {
    const auto b0 = static_cast<std::uint8_t>(w);
    const auto b3 = static_cast<std::uint8_t>(w >> 24);
    return (w & 0x0000C0C000C0C000u) == 0x0000808000808000u &&
           (w & 0x00000000F00000F0u) == 0x00000000E00000E0u && b0 != 0xE0 && b0 != 0xED &&
           b3 != 0xE0 && b3 != 0xED;
}

// The code unit of the three-byte character whose lead is byte k of `w`.
[[nodiscard]] inline char16_t ThreeByteUnit(std::uint64_t w, int k) {
    return static_cast<char16_t>((w >> (8 * k) & 0x0F) << 12 | (w >> (8 * k + 8) & 0x3F) << 6 |
                                 (w >> (8 * k + 16) & 0x3F));
}

// True when p[i] (of n bytes) starts one such character.
[[nodiscard]] inline bool IsCommonThreeByte(const std::uint8_t* p, std::size_t n, std::size_t i) {
    const std::uint8_t b = p[i];
    return b >= 0xE1 && b != 0xED && b <= 0xEF && i + 2 < n && (p[i + 1] & 0xC0) == 0x80 &&
           (p[i + 2] & 0xC0) == 0x80;
}

// The code unit of the three-byte character at p.
[[nodiscard]] inline char16_t ThreeByteUnit(const std::uint8_t* p) {
    return static_cast<char16_t>((p[0] & 0x0F) << 12 | (p[1] & 0x3F) << 6 | (p[2] & 0x3F));
}

template <class Sink> bool PutCodePoint(char32_t c, Sink& sink) {
    if (c == kInvalidUtf8)
        return sink.Put(kReplacementUnit);
    if (c < 0x10000)
        return sink.Put(static_cast<char16_t>(c));
    c -= 0x10000;
    return sink.Put(static_cast<char16_t>(0xD800 + (c >> 10)),
                    static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
}

// Characters starting before `limit`; each gives at most as many code units as it takes bytes,
// and the last may take up to three bytes past `limit`.
template <class Sink>
std::size_t DecodeUtf8(const std::uint8_t* p, std::size_t n, std::size_t i, std::size_t limit,
                       Sink& sink) {
    while (i < limit) {
        const std::uint8_t b = p[i];
        if (b < 0x80) {
            if (!PutAsciiRun(p, i, limit, sink))
                return i;
            continue;
        }
        // Two of the common three-byte characters at once, or one.
        if (b >= 0xE1 && i + 3 < limit && i + 8 <= n) {
            const std::uint64_t w = Load64(p + i);
            if (IsCommonThreeBytePair(w) && sink.Put(ThreeByteUnit(w, 0), ThreeByteUnit(w, 3))) {
                i += 6;
                continue;
            }
        }
        if (IsCommonThreeByte(p, n, i)) {
            if (!sink.Put(ThreeByteUnit(p + i)))
                return i;
            i += 3;
            continue;
        }
        std::size_t next = i;
        if (!PutCodePoint(DecodeUtf8Char(p, n, next), sink))
            return i;
        i = next;
    }
    return i;
}

// The UTF-8 bytes of the code point at units[i], advancing i past the one or two units it takes.
// A lone surrogate is written as U+FFFD (EF BF BD).
template <class Units, class Sink>
bool EncodeUtf8Char(const Units& units, std::size_t& i, Sink& sink) {
    char32_t c = units[i++];
    if (c < 0x80)
        return sink.Put(static_cast<std::uint8_t>(c));
    if (IsSurrogate(c)) {
        if (IsHighSurrogate(c) && i < units.size() && IsLowSurrogate(units[i])) {
            c = 0x10000 + ((c - 0xD800) << 10) + (units[i++] - 0xDC00u);
        } else {
            c = kReplacementUnit;
        }
    }
    std::uint8_t bytes[4];
    std::size_t count;
    if (c < 0x800) {
        bytes[0] = static_cast<std::uint8_t>(0xC0 | c >> 6);
        count = 2;
    } else if (c < 0x10000) {
        bytes[0] = static_cast<std::uint8_t>(0xE0 | c >> 12);
        bytes[1] = static_cast<std::uint8_t>(0x80 | (c >> 6 & 0x3F));
        count = 3;
    } else {
        bytes[0] = static_cast<std::uint8_t>(0xF0 | c >> 18);
        bytes[1] = static_cast<std::uint8_t>(0x80 | (c >> 12 & 0x3F));
        bytes[2] = static_cast<std::uint8_t>(0x80 | (c >> 6 & 0x3F));
        count = 4;
    }
    bytes[count - 1] = static_cast<std::uint8_t>(0x80 | (c & 0x3F));
    return sink.Put(bytes, count);
}

// Code units starting before `limit`: at most three bytes each, and a surrogate pair that starts
// at `limit` - 1 takes one unit past it (four bytes for the two).
template <class Units, class Sink>
std::size_t EncodeUtf8(const Units& units, std::size_t i, std::size_t limit, Sink& sink) {
    while (i < limit) {
        const char16_t c = units[i];
        if (c < 0x80) {
            if (!sink.Put(static_cast<std::uint8_t>(c)))
                return i;
            ++i;
        } else if (c >= 0x800 && !IsSurrogate(c)) { // CJK among them: three bytes
            const std::uint8_t bytes[3] = {static_cast<std::uint8_t>(0xE0 | c >> 12),
                                           static_cast<std::uint8_t>(0x80 | (c >> 6 & 0x3F)),
                                           static_cast<std::uint8_t>(0x80 | (c & 0x3F))};
            if (!sink.Put(bytes, 3))
                return i;
            ++i;
        } else {
            std::size_t next = i;
            if (!EncodeUtf8Char(units, next, sink))
                return i;
            i = next;
        }
    }
    return i;
}

} // namespace varnel::encoding::detail
