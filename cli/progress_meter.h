// A one-line progress display on standard error for long runs ("varnel: comparing blocks  42%").
#pragma once

#include <chrono>

#include "engine/deduplicate.h"

namespace varnel::cli {

class ProgressMeter {
public:
    // Short runs finish before the first report and show nothing.
    static constexpr std::chrono::milliseconds kInterval{250};

    ProgressMeter();
    ProgressMeter(const ProgressMeter&) = delete; // the hook points back at this meter
    ProgressMeter& operator=(const ProgressMeter&) = delete;

    // The engine's yield hook that shows the progress (to be called every kInterval), or null
    // when standard error is not a terminal: a log file should not fill up with progress lines.
    [[nodiscard]] const engine::YieldHook* HookIfTerminal() const;

    void Show(const engine::RunProgress& progress);
    // Removes the line, if one was shown.
    void Clear();

private:
    engine::YieldHook hook_;
    bool shown_ = false;
};

} // namespace varnel::cli
