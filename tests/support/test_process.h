// What every test executable does before its tests run: on Windows, a crash ends the process with
// a failure at once (mingw's gtest catches no SEH exceptions), and the code page that the Wine
// environment promises is checked.
#pragma once

namespace varnel::test {

// Initialises GoogleTest with the command line; false when the environment is not as promised
// (the reason is printed).
[[nodiscard]] bool PrepareTestProcess(int* argc, char** argv);

} // namespace varnel::test
