#include "cli/convert_command.h"

#include <algorithm>
#include <optional>

#include "base/number_text.h"
#include "cli/argument_text.h"
#include "cli/command_line.h"
#include "cli/convert_arguments.h"
#include "cli/operation_table.h"
#include "cli/terminal_text.h"
#include "platform/console.h"
#include "platform/file_io.h"

namespace varnel::cli {
namespace {

constexpr const char* kGeneralHelp = R"(Usage: varnel convert [--utf8] OPERATION [ARGUMENT...]
       varnel convert --list
       varnel convert OPERATION --help

Runs one operation of the encoding converter and writes its result to standard output.

Arguments follow the operation's order (see its --help):
  text, bytes   the argument's bytes as typed (on Windows, converted to GBK with the program's
                own code-page 936 table; BIG5, UTF-8 and UTF-16 arguments to their own form).
                '-', or leaving out an operation's only text or bytes argument, reads all of
                standard input instead, as binary, nothing removed (mind a final line break).
  integer       decimal, possibly negative: 'integer-to-ipv4 -1'. A text that starts with '-'
                goes after '--': 'url-encode -- -x'.
  true|false    a switch of the operation; optional ones may be left out.
  date-time     YYYY-MM-DD HH:MM:SS, YYYY-MM-DDTHH:MM:SS or YYYY-MM-DD.

Output: text and bytes exactly as the operation returns them, nothing added; numbers in decimal
followed by a line feed.

Options:
  --utf8        For a UTF-8 terminal: arguments are taken as UTF-8 (as on Windows), text from
                standard input is converted from UTF-8, and text results are written as UTF-8.
                Bytes stay bytes. 'varnel convert --utf8 simplified-to-traditional ...'
  --list        List every operation with its arguments and result.
  -h, --help    This text, or with an operation, the description of that operation.

Exit status: 0 done, 1 standard input could not be read or the output not written, 2 an unknown
operation or a missing, surplus or malformed argument.
)";

struct Request {
    bool utf8 = false;
    bool list = false;
    bool help = false;
    std::string operation;
    std::vector<std::string> arguments;
    std::string error;
};

// "-1" and "-.5" are values, not options.
bool LooksLikeNegativeNumber(std::string_view token) {
    return token.size() > 1 && token[0] == '-' &&
           ((token[1] >= '0' && token[1] <= '9') || token[1] == '.');
}

Request ReadCommandLine(const std::vector<std::string>& args) {
    Request request;
    bool optionsEnded = false;
    for (const std::string& token : args) {
        if (!optionsEnded && token.size() > 1 && token[0] == '-' &&
            !LooksLikeNegativeNumber(token)) {
            if (token == "--") {
                optionsEnded = true;
            } else if (token == "--utf8") {
                request.utf8 = true;
            } else if (token == "--list") {
                request.list = true;
            } else if (token == "-h" || token == "--help") {
                request.help = true;
            } else if (request.error.empty()) {
                request.error =
                    "unknown option '" + token + "' (a text that starts with '-' goes after '--')";
            }
            continue;
        }
        if (request.operation.empty()) {
            request.operation = token;
        } else {
            request.arguments.push_back(token);
        }
    }
    return request;
}

int Write(std::string_view bytes) {
    const int error = platform::WriteStandardOutput(bytes);
    if (error != 0) {
        ReportError("cannot write to standard output: " + platform::SystemErrorMessage(error));
        return kExitFailure;
    }
    return kExitSuccess;
}

int UsageError(const std::string& message) {
    ReportError("convert" + message);
    return kExitUsage;
}

// A parameter as usage lines show it: "NAME", or "[NAME]" when it may be left out.
std::string Synopsis(const Parameter& parameter) {
    return parameter.defaultValue.empty() ? std::string(parameter.name)
                                          : "[" + std::string(parameter.name) + "]";
}

std::string Usage(const Operation& operation) {
    std::string usage = CommandName(operation.method);
    for (const Parameter& parameter : operation.parameters) {
        usage += ' ' + Synopsis(parameter);
    }
    return usage;
}

