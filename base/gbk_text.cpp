#include "base/gbk_text.h"

namespace varnel::gbk {

std::size_t CharLength(std::string_view text, std::size_t pos) {
    return IsLeadByte(text[pos]) && pos + 1 < text.size() ? 2 : 1;
}

std::size_t Find(std::string_view text, std::string_view needle, std::size_t from) {
    if (needle.empty() || needle.size() > text.size()) {
        return kNotFound;
    }
    for (std::size_t pos = from; pos + needle.size() <= text.size(); pos += CharLength(text, pos)) {
        if (text.compare(pos, needle.size(), needle) == 0) {
            return pos;
        }
    }
    return kNotFound;
}

std::size_t FindLast(std::string_view text, char c) {
    std::size_t found = kNotFound;
    for (std::size_t pos = 0; pos < text.size(); pos += CharLength(text, pos)) {
        if (text[pos] == c) {
            found = pos;
        }
    }
    return found;
}

Text ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
    if (from.empty()) {
        return Text(text);
    }
    Text out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (text.compare(pos, from.size(), from) == 0) {
            out += to;
            pos += from.size();
        } else {
            const std::size_t len = CharLength(text, pos);
            out.append(text, pos, len);
            pos += len;
        }
    }
    return out;
}

Text ToHalfWidth(std::string_view text) {
    Text out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t len = CharLength(text, pos);
        if (len == 1) {
            out += text[pos];
        } else {
            const auto lead = static_cast<unsigned char>(text[pos]);
            const auto trail = static_cast<unsigned char>(text[pos + 1]);
            if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
                out += static_cast<char>(trail - 0x80);
            } else if (lead == 0xA1 && trail == 0xA1) {
                out += ' ';
            } else if (lead == 0xA1 && trail == 0xAB) {
                out += '~';
            } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
                out += '*';
            } else {
                out.append(text, pos, 2);
            }
        }
        pos += len;
    }
    return out;
}

namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

template <typename Map> Text MapAsciiLetters(std::string_view text, Map map) {
    Text out(text);
    std::size_t pos = 0;
    while (pos < out.size()) {
        const std::size_t len = CharLength(out, pos);
        if (len == 1) {
            out[pos] = map(out[pos]);
        }
        pos += len;
    }
    return out;
}

} // namespace

Text AsciiUpper(std::string_view text) {
    return MapAsciiLetters(
        text, [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
}

Text AsciiLower(std::string_view text) {
    return MapAsciiLetters(text, LowerAscii);
}

// A lead byte compares as itself, never equal to an ASCII byte, so equal texts have their
// characters in the same places and walking `a` alone is enough.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t pos = 0; pos < a.size();) {
        const std::size_t len = CharLength(a, pos);
        if (len == 1 ? LowerAscii(a[pos]) != LowerAscii(b[pos])
                     : a.substr(pos, 2) != b.substr(pos, 2)) {
            return false;
        }
        pos += len;
    }
    return true;
}

} // namespace varnel::gbk
