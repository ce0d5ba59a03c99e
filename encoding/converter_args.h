// How the converter's operations read their arguments. Internal to the encoding module.
#pragma once

#include <string_view>

namespace varnel::encoding::detail {

// A Text argument ends at its first zero byte, as a zero-terminated string does.
[[nodiscard]] inline std::string_view AsText(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

} // namespace varnel::encoding::detail
