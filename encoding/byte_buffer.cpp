#include "encoding/byte_buffer.h"

#include <algorithm>

namespace varnel::encoding {
namespace {

std::size_t Clamp(std::int64_t count, std::size_t size) {
    return count < 1 ? 0 : std::min(static_cast<std::size_t>(count), size);
}

} // namespace

std::size_t ByteCount(std::span<const std::uint8_t> bytes) {
    return bytes.size();
}

Bytes ZeroBytes(std::int64_t count) {
    return Bytes(count < 1 ? 0 : static_cast<std::size_t>(count), 0);
}

Bytes LeftBytes(std::span<const std::uint8_t> bytes, std::int64_t count) {
    const auto left = bytes.first(Clamp(count, bytes.size()));
    return Bytes(left.begin(), left.end());
}

Bytes RightBytes(std::span<const std::uint8_t> bytes, std::int64_t count) {
    const auto right = bytes.last(Clamp(count, bytes.size()));
    return Bytes(right.begin(), right.end());
}

Text SpaceText(std::int64_t count) {
    return Text(count < 1 ? 0 : static_cast<std::size_t>(count), ' ');
}

} // namespace varnel::encoding
