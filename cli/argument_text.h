// Command-line arguments as GBK text. On Windows arguments arrive as UTF-16 (carried as UTF-8
// from platform::CommandLineArguments) and are converted with our code-page 936 table, so they do
// not depend on the system's ANSI code page. Elsewhere an argument is taken as the bytes typed,
// unless the caller says they are UTF-8.
#pragma once

#include <string>
#include <string_view>

#include "base/text.h"

namespace varnel::cli {

struct ArgumentText {
    Text text;
    std::string error; // set when a character has no GBK form or the UTF-8 is invalid
};

// Whether arguments reach the program as Unicode text without being asked (Windows).
[[nodiscard]] constexpr bool ArgumentsAreUnicode() {
#ifdef _WIN32
    return true;
#else
    return false;
#endif
}

// `utf8`: the argument is UTF-8 and is converted (always so on Windows).
[[nodiscard]] ArgumentText TextFromArgument(std::string_view argument, bool utf8 = false);

} // namespace varnel::cli
