// Separators typed on a command line: \r, \n, \t, \\ and \xHH (either case) stand for their bytes.
// The typed text is GBK: the second byte of a double-byte character is never read as a backslash.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace varnel::cli {

struct UnescapeResult {
    std::string bytes;
    std::string error; // set when the text holds an unknown or incomplete escape
};

[[nodiscard]] UnescapeResult UnescapeSeparator(std::string_view typed);

} // namespace varnel::cli
