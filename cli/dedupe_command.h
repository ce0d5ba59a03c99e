// varnel dedupe: removes duplicate blocks from a file or standard input and writes the result to
// standard output; with -i it rewrites files in place, with --dir every matching file of a folder,
// as the window's two file commands do.
#pragma once

#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace varnel::cli {

struct DedupeOptions {
    std::string separator = "\\r\\n"; // as typed, escapes still in
    std::string encoding = "ansi";    // ansi, utf-8 or unicode
    std::vector<std::string> files;   // none: standard input
    bool inPlace = false;
    std::string folder;            // --dir
    std::string pattern = "*.txt"; // --pattern
    bool stats = false;
};

// Declares the subcommand, its options and help on `app`; parsed values land in `options`.
CLI::App* AddDedupeCommand(CLI::App& app, DedupeOptions& options);

[[nodiscard]] int RunDedupe(const DedupeOptions& options);

} // namespace varnel::cli
