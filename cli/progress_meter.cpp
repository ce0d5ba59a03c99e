#include "cli/progress_meter.h"

#include <cstdio>

#include "platform/console.h"

namespace varnel::cli {

namespace {

const char* PhaseName(engine::RunProgress::Phase phase) {
    switch (phase) {
    case engine::RunProgress::Phase::kFindingBlocks:
        return "finding blocks";
    case engine::RunProgress::Phase::kComparing:
        return "comparing blocks";
    case engine::RunProgress::Phase::kJoining:
        return "writing result";
    }
    return "working";
}

} // namespace

ProgressMeter::ProgressMeter()
    : hook_([this](const engine::RunProgress& progress) {
          Show(progress);
          return engine::YieldAnswer::kContinue;
      }) {}

const engine::YieldHook* ProgressMeter::HookIfTerminal() const {
    return platform::IsTerminal(platform::StandardStream::kError) ? &hook_ : nullptr;
}

void ProgressMeter::Show(const engine::RunProgress& progress) {
    const unsigned percent =
        progress.total > 0 ? static_cast<unsigned>(progress.done * 100 / progress.total) : 0;
    char line[80];
    std::snprintf(line, sizeof line, "\rvarnel: %-16s %3u%%", PhaseName(progress.phase), percent);
    platform::WriteStandardError(line);
    shown_ = true;
}

void ProgressMeter::Clear() {
    if (shown_) {
        platform::WriteStandardError("\r                                   \r");
        shown_ = false;
    }
}

} // namespace varnel::cli
