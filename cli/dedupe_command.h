// varnel dedupe: removes duplicate blocks from a file or standard input and writes the result to
// standard output.
#pragma once

#include <string>

namespace CLI {
class App;
}

namespace varnel::cli {

struct DedupeOptions {
    std::string separator = "\\r\\n"; // as typed, escapes still in
    std::string file;                 // empty: standard input
    bool stats = false;
};

// Declares the subcommand, its options and help on `app`; parsed values land in `options`.
CLI::App* AddDedupeCommand(CLI::App& app, DedupeOptions& options);

[[nodiscard]] int RunDedupe(const DedupeOptions& options);

} // namespace varnel::cli
