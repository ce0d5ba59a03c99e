// Where the running program's executable lies, as a GBK path.
#pragma once

#include "base/text.h"

namespace varnel::settings {

// The full path of the executable; empty when the system cannot tell.
[[nodiscard]] Text ExecutablePath();

} // namespace varnel::settings
