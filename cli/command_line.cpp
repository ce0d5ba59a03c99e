#include "cli/command_line.h"

#include <CLI/CLI.hpp>

#include <algorithm>

#include "cli/convert_command.h"
#include "cli/dedupe_command.h"
#include "platform/console.h"

namespace varnel::cli {

void ReportError(const std::string& message) {
    platform::WriteStandardError("varnel: " + message + "\n");
}

int Run(const std::vector<std::string>& args) {
    CLI::App app("Varnel removes duplicate blocks of text: of every group of equal blocks only "
                 "the last survives, and the survivors keep their order.",
                 "varnel");
    app.set_version_flag("--version", "varnel " VARNEL_VERSION);
    app.require_subcommand(1);
    app.footer("Run 'varnel COMMAND --help' for the options of a command.");

    DedupeOptions dedupe;
    CLI::App* dedupeCommand = AddDedupeCommand(app, dedupe);

    // convert reads its own arguments from its table of operations (negative numbers, "-" for
    // standard input); it is declared here for the overview in --help.
    app.add_subcommand(std::string(kConvertCommandName), kConvertCommandSummary);
    if (args.size() > 1 && args[1] == kConvertCommandName) {
        return RunConvert({args.begin() + 2, args.end()});
    }

    // CLI11 takes the arguments without the program name, last one first.
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    if (!reversed.empty()) {
        reversed.pop_back();
    }
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        // help() describes the subcommand when one was named ("varnel dedupe --help").
        return platform::WriteStandardOutput(app.help()) == 0 ? kExitSuccess : kExitFailure;
    } catch (const CLI::CallForVersion&) {
        return platform::WriteStandardOutput(app.version() + "\n") == 0 ? kExitSuccess
                                                                        : kExitFailure;
    } catch (const CLI::ParseError& error) {
        std::string message = error.what();
        std::replace(message.begin(), message.end(), '\n', ' ');
        ReportError(message + " (see 'varnel --help')");
        return kExitUsage;
    }
    if (dedupeCommand->parsed()) {
        return RunDedupe(dedupe);
    }
    return kExitUsage;
}

} // namespace varnel::cli
