// Entry point of every test executable but the GUI tests (gui_test_main_win.cpp).
#include <gtest/gtest.h>

#include "tests/support/test_process.h"

int main(int argc, char** argv) {
    if (!varnel::test::PrepareTestProcess(&argc, argv)) {
        return 1;
    }
    return RUN_ALL_TESTS();
}
