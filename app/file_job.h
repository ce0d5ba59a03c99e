// DeduplicateFileInPlace: one file read whole, deduplicated, and written back as code page 936
// text. The old content stays until the new one is complete; a file that cannot be read whole,
// carried whole as text, or rewritten is left exactly as it was, and the result says why.
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

#include "app/working_text.h"
#include "base/text.h"
#include "engine/deduplicate.h"
#include "platform/file_io.h"

namespace varnel::app {

struct FileJobSettings {
    FileEncoding encoding = FileEncoding::kAnsi;
    Text separator = "\r\n";
    // Called while the engine works; answering kStop leaves the file untouched.
    const engine::YieldHook* yieldHook = nullptr;
    std::chrono::milliseconds yieldInterval{10};
};

enum class FileJobStatus {
    kWritten,    // the file holds the result
    kNotRead,    // fileError: the file could not be read whole
    kNotCarried, // content: the text cannot hold the whole content
    kNotWritten, // fileError: refused (read-only, hidden or system) or the write failed
    kStopped,    // the yield hook asked to stop
};

struct FileJobResult {
    FileJobStatus status = FileJobStatus::kWritten;
    std::optional<platform::FileError> fileError;
    ContentProblem content;
    engine::DeduplicateStats stats; // of the engine's run, when it ran

    [[nodiscard]] bool written() const { return status == FileJobStatus::kWritten; }
};

// Reads the whole file at `path` (native: wide on Windows), makes the working text by
// `settings.encoding`, removes duplicate blocks at `settings.separator` and replaces the file's
// content with the result, also when nothing was removed. Hidden and system files (Windows) and
// write-protected files are refused before they are read.
[[nodiscard]] FileJobResult DeduplicateFileInPlace(const std::filesystem::path& path,
                                                   const FileJobSettings& settings);

// Why a job did not write, in English for the command line: "cannot open: No such file or
// directory", "U+1F600 at byte 12 has no GBK form; left unchanged". Empty when it wrote.
[[nodiscard]] std::string DescribeFailure(const FileJobResult& result);

} // namespace varnel::app
