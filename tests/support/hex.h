// Tiny helpers so that byte-level expectations read as one line: Hex("D6 D0 41").
#pragma once

#include <string>
#include <string_view>

#include "base/text.h"

namespace varnel::test {

// Bytes from hexadecimal pairs; spaces between pairs are optional. A malformed string fails the
// current test and gives what was read so far.
[[nodiscard]] Bytes Hex(std::string_view pairs);

// The same bytes as a std::string (for Text and other char data).
[[nodiscard]] std::string HexText(std::string_view pairs);

// Uppercase pairs separated by spaces, for failure messages: "D6 D0 41".
[[nodiscard]] std::string ToHex(std::string_view bytes);
[[nodiscard]] std::string ToHex(const Bytes& bytes);

} // namespace varnel::test
