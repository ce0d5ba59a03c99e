// Entry point of the GUI test executables: as test_main.cpp, with the message-box guard on the
// test thread. A run in which a real message box appeared fails, even if every test passed.
#include <gtest/gtest.h>

#include <cstdio>

#include "tests/support/message_box_guard_win.h"
#include "tests/support/test_process.h"

int main(int argc, char** argv) {
    if (!varnel::test::PrepareTestProcess(&argc, argv)) {
        return 1;
    }
    varnel::test::InstallMessageBoxGuard();
    const int result = RUN_ALL_TESTS();
    const auto boxes = varnel::test::TakeClosedMessageBoxes();
    for (const std::wstring& text : boxes) {
        std::fprintf(stderr, "a message box was shown and closed: %ls\n", text.c_str());
    }
    return result != 0 || !boxes.empty() ? 1 : 0;
}
