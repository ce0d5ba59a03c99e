#include "cli/dedupe_command.h"

#include <CLI/CLI.hpp>

#include <chrono>

#include "app/file_job.h"
#include "app/working_text.h"
#include "cli/argument_text.h"
#include "cli/command_line.h"
#include "cli/in_place_batch.h"
#include "cli/progress_meter.h"
#include "cli/separator_escapes.h"
#include "cli/standard_output_sink.h"
#include "cli/stats_report.h"
#include "engine/deduplicate.h"
#include "platform/console.h"
#include "platform/file_io.h"
#include "platform/folder_listing.h"

namespace varnel::cli {

namespace {

constexpr const char* kExamples = R"(Examples:
  varnel dedupe list.txt > unique.txt        Windows line ends (CR LF), the default
  varnel dedupe -s '\n' linux.txt            a file with Linux line ends (LF)
  varnel dedupe -s '\r\n\r\n' notes.txt      paragraphs separated by a blank line
  varnel dedupe -s ',' --stats < tags.txt    comma-separated items, with a summary
  varnel dedupe -e utf-8 -i a.txt b.txt      rewrite UTF-8 files in place (as GBK)
  varnel dedupe --dir logs --pattern '*.log' every .log file directly in logs/

Blocks are compared byte for byte (case, spaces and width count). A byte of 0x80 or above starts
a two-byte GBK character, so a separator never matches inside one. A separator at the very end
of the input is not restored; empty blocks before the first non-empty survivor are dropped.
Input of fewer than two blocks is written back unchanged.

Input is read as GBK (ansi), or converted from UTF-8 or UTF-16LE (unicode) with a leading
byte-order mark left out; the output is always GBK. Converted input that GBK cannot hold whole
(a zero character, a character without a GBK form, an invalid sequence) is an error that names
the byte where it starts; so is a zero byte in a file rewritten in place.

In place (-i, --dir), each file gets the new content only once it is complete: it is written
to a new file beside the old one, which then takes the old one's place. Read-only files (and,
on Windows, hidden and system files) are left unchanged. --pattern uses * and ? and ignores
letter case; subfolders are not entered.

Exit status: 0 done, 1 an input could not be read or an output not written (a file that could
not be processed is named with the reason), 2 a usage error.)";

std::optional<app::FileEncoding> EncodingFromName(const std::string& name) {
    if (name == "ansi") {
        return app::FileEncoding::kAnsi;
    }
    if (name == "utf-8") {
        return app::FileEncoding::kUtf8;
    }
    if (name == "unicode") {
        return app::FileEncoding::kUnicode;
    }
    return std::nullopt;
}

// Checks what CLI11 cannot express; an empty text when the combination is fine.
std::string UsageProblem(const DedupeOptions& options) {
    if (!options.folder.empty()) {
        if (options.inPlace || !options.files.empty()) {
            return "--dir takes no FILE and no -i: it rewrites the matching files of DIR";
        }
        return {};
    }
    if (options.inPlace && options.files.empty()) {
        return "-i needs at least one FILE";
    }
    if (!options.inPlace && options.files.size() > 1) {
        return "one FILE at a time to standard output; add -i to rewrite several in place";
    }
    return {};
}

