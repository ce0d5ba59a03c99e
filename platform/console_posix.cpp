#include "platform/console.h"

#include <cerrno>
#include <unistd.h>

namespace varnel::platform {

namespace {

int WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

} // namespace

void UseBinaryStandardStreams() {}

bool IsTerminal(StandardStream stream) {
    return isatty(static_cast<int>(stream)) == 1;
}

int WriteStandardOutput(std::string_view bytes) {
    return WriteAll(STDOUT_FILENO, bytes);
}

void WriteStandardError(std::string_view utf8) {
    (void)WriteAll(STDERR_FILENO, utf8);
}

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}

std::filesystem::path PathFromArgument(const std::string& argument) {
    return std::filesystem::path(argument);
}

} // namespace varnel::platform
