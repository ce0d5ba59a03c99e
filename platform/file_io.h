// Whole-file reads and safe whole-file replacement on native paths. Nothing here prints: failures
// come back with the step that failed and the system's reason, for the caller to report.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "base/text.h"

namespace varnel::platform {

enum class FileStep {
    kOpen,            // the file could not be opened for reading
    kRead,            // reading failed part-way
    kTooLarge,        // the content does not fit in memory
    kReadOnly,        // the file is write-protected: it is left alone
    kHiddenOrSystem,  // a hidden or system file (Windows), refused when asked: it is left alone
    kCreateTemporary, // no new file could be made beside the old one
    kWrite,           // writing the new content failed
    kFlush,           // the new content could not be made durable
    kReplace,         // the new file could not take the old one's place
};

// "cannot open", "cannot read", "too large for memory", "read-only", ...
[[nodiscard]] const char* DescribeStep(FileStep step);

struct FileError {
    FileStep step = FileStep::kOpen;
    int systemCode = 0; // errno or GetLastError(); 0 when the step says it all
    std::string reason; // the system's message, UTF-8; may be empty

    // "cannot open: No such file or directory"
    [[nodiscard]] std::string Describe() const;
};

struct ReadResult {
    Bytes content;
    std::optional<FileError> error; // set when the file could not be read whole

    [[nodiscard]] bool ok() const { return !error.has_value(); }
};

// The whole content of an existing file (a missing file is an error, never created). The file is
// opened for reading while others may read it but not write it (Windows sharing rules).
[[nodiscard]] ReadResult ReadWholeFile(const std::filesystem::path& path);

// The content of `path`, where a file that is not there reads as empty (a dangling symbolic link
// is there); nullopt when something is there but cannot be read whole.
[[nodiscard]] std::optional<Bytes> ReadFileIfPresent(const std::filesystem::path& path);

// All of standard input, in binary mode.
[[nodiscard]] ReadResult ReadStandardInput();

struct ReplaceOptions {
    // Windows: refuse files with the hidden or system attribute (kHiddenOrSystem), as a program
    // that opens files for writing with normal attributes cannot rewrite them. No effect elsewhere.
    bool refuseHiddenOrSystem = false;
};

// Whether ReplaceFileContent would refuse `path` before writing anything: kReadOnly for a
// write-protected file (read-only attribute; elsewhere, no write permission for its owner, also
// for root, or none for this process), kHiddenOrSystem when asked. A missing file is no reason.
[[nodiscard]] std::optional<FileError> CheckReplaceable(const std::filesystem::path& path,
                                                        const ReplaceOptions& options = {});

// Replaces the content of `path` (or creates the file) so that no one ever sees anything but the
// old or the new content: the data goes to a new file in the same folder, is flushed to disk and
// then takes the old file's place in one step, keeping its attributes (mode and owner elsewhere).
// Any failure leaves the old file exactly as it was and removes the new one. Files that
// CheckReplaceable refuses are left alone. Elsewhere a symbolic link is followed: the file it
// names gets the new content and the link stays.
[[nodiscard]] std::optional<FileError> ReplaceFileContent(const std::filesystem::path& path,
                                                          std::span<const std::uint8_t> content,
                                                          const ReplaceOptions& options = {});

// The system's message for an errno (POSIX) or GetLastError() code (Windows), in UTF-8.
[[nodiscard]] std::string SystemErrorMessage(int code);

} // namespace varnel::platform
