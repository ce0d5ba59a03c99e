#include "platform/console.h"

#include <unistd.h>

#include "platform/stream_io.h"

namespace varnel::platform {

void UseBinaryStandardStreams() {}

bool IsTerminal(StandardStream stream) {
    return isatty(static_cast<int>(stream)) == 1;
}

int WriteStandardOutput(std::string_view bytes) {
    return detail::WriteAll(STDOUT_FILENO, AsBytes(bytes));
}

void WriteStandardError(std::string_view utf8) {
    (void)detail::WriteAll(STDERR_FILENO, AsBytes(utf8));
}

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}

std::filesystem::path PathFromArgument(const std::string& argument) {
    return std::filesystem::path(argument);
}

} // namespace varnel::platform
