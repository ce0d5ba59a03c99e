// How the converter's operations read their arguments. Internal to the encoding module.
#pragma once

#include <string>
#include <string_view>

namespace varnel::encoding::detail {

// A Text argument ends at its first zero byte, as a zero-terminated string does.
[[nodiscard]] inline std::string_view AsText(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

// Cuts an output buffer at its first zero byte, in place (a missing character left a zero there).
inline void CutAtZero(std::string& out) {
    const std::size_t zero = out.find('\0');
    if (zero != std::string::npos)
        out.resize(zero);
}

} // namespace varnel::encoding::detail
