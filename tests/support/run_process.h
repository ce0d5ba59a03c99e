// Runs a program to its end with the given standard input and collects its exit code and output;
// the command-line tests use it to run the real binary.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace varnel::test {

struct ProcessResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// `args[0]` is the program. Arguments are UTF-8; on Windows they are passed as UTF-16 and a
// program path in Unix form (/...) is taken through Wine's Z: drive. `stdinData` is written whole
// and standard input is then closed.
[[nodiscard]] ProcessResult RunProcess(const std::vector<std::string>& args,
                                       std::string_view stdinData = {});

// Starts a program without waiting for it and returns its process id (Unix) or handle value
// (Windows) for KillProcess; used by tests that interrupt a running process.
struct RunningProcess {
    long long id = 0;
};
[[nodiscard]] RunningProcess StartProcess(const std::vector<std::string>& args);
void KillProcess(RunningProcess& process);

// The platform's form of a test binary path handed over by CMake.
[[nodiscard]] std::string ProgramPath(std::string_view cmakePath);

} // namespace varnel::test
