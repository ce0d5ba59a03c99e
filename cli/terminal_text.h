// Text between a Unicode command line or terminal (UTF-8 here; UTF-16 carried as UTF-8 on
// Windows) and the bytes the converter's operations take: GBK or BIG5 text, UTF-8 or UTF-16LE
// data. Every conversion uses our own code-page tables, never the system's.
#pragma once

#include <string>
#include <string_view>

#include "cli/operation_table.h"

namespace varnel::cli {

struct EncodedText {
    std::string bytes;
    std::string error; // what could not be converted and where; empty on success
};

// UTF-8 typed text as the bytes an argument of `kind` takes: GBK for text and plain bytes, BIG5
// for BIG5 text, UTF-16LE for UTF-16 data, unchanged for UTF-8 data. Invalid UTF-8 and a
// character without a form in the target code page are errors, as is a zero character for the
// two code pages (a text cannot hold one).
[[nodiscard]] EncodedText EncodeTypedText(std::string_view utf8, ValueKind kind);

// GBK text (or BIG5 text for kBig5Text) as UTF-8; a byte pair without a character gives "?".
[[nodiscard]] std::string Utf8FromText(std::string_view text, ValueKind kind = ValueKind::kText);

} // namespace varnel::cli
