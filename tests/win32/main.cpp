// plv_win_tests: GoogleTest, or, when started by a test as a child, the child's mode.

#include <gtest/gtest.h>

#include "win_test_support.h"

int main(int argc, char** argv) {
    if (auto code = plv::wintest::RunChildMode()) {
        return *code;
    }
    // The desktop is made by the first program that asks for it, as plv.exe does with its forms
    // before it starts anything. Left to a browser this program starts in a kill-on-close job,
    // Wine's desktop process would be that browser's child and end with it, taking the desktop of
    // every later window along.
    GetDesktopWindow();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