// The index of the operation's one text or bytes parameter, which standard input can stand for.
std::optional<std::size_t> InputParameter(const Operation& operation) {
    std::optional<std::size_t> found;
    for (std::size_t i = 0; i < operation.parameters.size(); ++i) {
        if (IsTextOrBytes(operation.parameters[i].kind)) {
            if (found) {
                return std::nullopt;
            }
            found = i;
        }
    }
    return found;
}

std::string Padded(std::string text, std::size_t width) {
    if (text.size() < width) {
        text.resize(width, ' ');
    }
    return text;
}

std::string ListOfOperations() {
    std::string list = "Operations of 'varnel convert' (OPERATION --help describes one):\n";
    for (const Operation& operation : Operations()) {
        std::string arguments;
        for (const Parameter& parameter : operation.parameters) {
            arguments += Synopsis(parameter) + ' ';
        }
        list += "  " + Padded(CommandName(operation.method), 26) + Padded(arguments, 30) + "-> " +
                std::string(DescribeKind(operation.result)) + "\n";
    }
    return list;
}

std::string DescribeResult(ValueKind kind) {
    switch (kind) {
    case ValueKind::kText:
    case ValueKind::kBig5Text:
        return std::string(DescribeKind(kind)) +
               ", written as it is with nothing added (as UTF-8 with --utf8)";
    case ValueKind::kInt32:
    case ValueKind::kInt64:
        return "an integer in decimal and a line feed";
    case ValueKind::kBool:
        return "true or false and a line feed";
    default:
        return std::string(DescribeKind(kind)) + ", written as they are";
    }
}

std::string HelpOf(const Operation& operation) {
    std::string help = "Usage: varnel convert [--utf8] " + Usage(operation) + "\n\n" +
                       std::string(operation.summary) +
                       ".\n(EncodingConverter::" + std::string(operation.method) + ")\n";
    const std::optional<std::size_t> input = InputParameter(operation);
    if (!operation.parameters.empty()) {
        help += "\nArguments:\n";
    }
    for (std::size_t i = 0; i < operation.parameters.size(); ++i) {
        const Parameter& parameter = operation.parameters[i];
        help += "  " + Padded(std::string(parameter.name), 12) +
                std::string(DescribeKind(parameter.kind)) + "; " + std::string(parameter.help);
        if (!parameter.defaultValue.empty()) {
            help += " (default " + std::string(parameter.defaultValue) + ")";
        }
        help += "\n";
        if (input == i) {
            help += Padded("", 14) + "Standard input when it is '-' or left out.\n";
        }
    }
    help += "\nResult: " + DescribeResult(operation.result) + ".\n";
    return help;
}

std::string UnknownOperation(std::string_view name) {
    // A converter name or a near spelling ("UrlEncode", "url_encode") gets the right one named.
    const auto squeeze = [](std::string_view text) {
        std::string out;
        for (const char c : text) {
            if (c != '-' && c != '_') {
                out += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
            }
        }
        return out;
    };
    std::string message = ": unknown operation '" + std::string(name) + "'";
    for (const Operation& operation : Operations()) {
        if (squeeze(operation.method) == squeeze(name)) {
            return message + " (did you mean '" + CommandName(operation.method) + "'?)";
        }
    }
    return message + " (see 'varnel convert --list')";
}

int WriteResult(const Value& result, ValueKind kind, bool utf8) {
    if (const Text* text = std::get_if<Text>(&result)) {
        return Write(utf8 ? Utf8FromText(*text, kind) : *text);
    }
    if (const Bytes* bytes = std::get_if<Bytes>(&result)) {
        return Write(AsChars(*bytes));
    }
    if (const std::int64_t* number = std::get_if<std::int64_t>(&result)) {
        return Write(std::to_string(*number) + "\n");
    }
    if (const bool* flag = std::get_if<bool>(&result)) {
        return Write(*flag ? "true\n" : "false\n");
    }
    return Write(FormatNumber(std::get<DateTime>(result)) + "\n");
}

