#include "cli/dedupe_command.h"

#include <CLI/CLI.hpp>

#include <chrono>
#include <cstdio>

#include "cli/argument_text.h"
#include "cli/command_line.h"
#include "cli/progress_meter.h"
#include "cli/separator_escapes.h"
#include "cli/standard_output_sink.h"
#include "engine/deduplicate.h"
#include "platform/console.h"
#include "platform/file_io.h"

namespace varnel::cli {

namespace {

constexpr const char* kExamples = R"(Examples:
  varnel dedupe list.txt > unique.txt        Windows line ends (CR LF), the default
  varnel dedupe -s '\n' linux.txt            a file with Linux line ends (LF)
  varnel dedupe -s '\r\n\r\n' notes.txt      paragraphs separated by a blank line
  varnel dedupe -s ',' --stats < tags.txt    comma-separated items, with a summary

Blocks are compared byte for byte (case, spaces and width count). A byte of 0x80 or above starts
a two-byte GBK character, so a separator never matches inside one. A separator at the very end
of the input is not restored; empty blocks before the first non-empty survivor are dropped.
Input of fewer than two blocks is written back unchanged.

Exit status: 0 done, 1 the input could not be read or the output not written, 2 a usage error.)";

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

} // namespace

CLI::App* AddDedupeCommand(CLI::App& app, DedupeOptions& options) {
    CLI::App* command = app.add_subcommand(
        "dedupe", "Remove duplicate blocks: the last of each group of equal blocks survives");
    command
        ->add_option("-s,--separator", options.separator,
                     "Text between blocks; escapes \\r \\n \\t \\\\ \\xHH. Default \\r\\n. "
                     "Empty: the input comes back unchanged")
        ->type_name("SEP");
    command->add_flag("--stats", options.stats,
                      "Print blocks read, kept and removed, bytes in and out and the time taken "
                      "on standard error");
    command->add_option("FILE", options.file, "The file to read; standard input when omitted");
    command->footer(kExamples);
    return command;
}

int RunDedupe(const DedupeOptions& options) {
    const auto started = std::chrono::steady_clock::now();
    const ArgumentText typed = TextFromArgument(options.separator);
    const UnescapeResult separator = UnescapeSeparator(typed.text);
    if (!typed.error.empty() || !separator.error.empty()) {
        ReportError("--separator '" + options.separator +
                    "': " + (typed.error.empty() ? separator.error : typed.error));
        return kExitUsage;
    }

    const bool fromFile = !options.file.empty();
    const platform::ReadResult input =
        fromFile ? platform::ReadWholeFile(platform::PathFromArgument(options.file))
                 : platform::ReadStandardInput();
    if (!input.ok()) {
        ReportError((fromFile ? options.file : std::string("standard input")) + ": " +
                    input.error->Describe());
        return kExitFailure;
    }

    ProgressMeter meter;
    engine::DeduplicateOptions engineOptions;
    engine::YieldHook hook;
    if (platform::IsTerminal(platform::StandardStream::kError)) {
        hook = [&meter](const engine::RunProgress& progress) {
            meter.Show(progress);
            return engine::YieldAnswer::kContinue;
        };
        engineOptions.yieldHook = &hook;
        engineOptions.yieldInterval = ProgressMeter::kInterval;
    }

    StandardOutputSink sink;
    const engine::DeduplicateStats stats =
        engine::DeduplicateBlocksTo(AsChars(input.content), separator.bytes, sink, engineOptions);
    meter.Clear();
    if (stats.outcome != engine::RunOutcome::kCompleted || !sink.Flush()) {
        ReportError("cannot write to standard output: " + sink.ErrorReason());
        return kExitFailure;
    }
    if (options.stats) {
        PrintStats(stats, std::chrono::steady_clock::now() - started);
    }
    return kExitSuccess;
}

} // namespace varnel::cli
