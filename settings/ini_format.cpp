#include "settings/ini_format.h"

#include <algorithm>
#include <vector>

#include "base/gbk_text.h"

namespace varnel::settings::ini {

namespace {

struct Line {
    std::size_t begin = 0; // first byte of the line
    std::size_t end = 0;   // end of its text, line break excluded
    std::size_t next = 0;  // first byte of the next line
};

// Windows ends lines at LF; only a file (rest) without any LF has its lines ended by CR.
std::vector<Line> SplitLines(std::string_view content) {
    std::vector<Line> lines;
    std::size_t pos = 0;
    while (pos < content.size()) {
        std::size_t brk = content.find('\n', pos);
        if (brk == std::string_view::npos) {
            brk = content.find('\r', pos);
        }
        Line line;
        line.begin = pos;
        if (brk == std::string_view::npos) {
            line.end = line.next = content.size();
        } else {
            line.next = brk + 1;
            line.end = brk;
            if (content[brk] == '\n' && brk > pos && content[brk - 1] == '\r') {
                line.end = brk - 1;
            }
        }
        lines.push_back(line);
        pos = line.next;
    }
    return lines;
}

std::size_t CharLength(std::string_view text, std::size_t pos, Scheme scheme) {
    return scheme == Scheme::kGbk ? gbk::CharLength(text, pos) : 1;
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool NamesEqual(std::string_view a, std::string_view b, Scheme scheme) {
    if (scheme == Scheme::kGbk) {
        return gbk::EqualsIgnoringAsciiCase(a, b);
    }
    // UTF-8: every byte is compared alone (AsciiLower leaves bytes of 0x80 and above as they are).
    return std::ranges::equal(a, b, {}, AsciiLower, AsciiLower);
}

// The name of a section line ("[name]...", name up to the last "]"), trimmed; nullopt for any
// other line. `text` is already trimmed.
std::optional<std::string_view> SectionName(std::string_view text, Scheme scheme) {
    if (text.empty() || text.front() != '[') {
        return std::nullopt;
    }
    std::size_t close = std::string_view::npos;
    for (std::size_t pos = 1; pos < text.size(); pos += CharLength(text, pos, scheme)) {
        if (text[pos] == ']') {
            close = pos;
        }
    }
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return Trim(text.substr(1, close - 1));
}

struct KeyLine {
    std::string_view name;
    std::optional<std::string_view> value; // after "=", leading white space skipped
};

KeyLine SplitKeyLine(std::string_view text) {
    const std::size_t eq = text.find('=');
    if (eq == std::string_view::npos) {
        return {text, std::nullopt};
    }
    return {Trim(text.substr(0, eq)), Trim(text.substr(eq + 1))};
}

std::string_view Unquote(std::string_view value) {
    return IsQuoted(value) ? value.substr(1, value.size() - 2) : value;
}

// Where a section and a key stand in a file.
struct Location {
    std::optional<std::size_t> sectionLine;    // the first section line of the name
    std::optional<std::size_t> lastFilledLine; // its last non-blank line (the header at least)
    std::optional<std::size_t> keyLine;        // the first line of the key in that section
};

Location Locate(std::string_view content, const std::vector<Line>& lines, std::string_view section,
                std::string_view key, Scheme scheme) {
    Location at;
    const std::string_view wantedSection = Trim(section);
    const std::string_view wantedKey = Trim(key);
    // Lines before the first section line belong to the section with the empty name.
    bool inSection = wantedSection.empty();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view text =
            Trim(content.substr(lines[i].begin, lines[i].end - lines[i].begin));
        if (text.empty()) {
            continue;
        }
        if (const auto name = SectionName(text, scheme)) {
            if (inSection) {
                break; // the first section of the name has ended
            }
            if (NamesEqual(*name, wantedSection, scheme)) {
                inSection = true;
                at.sectionLine = i;
                at.lastFilledLine = i;
            }
            continue;
        }
        if (!inSection) {
            continue;
        }
        at.lastFilledLine = i;
        if (!at.keyLine && NamesEqual(SplitKeyLine(text).name, wantedKey, scheme)) {
            at.keyLine = i;
        }
    }
    return at;
}

} // namespace

bool IsBlank(char byte) {
    return byte == ' ' || (byte >= '\t' && byte <= '\r') || byte == '\x1A';
}

std::string_view TrimFront(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    return text;
}

std::string_view Trim(std::string_view text) {
    text = TrimFront(text);
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool IsQuoted(std::string_view value) {
    return value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
           value.back() == value.front();
}

std::optional<std::string> FindValue(std::string_view content, std::string_view section,
                                     std::string_view key, Scheme scheme) {
    const auto lines = SplitLines(content);
    const Location at = Locate(content, lines, section, key, scheme);
    if (!at.keyLine) {
        return std::nullopt;
    }
    const Line& line = lines[*at.keyLine];
    const KeyLine kv = SplitKeyLine(Trim(content.substr(line.begin, line.end - line.begin)));
    if (!kv.value) {
        return std::nullopt;
    }
    return std::string(Unquote(*kv.value));
}

std::string AssignValue(std::string_view content, std::string_view section, std::string_view key,
                        std::string_view value, Scheme scheme) {
    const auto lines = SplitLines(content);
    const Location at = Locate(content, lines, section, key, scheme);
    std::string out;
    if (at.keyLine) {
        const Line& line = lines[*at.keyLine];
        const std::string_view name =
            SplitKeyLine(Trim(content.substr(line.begin, line.end - line.begin))).name;
        out.append(content.substr(0, line.begin));
        out.append(name).append("=").append(value);
        out.append(content.substr(line.end));
        return out;
    }
    const std::string keyLine = std::string(TrimFront(key)) + "=" + std::string(value) + "\r\n";
    const bool unnamed = Trim(section).empty();
    // Where the new lines go, and the line before them, which may still need its line end.
    constexpr std::size_t kNoLine = std::string_view::npos;
    std::size_t insertAt = content.size();
    std::size_t before = lines.empty() ? kNoLine : lines.size() - 1;
    if (at.lastFilledLine) {
        before = *at.lastFilledLine;
        insertAt = lines[before].next;
    } else if (unnamed) {
        // Keys without a section go before the first section.
        before = kNoLine;
        insertAt = 0;
    }
    out.append(content.substr(0, insertAt));
    if (before != kNoLine && lines[before].next == lines[before].end) {
        out.append("\r\n");
    }
    if (!at.sectionLine && !unnamed) {
        out.append("[").append(TrimFront(section)).append("]\r\n");
    }
    out.append(keyLine);
    out.append(content.substr(insertAt));
    return out;
}

} // namespace varnel::settings::ini
