#include "platform/file_io.h"

#include <system_error>

namespace varnel::platform {

std::optional<Bytes> ReadFileIfPresent(const std::filesystem::path& path) {
    ReadResult read = ReadWholeFile(path);
    if (read.ok()) {
        return std::move(read.content);
    }
    std::error_code ec;
    if (std::filesystem::symlink_status(path, ec).type() == std::filesystem::file_type::not_found) {
        return Bytes{};
    }
    return std::nullopt;
}

const char* DescribeStep(FileStep step) {
    switch (step) {
    case FileStep::kOpen:
        return "cannot open";
    case FileStep::kRead:
        return "cannot read";
    case FileStep::kTooLarge:
        return "too large for memory";
    case FileStep::kReadOnly:
        return "read-only, left unchanged";
    case FileStep::kHiddenOrSystem:
        return "hidden or system file, left unchanged";
    case FileStep::kCreateTemporary:
        return "cannot create a new file beside it";
    case FileStep::kWrite:
        return "cannot write";
    case FileStep::kFlush:
        return "cannot flush to disk";
    case FileStep::kReplace:
        return "cannot replace the old content";
    }
    return "failed";
}

std::string FileError::Describe() const {
    std::string text = DescribeStep(step);
    if (!reason.empty()) {
        text += ": ";
        text += reason;
    }
    return text;
}

} // namespace varnel::platform
