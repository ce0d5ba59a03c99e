#include "base/text.h"

#include <cstring>

namespace varnel {

Text TextUpToZero(std::string_view bytes) {
    return Text(bytes.substr(0, bytes.find('\0')));
}

Text TextUpToZero(std::span<const std::uint8_t> bytes) {
    return TextUpToZero(AsChars(bytes));
}

Bytes BytesOf(std::string_view chars) {
    return Bytes(chars.begin(), chars.end());
}

std::string_view AsChars(std::span<const std::uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

std::span<const std::uint8_t> AsBytes(std::string_view chars) {
    return {reinterpret_cast<const std::uint8_t*>(chars.data()), chars.size()};
}

} // namespace varnel
