// The varnel command line: one table of subcommands and options (CLI11), which also gives the
// help texts. Usage errors print one line and give exit status 2.
#pragma once

#include <string>
#include <vector>

namespace varnel::cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1; // input could not be read, output could not be written
inline constexpr int kExitUsage = 2;   // a bad option or argument

// `args` includes the program name, as main() receives it (UTF-8 on Windows).
[[nodiscard]] int Run(const std::vector<std::string>& args);

// Prints "varnel: <message>" and a line break on standard error.
void ReportError(const std::string& message);

} // namespace varnel::cli