int RunToStandardOutput(const DedupeOptions& options, app::FileEncoding encoding,
                        const Text& separator) {
    const auto started = std::chrono::steady_clock::now();
    const bool fromFile = !options.files.empty();
    const std::string inputName = fromFile ? options.files.front() : "standard input";
    const platform::ReadResult input =
        fromFile ? platform::ReadWholeFile(platform::PathFromArgument(options.files.front()))
                 : platform::ReadStandardInput();
    if (!input.ok()) {
        ReportError(inputName + ": " + input.error->Describe());
        return kExitFailure;
    }
    // ANSI input goes through byte for byte, zero bytes included (NUL-separated lists with
    // -s '\x00'): unlike a rewrite in place, nothing is lost by it. Converted input must
    // convert whole.
    std::string_view text = AsChars(input.content);
    std::optional<app::WorkingText> working;
    if (encoding != app::FileEncoding::kAnsi) {
        working = app::WorkingText::Make(input.content, encoding);
        if (working->problem()) {
            ReportError(inputName + ": " + app::DescribeContentProblem(*working->problem()));
            return kExitFailure;
        }
        text = working->text();
    }

    ProgressMeter meter;
    engine::DeduplicateOptions engineOptions;
    engineOptions.yieldHook = meter.HookIfTerminal();
    engineOptions.yieldInterval = ProgressMeter::kInterval;

    StandardOutputSink sink;
    const engine::DeduplicateStats stats =
        engine::DeduplicateBlocksTo(text, separator, sink, engineOptions);
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

int RunFolder(const DedupeOptions& options, const app::FileJobSettings& settings) {
    const platform::FolderListing listing = platform::FindFiles(
        platform::PathFromArgument(options.folder), platform::PathFromArgument(options.pattern));
    if (listing.error) {
        ReportError(ShownPath(listing.folder) + ": " + listing.error->Describe());
        return kExitFailure;
    }
    std::vector<InPlaceFile> files;
    files.reserve(listing.names.size());
    for (const auto& name : listing.names) {
        const auto path = listing.folder / name;
        files.push_back({path, ShownPath(path)});
    }
    return RunInPlace(files, settings, options.stats);
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
    command
        ->add_option("-e,--encoding", options.encoding,
                     "How input is read: ansi (GBK bytes as they are), utf-8 or unicode "
                     "(UTF-16LE), both converted to GBK. Default ansi")
        ->type_name("ENC")
        ->transform(CLI::IsMember({"ansi", "utf-8", "unicode"}, CLI::ignore_case));
    command->add_flag("-i,--in-place", options.inPlace,
                      "Rewrite each FILE with its result instead of writing to standard output; "
                      "a line per file and a summary go to standard error");
    CLI::Option* folder =
        command
            ->add_option("--dir", options.folder,
                         "Rewrite in place every file directly in DIR whose name matches "
                         "--pattern")
            ->type_name("DIR");
    command
        ->add_option("--pattern", options.pattern,
                     "Which files of --dir: * any run of characters, ? one character, letters "
                     "in either case. Default *.txt")
        ->type_name("PAT")
        ->needs(folder);
    command->add_flag("--stats", options.stats,
                      "Print blocks read, kept and removed, bytes in and out and the time taken "
                      "on standard error (totals over all files in place)");
    command
        ->add_option("FILE", options.files,
                     "The file to read (standard input when omitted); with -i, the files to "
                     "rewrite")
        ->type_name("");
    command->footer(kExamples);
    return command;
}

int RunDedupe(const DedupeOptions& options) {
    if (const std::string problem = UsageProblem(options); !problem.empty()) {
        ReportError(problem);
        return kExitUsage;
    }
    const ArgumentText typed = TextFromArgument(options.separator);
    const UnescapeResult separator = UnescapeSeparator(typed.text);
    if (!typed.error.empty() || !separator.error.empty()) {
        ReportError("--separator '" + options.separator +
                    "': " + (typed.error.empty() ? separator.error : typed.error));
        return kExitUsage;
    }
    const std::optional<app::FileEncoding> encoding = EncodingFromName(options.encoding);
    if (!encoding) {
        ReportError("--encoding '" + options.encoding + "': use ansi, utf-8 or unicode");
        return kExitUsage;
    }

    if (!options.inPlace && options.folder.empty()) {
        return RunToStandardOutput(options, *encoding, separator.bytes);
    }
    app::FileJobSettings settings;
    settings.encoding = *encoding;
    settings.separator = separator.bytes;
    if (!options.folder.empty()) {
        return RunFolder(options, settings);
    }
    std::vector<InPlaceFile> files;
    files.reserve(options.files.size());
    for (const auto& file : options.files) {
        files.push_back({platform::PathFromArgument(file), file});
    }
    return RunInPlace(files, settings, options.stats);
}

} // namespace varnel::cli
