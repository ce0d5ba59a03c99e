#include "platform/stream_io.h"

#include <windows.h>

#include <algorithm>

namespace varnel::platform::detail {

namespace {

// ReadFile and WriteFile take at most a DWORD per call; stay well below it.
constexpr std::size_t kChunk = std::size_t{1} << 30;

} // namespace

ReadStep ReadSome(NativeHandle handle, std::uint8_t* into, std::size_t room) {
    DWORD got = 0;
    if (!ReadFile(handle, into, static_cast<DWORD>(std::min(kChunk, room)), &got, nullptr)) {
        const DWORD code = GetLastError();
        // A pipe whose writer has gone is the end of the input, not an error.
        if (code == ERROR_BROKEN_PIPE) {
            return ReadStep{};
        }
        return ReadStep{0, FileError{FileStep::kRead, static_cast<int>(code),
                                     SystemErrorMessage(static_cast<int>(code))}};
    }
    return ReadStep{got, std::nullopt};
}

FileError OutOfMemoryError() {
    return FileError{FileStep::kTooLarge, ERROR_NOT_ENOUGH_MEMORY,
                     SystemErrorMessage(ERROR_NOT_ENOUGH_MEMORY)};
}

int WriteAll(NativeHandle handle, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        DWORD done = 0;
        const auto want = static_cast<DWORD>(std::min(kChunk, bytes.size()));
        if (!WriteFile(handle, bytes.data(), want, &done, nullptr)) {
            return static_cast<int>(GetLastError());
        }
        bytes = bytes.subspan(done);
    }
    return 0;
}

} // namespace varnel::platform::detail
