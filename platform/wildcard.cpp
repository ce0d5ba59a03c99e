#include "platform/wildcard.h"

#include <string>

namespace varnel::platform {

namespace {

// Invalid UTF-8 bytes become values above the Unicode range, so they equal only themselves.
constexpr char32_t kRawByte = 0x110000;

std::u32string Decode(std::string_view utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(utf8[i]); };
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char lead = byte(i);
        std::size_t length = 0;
        char32_t c = 0;
        char32_t minimum = 0;
        if (lead < 0x80) {
            length = 1;
            c = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            c = lead & 0x1Fu;
            minimum = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            c = lead & 0x0Fu;
            minimum = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            c = lead & 0x07u;
            minimum = 0x10000;
        }
        bool valid = length > 0 && i + length <= utf8.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            valid = (byte(i + k) & 0xC0) == 0x80;
            c = (c << 6) | (byte(i + k) & 0x3Fu);
        }
        valid = valid && c >= minimum && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
        if (valid) {
            out += c;
            i += length;
        } else {
            out += kRawByte + lead;
            i += 1;
        }
    }
    return out;
}

std::u32string Decode(std::u16string_view utf16) {
    std::u32string out;
    out.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        const char16_t unit = utf16[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
            utf16[i + 1] <= 0xDFFF) {
            out += 0x10000 + ((unit - 0xD800u) << 10) + (utf16[i + 1] - 0xDC00u);
            ++i;
        } else {
            out += unit;
        }
    }
    return out;
}

bool Same(char32_t a, char32_t b) {
    return a == b || FoldCase(a) == FoldCase(b);
}

// Greedy matching that returns to the last `*` on a mismatch: linear in practice, and never worse
// than name length times pattern length.
bool Match(std::u32string_view name, std::u32string_view pattern) {
    if (pattern == U"*.*") {
        return true;
    }
    constexpr std::size_t kNone = std::u32string_view::npos;
    std::size_t n = 0;
    std::size_t p = 0;
    std::size_t starP = kNone;
    std::size_t starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == U'*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() && (pattern[p] == U'?' || Same(pattern[p], name[n]))) {
            ++p;
            ++n;
        } else if (starP != kNone) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == U'*') {
        ++p;
    }
    return p == pattern.size();
}

} // namespace

char32_t FoldCase(char32_t c) {
    if (c < 0x80) {
        return c >= U'a' && c <= U'z' ? c - 0x20 : c;
    }
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) { // Latin-1 lower case
        return c - 0x20;
    }
    if (c == 0xFF) {
        return 0x178;
    }
    // Latin Extended-A pairs: upper case on the even code point, except in two runs.
    if ((c >= 0x100 && c <= 0x12F) || (c >= 0x132 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) {
        return c & ~char32_t{1};
    }
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) {
        return (c & 1) ? c : c - 1;
    }
    // Pinyin with caron and the u with diaeresis: Ǎ 01CD ǎ 01CE ... Ǜ 01DB ǜ 01DC; Ǹ 01F8 ǹ 01F9.
    if (c >= 0x1CD && c <= 0x1DC) {
        return (c & 1) ? c : c - 1;
    }
    if (c == 0x1F9) {
        return 0x1F8;
    }
    if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) { // Greek
        return c - 0x20;
    }
    if (c == 0x3C2) { // final sigma
        return 0x3A3;
    }
    if (c >= 0x430 && c <= 0x44F) { // Cyrillic
        return c - 0x20;
    }
    if (c >= 0x450 && c <= 0x45F) {
        return c - 0x50;
    }
    if (c >= 0x2170 && c <= 0x217F) { // small Roman numerals
        return c - 0x10;
    }
    if (c >= 0xFF41 && c <= 0xFF5A) { // full-width Latin
        return c - 0x20;
    }
    return c;
}

bool MatchesWildcard(std::string_view name, std::string_view pattern) {
    return Match(Decode(name), Decode(pattern));
}

bool MatchesWildcard(std::u16string_view name, std::u16string_view pattern) {
    return Match(Decode(name), Decode(pattern));
}

} // namespace varnel::platform
