#include "cli/standard_output_sink.h"

#include "platform/console.h"
#include "platform/file_io.h"

namespace varnel::cli {

namespace {

constexpr std::size_t kBufferSize = std::size_t{1} << 20;

} // namespace

StandardOutputSink::StandardOutputSink() {
    buffer_.reserve(kBufferSize);
}

void StandardOutputSink::Reserve(std::uint64_t) {}

bool StandardOutputSink::Append(std::string_view bytes) {
    if (buffer_.size() + bytes.size() > kBufferSize) {
        if (!Flush()) {
            return false;
        }
        if (bytes.size() >= kBufferSize) {
            errorCode_ = platform::WriteStandardOutput(bytes);
            return errorCode_ == 0;
        }
    }
    buffer_ += bytes;
    return errorCode_ == 0;
}

bool StandardOutputSink::Flush() {
    if (errorCode_ == 0 && !buffer_.empty()) {
        errorCode_ = platform::WriteStandardOutput(buffer_);
        buffer_.clear();
    }
    return errorCode_ == 0;
}

std::string StandardOutputSink::ErrorReason() const {
    return platform::SystemErrorMessage(errorCode_);
}

} // namespace varnel::cli
