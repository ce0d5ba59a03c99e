// Small byte-buffer helpers that the conversions share. Counts below 1 give empty results.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "base/text.h"

namespace varnel::encoding {

// Number of bytes; 0 for none.
[[nodiscard]] std::size_t ByteCount(std::span<const std::uint8_t> bytes);

// `count` zero bytes.
[[nodiscard]] Bytes ZeroBytes(std::int64_t count);

// A copy of the first / last min(count, size) bytes.
[[nodiscard]] Bytes LeftBytes(std::span<const std::uint8_t> bytes, std::int64_t count);
[[nodiscard]] Bytes RightBytes(std::span<const std::uint8_t> bytes, std::int64_t count);

// A Text of `count` spaces.
[[nodiscard]] Text SpaceText(std::int64_t count);

} // namespace varnel::encoding
