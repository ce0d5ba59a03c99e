// The standard streams as a command-line tool needs them: binary mode, terminal detection,
// whole writes, and messages that show correctly on the console.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace varnel::platform {

enum class StandardStream { kInput, kOutput, kError };

// Stops any newline translation on the three standard streams (Windows); nothing elsewhere.
void UseBinaryStandardStreams();

[[nodiscard]] bool IsTerminal(StandardStream stream);

// Writes all bytes to standard output, unbuffered. 0 on success, else the system's error code
// (errno or GetLastError(); SystemErrorMessage in file_io.h describes it).
[[nodiscard]] int WriteStandardOutput(std::string_view bytes);

// Writes UTF-8 text to standard error. On a Windows console it is shown as Unicode text; when
// redirected the UTF-8 bytes are written as they are.
void WriteStandardError(std::string_view utf8);

// The program's arguments as UTF-8 (on Windows taken from the wide command line, so that names
// outside the ANSI code page survive).
[[nodiscard]] std::vector<std::string> CommandLineArguments(int argc, char** argv);

// A path given on the command line (UTF-8 on Windows, the system's bytes elsewhere).
[[nodiscard]] std::filesystem::path PathFromArgument(const std::string& argument);

} // namespace varnel::platform