int RunOperation(const Operation& operation, const Request& request) {
    const std::string name = " " + CommandName(operation.method);
    const std::vector<Parameter>& parameters = operation.parameters;
    const std::size_t given = request.arguments.size();
    const auto required = static_cast<std::size_t>(
        std::count_if(parameters.begin(), parameters.end(),
                      [](const Parameter& p) { return p.defaultValue.empty(); }));
    if (given > parameters.size()) {
        return UsageError(name + ": too many arguments (usage: " + Usage(operation) + ")");
    }

    // The typed argument of each parameter; an input parameter left out reads standard input.
    const std::optional<std::size_t> input = InputParameter(operation);
    const bool inputLeftOut = given < required && input && given + 1 == required &&
                              parameters[*input].defaultValue.empty();
    std::vector<std::optional<std::string_view>> typed(parameters.size());
    for (std::size_t i = 0, next = 0; i < parameters.size() && next < given; ++i) {
        if (!(inputLeftOut && input == i)) {
            typed[i] = request.arguments[next++];
        }
    }

    // Typed arguments are checked first, so that a mistake never waits for standard input.
    const bool unicode = request.utf8 || ArgumentsAreUnicode();
    std::vector<Value> values(parameters.size());
    std::optional<std::size_t> fromInput;
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        const Parameter& parameter = parameters[i];
        ParsedValue parsed;
        if (input == i && (!typed[i] || *typed[i] == "-")) {
            fromInput = i;
            continue;
        }
        if (typed[i]) {
            parsed = ParseArgument(*typed[i], parameter.kind, unicode);
        } else if (!parameter.defaultValue.empty()) {
            parsed = ParseArgument(parameter.defaultValue, parameter.kind, false);
        } else {
            return UsageError(name + ": missing argument " + std::string(parameter.name) +
                              " (usage: " + Usage(operation) + ")");
        }
        if (!parsed.error.empty()) {
            const std::string leftOut = inputLeftOut
                                            ? " (" + std::string(parameters[*input].name) +
                                                  " was left out: standard input stands for it)"
                                            : "";
            return UsageError(name + ": " + std::string(parameter.name) + ": " + parsed.error +
                              leftOut);
        }
        values[i] = std::move(parsed.value);
    }
    if (fromInput) {
        const platform::ReadResult read = platform::ReadStandardInput();
        if (!read.ok()) {
            ReportError("standard input: " + read.error->Describe());
            return kExitFailure;
        }
        ParsedValue parsed =
            ValueFromInput(read.content, parameters[*fromInput].kind, request.utf8);
        if (!parsed.error.empty()) {
            return UsageError(name + ": " + std::string(parameters[*fromInput].name) + ": " +
                              parsed.error);
        }
        values[*fromInput] = std::move(parsed.value);
    }

    static const encoding::EncodingConverter converter;
    Call call(std::move(values));
    const Value result = operation.run(converter, call);
    if (!call.Rejection().empty()) {
        return UsageError(name + ": " + call.Rejection());
    }
    return WriteResult(result, operation.result, request.utf8);
}

} // namespace

int RunConvert(const std::vector<std::string>& args) {
    const Request request = ReadCommandLine(args);
    if (!request.error.empty()) {
        return UsageError(": " + request.error + " (see 'varnel convert --help')");
    }
    if (request.list) {
        return Write(ListOfOperations());
    }
    const Operation* operation =
        request.operation.empty() ? nullptr : FindOperation(request.operation);
    if (request.help && request.operation.empty()) {
        return Write(kGeneralHelp);
    }
    if (request.operation.empty()) {
        return UsageError(": no operation given (see 'varnel convert --list')");
    }
    if (operation == nullptr) {
        return UsageError(UnknownOperation(request.operation));
    }
    if (request.help) {
        return Write(HelpOf(*operation));
    }
    return RunOperation(*operation, request);
}

} // namespace varnel::cli
