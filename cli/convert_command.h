// varnel convert: runs one operation of the encoding converter on arguments from the command line
// or standard input and writes its result to standard output.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace varnel::cli {

inline constexpr std::string_view kConvertCommandName = "convert";
inline constexpr const char* kConvertCommandSummary =
    "Run one operation of the encoding converter (see 'varnel convert --list')";

// `args`: what follows "convert" on the command line (UTF-8 on Windows). The exit status: 0 done,
// 1 standard input could not be read or standard output not written, 2 an unknown operation or a
// missing, surplus or malformed argument (one line on standard error).
[[nodiscard]] int RunConvert(const std::vector<std::string>& args);

} // namespace varnel::cli
