#include "tests/support/test_process.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#ifdef _WIN32
#include "tests/support/crash_guard_win.h"
#include <windows.h>
#endif

namespace varnel::test {

bool PrepareTestProcess(int* argc, char** argv) {
#ifdef _WIN32
    InstallCrashGuard();
#endif
    testing::InitGoogleTest(argc, argv);
#ifdef _WIN32
    if (const char* expected = std::getenv("EXPECT_ACP")) {
        if (GetACP() != static_cast<UINT>(std::atoi(expected))) {
            std::fprintf(stderr, "test environment: ANSI code page is %u, expected %s\n", GetACP(),
                         expected);
            return false;
        }
    }
#endif
    return true;
}

} // namespace varnel::test
