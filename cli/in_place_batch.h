// varnel dedupe -i / --dir: the window's per-file job on a list of files, with a line per file
// on standard error and a summary.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "app/file_job.h"

namespace varnel::cli {

struct InPlaceFile {
    std::filesystem::path path;
    std::string shown; // the name printed for it, UTF-8
};

// Runs the job on each file in turn; every file is tried, also after a failure. Returns the exit
// status: 0 when every file was rewritten, 1 when any was not.
[[nodiscard]] int RunInPlace(const std::vector<InPlaceFile>& files,
                             const app::FileJobSettings& settings, bool stats);

// A native path as UTF-8 for messages (on POSIX systems its bytes as they are).
[[nodiscard]] std::string ShownPath(const std::filesystem::path& path);

} // namespace varnel::cli
