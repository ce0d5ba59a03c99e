#include "cli/in_place_batch.h"

#include <chrono>

#include "cli/progress_meter.h"
#include "cli/stats_report.h"
#include "platform/console.h"

namespace varnel::cli {

namespace {

std::string Counter(std::size_t index, std::size_t count) {
    return "[" + std::to_string(index) + "/" + std::to_string(count) + "] ";
}

std::string Plural(std::uint64_t n, const char* noun) {
    return std::to_string(n) + " " + noun + (n == 1 ? "" : "s");
}

} // namespace

std::string ShownPath(const std::filesystem::path& path) {
    const std::u8string utf8 = path.u8string();
    return std::string(utf8.begin(), utf8.end());
}

int RunInPlace(const std::vector<InPlaceFile>& files, const app::FileJobSettings& settings,
               bool stats) {
    const auto started = std::chrono::steady_clock::now();
    ProgressMeter meter;
    app::FileJobSettings jobSettings = settings;
    jobSettings.yieldHook = meter.HookIfTerminal();
    jobSettings.yieldInterval = ProgressMeter::kInterval;

    std::size_t rewritten = 0;
    engine::DeduplicateStats total;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const app::FileJobResult result = app::DeduplicateFileInPlace(files[i].path, jobSettings);
        meter.Clear();
        std::string line = Counter(i + 1, files.size()) + files[i].shown + ": ";
        if (result.written()) {
            ++rewritten;
            total.blocksRead += result.stats.blocksRead;
            total.blocksKept += result.stats.blocksKept;
            total.bytesIn += result.stats.bytesIn;
            total.bytesOut += result.stats.bytesOut;
            line += "rewritten, " +
                    std::to_string(result.stats.blocksRead - result.stats.blocksKept) + " of " +
                    Plural(result.stats.blocksRead, "block") + " removed";
        } else {
            line += "not processed: " + app::DescribeFailure(result);
        }
        platform::WriteStandardError(line + "\n");
    }

    const std::size_t failed = files.size() - rewritten;
    std::string summary =
        Plural(files.size(), "file") + ": " + std::to_string(rewritten) + " rewritten";
    if (failed > 0) {
        summary += ", " + std::to_string(failed) + " not processed";
    }
    platform::WriteStandardError(summary + "\n");
    if (stats) {
        PrintStats(total, std::chrono::steady_clock::now() - started);
    }
    return failed == 0 ? 0 : 1;
}

} // namespace varnel::cli
