#include "cli/stats_report.h"

#include <cstdio>

#include "platform/console.h"

namespace varnel::cli {

void PrintStats(const engine::DeduplicateStats& stats, std::chrono::duration<double> elapsed) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer,
                  "blocks read     %12llu\n"
                  "blocks kept     %12llu\n"
                  "blocks removed  %12llu\n"
                  "bytes in        %12llu\n"
                  "bytes out       %12llu\n"
                  "elapsed         %12.3f s\n",
                  static_cast<unsigned long long>(stats.blocksRead),
                  static_cast<unsigned long long>(stats.blocksKept),
                  static_cast<unsigned long long>(stats.blocksRead - stats.blocksKept),
                  static_cast<unsigned long long>(stats.bytesIn),
                  static_cast<unsigned long long>(stats.bytesOut), elapsed.count());
    platform::WriteStandardError(buffer);
}

} // namespace varnel::cli
