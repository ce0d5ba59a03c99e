// File-system paths to and from GBK text, converted with the program's own code-page tables so
// that a path means the same file on every system locale.
#pragma once

#include <filesystem>
#include <string_view>

#include "base/text.h"

namespace varnel::platform {

// A GBK Text as the platform's native path: UTF-16 on Windows, UTF-8 elsewhere. The text ends at
// its first zero byte, as every Text does.
[[nodiscard]] std::filesystem::path PathFromText(std::string_view gbk);

// A native path as GBK; a character without a GBK form becomes "?". On POSIX systems the path's
// bytes are read as UTF-8, an invalid sequence also giving "?".
[[nodiscard]] Text TextFromPath(const std::filesystem::path& path);

} // namespace varnel::platform
