// A one-line progress display on standard error for long runs ("varnel: comparing blocks  42%").
#pragma once

#include <chrono>

#include "engine/deduplicate.h"

namespace varnel::cli {

class ProgressMeter {
public:
    // Short runs finish before the first report and show nothing.
    static constexpr std::chrono::milliseconds kInterval{250};

    void Show(const engine::RunProgress& progress);
    // Removes the line, if one was shown.
    void Clear();

private:
    bool shown_ = false;
};

} // namespace varnel::cli
