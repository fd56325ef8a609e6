// Entry point of every test program: GoogleTest plus the program's own arguments.
#include "support/test_arguments.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    // What GoogleTest did not take belongs to the test program.
    for (int i = 1; i < argc; ++i)
        TestArguments().emplace_back(argv[i]);
    return RUN_ALL_TESTS();
}
