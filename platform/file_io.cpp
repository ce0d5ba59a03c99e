#include "platform/file_io.h"

namespace varnel::platform {

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
