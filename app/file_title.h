// The short name of a file shown in the batch commands' progress texts.
#pragma once

#include <string_view>

#include "base/text.h"

namespace varnel::app {

// The file's name without its folder and without anything from its first "." on: "a" for
// D:\文本\a.b.txt, "" for D:\文本\.txt. The folder ends at the last "\" or "/"; both searches step
// over GBK double-byte characters, so a trail byte 5C is never taken for "\".
[[nodiscard]] Text FileTitle(std::string_view gbkPath);

} // namespace varnel::app
