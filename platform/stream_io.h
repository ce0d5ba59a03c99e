#pragma once

// Reading an open file or stream to its end and writing a whole buffer to one: the pieces that
// the file and console code of each platform share. Internal to the platform module.

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/file_io.h"

namespace varnel::platform::detail {

#ifdef _WIN32
using NativeHandle = void*; // a HANDLE
#else
using NativeHandle = int; // a file descriptor
#endif

// What one read gave: a count of bytes (0 at the end of the input) or why it failed.
struct ReadStep {
    std::size_t count = 0;
    std::optional<FileError> error;
};

// One read of at most `room` bytes; a read interrupted by a signal is repeated.
[[nodiscard]] ReadStep ReadSome(NativeHandle handle, std::uint8_t* into, std::size_t room);

// The error for content that does not fit in memory, in the platform's own terms.
[[nodiscard]] FileError OutOfMemoryError();

// Reads to the end of `handle`. `sizeHint` (0 when unknown) lets a file of known size be read
// with one allocation.
[[nodiscard]] ReadResult ReadToEnd(NativeHandle handle, std::size_t sizeHint);

// Writes all of `bytes`; returns 0 or the system's error code.
[[nodiscard]] int WriteAll(NativeHandle handle, std::span<const std::uint8_t> bytes);

} // namespace varnel::platform::detail
