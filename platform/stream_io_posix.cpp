#include "platform/stream_io.h"

#include <cerrno>
#include <unistd.h>

namespace varnel::platform::detail {

ReadStep ReadSome(NativeHandle handle, std::uint8_t* into, std::size_t room) {
    for (;;) {
        const ssize_t n = read(handle, into, room);
        if (n >= 0) {
            return ReadStep{static_cast<std::size_t>(n), std::nullopt};
        }
        if (errno != EINTR) {
            const int code = errno;
            return ReadStep{0, FileError{FileStep::kRead, code, SystemErrorMessage(code)}};
        }
    }
}

FileError OutOfMemoryError() {
    return FileError{FileStep::kTooLarge, ENOMEM, SystemErrorMessage(ENOMEM)};
}

int WriteAll(NativeHandle handle, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t n = write(handle, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(n));
    }
    return 0;
}

} // namespace varnel::platform::detail
