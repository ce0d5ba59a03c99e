// The arguments of `varnel convert` as values of their kinds: integers in decimal, true|false,
// date-times as YYYY-MM-DD HH:MM:SS, texts and bytes as typed or from standard input.
#pragma once

#include <string>
#include <string_view>

#include "cli/operation_table.h"

namespace varnel::cli {

struct ParsedValue {
    Value value;
    std::string error; // why the typed value does not fit its kind; empty on success
};

// `unicode`: the argument is Unicode text (always on Windows, where arguments arrive as UTF-16;
// elsewhere with --utf8) and is converted to the bytes its kind takes (terminal_text.h);
// otherwise a text or bytes argument is taken as the bytes typed.
// Integers are decimal, an optional "-" and digits, within their 32 or 64 bits. Date-times are
// "YYYY-MM-DD HH:MM:SS", "YYYY-MM-DDTHH:MM:SS" or "YYYY-MM-DD" (midnight), years 100 to 9999.
[[nodiscard]] ParsedValue ParseArgument(std::string_view typed, ValueKind kind, bool unicode);

// All of standard input as a text or bytes argument. Text is converted from UTF-8 when `utf8`;
// bytes are always taken as they are.
[[nodiscard]] ParsedValue ValueFromInput(const Bytes& input, ValueKind kind, bool utf8);

} // namespace varnel::cli
