// plv_win_tests: GoogleTest, or, when started by a test as a child, the child's mode.

#include <gtest/gtest.h>

#include "win_test_support.h"

int main(int argc, char** argv) {
    if (auto code = plv::wintest::RunChildMode()) {
        return *code;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
