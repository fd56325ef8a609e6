// Entry point of every test program: GoogleTest plus the program's own arguments.
// The simulated card counts as installed before, so that every panel and tool the
// tests start finds the driver's keys as the tests leave them, without factory
// presets; the mark is put back as it was at the end.
#include "simcard/sim_factory_content.h"
#include "support/registry_guard.h"
#include "support/test_arguments.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    RegistryValueGuard factoryMark(HKEY_CURRENT_USER, kSimCardKey, kSimFactoryMarkValue);
    MarkSimFactoryContent(true);
    // What GoogleTest did not take belongs to the test program.
    for (int i = 1; i < argc; ++i)
        TestArguments().emplace_back(argv[i]);
    return RUN_ALL_TESTS();
}
