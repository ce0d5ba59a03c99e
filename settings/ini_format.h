// The private-profile (INI) format, read and edited in memory the way Windows' profile functions
// treat a file: "[section]" lines open sections, "key=value" lines hold values. Every byte of the
// file that an edit does not concern stays as it was.
//
// Matching rules, as measured against GetPrivateProfileStringA:
// - lines end at LF (a file without any LF ends its lines at CR); white space (bytes 09 to 0D,
//   20 and the end-of-file mark 1A) around a line, a name or a value does not count;
// - a section line starts with "[" and its name runs to the last "]" of the line; only the first
//   section of a name is searched (later ones of the same name are ignored);
// - a key line is everything else: the name runs to the first "=", the value follows it; a line
//   without "=" is a key without a value (it hides a later line of the same name);
// - section and key names match with ASCII letters compared case-insensitively; double-byte
//   characters (and UTF-8 sequences) compare byte for byte;
// - a value enclosed in a matching pair of double or single quotes loses the quotes;
// - there are no comment lines: ";x=1" is the key ";x".
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace varnel::settings::ini {

// How the bytes of a file (and of the names and values given with it) form characters.
enum class Scheme {
    kGbk,  // code page 936: a byte of 0x80 or above starts a two-byte character
    kUtf8, // UTF-8: bytes below 0x80 are always characters of their own
};

// The value of `key` in `section`, its quotes removed. nullopt when the section or the key is
// missing, or when the key's line has no "=". Names are matched trimmed of white space.
[[nodiscard]] std::optional<std::string>
FindValue(std::string_view content, std::string_view section, std::string_view key, Scheme scheme);

// The file content after setting `key` in `section` to `value`:
// - an existing key line (the first of its name in the first section of its name) is rewritten
//   as its own name, "=", the value, keeping its line end;
// - a missing key is added on a new line after the last non-blank line of its section;
// - a missing section is added at the end as "[section]" and the key line;
// - new lines end with CR LF; a last line without a line end first gets one;
// - an empty content becomes "[section]\r\nkey=value\r\n".
// Names are written without their leading white space (trailing white space stays, as Windows
// writes it; it does not count when the name is read). Keys outside any section (empty section
// name) go before the first section line. `value` is written as given: the caller keeps line
// breaks out of it (see ini_file.h).
[[nodiscard]] std::string AssignValue(std::string_view content, std::string_view section,
                                      std::string_view key, std::string_view value, Scheme scheme);

// `text` without white space at its start.
[[nodiscard]] std::string_view TrimFront(std::string_view text);

// True for the bytes that the format treats as white space around names and values.
[[nodiscard]] bool IsBlank(char byte);

// `text` without white space at either end.
[[nodiscard]] std::string_view Trim(std::string_view text);

// True when `value` is enclosed in a matching pair of double or single quotes, which reading
// removes.
[[nodiscard]] bool IsQuoted(std::string_view value);

} // namespace varnel::settings::ini
