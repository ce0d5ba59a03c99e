// The files of one folder whose names match a wildcard pattern (wildcard.h), for processing a
// whole folder. Folders are never entered or yielded; hidden, system and read-only files are.
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "platform/file_io.h"

namespace varnel::platform {

struct FolderListing {
    // Where the search looked: `folder`, or the folder that a pattern with a folder part names
    // ("sub\*.txt" looks in folder\sub). Each name belongs there.
    std::filesystem::path folder;
    // The bare names of the matching files, in the order the file system lists them. They are
    // all read before anything is processed, so files that a job replaces (a new file renamed
    // into place) are neither seen twice nor missed.
    std::vector<std::filesystem::path> names;
    // Set when the folder could not be listed (missing, not a folder, access denied); a folder
    // without matching files is no error.
    std::optional<FileError> error;
};

// Searches folder + separator + pattern, the separator always inserted (a drive root then gives
// two in a row, which means one). An empty pattern matches nothing.
[[nodiscard]] FolderListing FindFiles(const std::filesystem::path& folder,
                                      const std::filesystem::path& pattern);

} // namespace varnel::platform
