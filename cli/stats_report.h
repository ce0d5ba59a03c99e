// The --stats summary on standard error: blocks read, kept and removed, bytes in and out, time.
#pragma once

#include <chrono>

#include "engine/deduplicate.h"

namespace varnel::cli {

void PrintStats(const engine::DeduplicateStats& stats, std::chrono::duration<double> elapsed);

} // namespace varnel::cli
