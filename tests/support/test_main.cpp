// Entry point of every test executable. On Windows it first makes a crash end the process with a
// failure at once (mingw's gtest catches no SEH exceptions) and checks the code page that the Wine
// environment promises.
#include <gtest/gtest.h>

#include <cstdlib>

#ifdef _WIN32
#include "tests/support/crash_guard_win.h"
#include <windows.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    varnel::test::InstallCrashGuard();
#endif
    testing::InitGoogleTest(&argc, argv);
#ifdef _WIN32
    if (const char* expected = std::getenv("EXPECT_ACP")) {
        if (GetACP() != static_cast<UINT>(std::atoi(expected))) {
            std::fprintf(stderr, "test environment: ANSI code page is %u, expected %s\n", GetACP(),
                         expected);
            return 1;
        }
    }
#endif
    return RUN_ALL_TESTS();
}
