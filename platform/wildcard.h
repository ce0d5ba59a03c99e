// File-name wildcards as Windows applies them to long names, so that a folder is searched the same
// way on every system: `*` stands for any run of characters (none, and dots, included), `?` for
// exactly one character, and letters match without regard to case. "*.*" matches every name, as
// on Windows. Windows also matches a pattern against the 8.3 alias of a long name ("*.txt" then
// finds "a.txtx"); these rules do not.
#pragma once

#include <string_view>

namespace varnel::platform {

// A file name and a pattern as UTF-8 (POSIX names). A byte that is not part of valid UTF-8 is a
// character of its own that only `?`, `*` or the same byte matches.
[[nodiscard]] bool MatchesWildcard(std::string_view name, std::string_view pattern);

// The same on UTF-16 (Windows names); a lone surrogate is a character of its own.
[[nodiscard]] bool MatchesWildcard(std::u16string_view name, std::u16string_view pattern);

// The character that letters of both cases share: ASCII, Latin-1 and Latin Extended-A, the
// pinyin letters of Latin Extended-B, Greek, Cyrillic, Roman numerals and full-width Latin (the
// letters that GBK holds, and more). Other characters are their own.
[[nodiscard]] char32_t FoldCase(char32_t c);

} // namespace varnel::platform
