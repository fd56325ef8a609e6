// The mixer structures are exchanged with the system's mixer code: each build must
// produce its architecture's layouts, and run as that architecture's Windows XP.
#include "support/arch_layout.h"

#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include <cstddef>

TEST(ArchitectureLayout, PointersAndMixerStructures)
{
    ExpectLayout({
        {"pointer", sizeof(void*), 4, 8},
        {"HWND", sizeof(HWND), 4, 8},
        {"DWORD_PTR", sizeof(DWORD_PTR), 4, 8},
        {"LONG_PTR", sizeof(LONG_PTR), 4, 8},
        {"DWORD", sizeof(DWORD), 4, 4},
        {"LONG", sizeof(LONG), 4, 4},
        {"MIXERLINEA", sizeof(MIXERLINEA), 168, 172},
        {"MIXERCONTROLA", sizeof(MIXERCONTROLA), 148, 148},
        {"MIXERCONTROLDETAILS", sizeof(MIXERCONTROLDETAILS), 24, 32},
        {"MIXERCONTROLDETAILS.cbDetails", offsetof(MIXERCONTROLDETAILS, cbDetails), 16, 20},
        {"MIXERCAPSA", sizeof(MIXERCAPSA), 48, 48},
        {"MIXERCONTROLDETAILS_UNSIGNED", sizeof(MIXERCONTROLDETAILS_UNSIGNED), 4, 4},
        {"MIXERCONTROLDETAILS_LISTTEXTA", sizeof(MIXERCONTROLDETAILS_LISTTEXTA), 72, 72},
        {"MIXERLINECONTROLSA", sizeof(MIXERLINECONTROLSA), 24, 28},
    });
}

TEST(ArchitectureLayout, RunsAsWindowsXpOfItsArchitecture)
{
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof(version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    ASSERT_TRUE(GetVersionExA(&version));
#pragma GCC diagnostic pop
    // XP is 5.1; XP x64 is 5.2.
    EXPECT_EQ(5u, version.dwMajorVersion);
    EXPECT_EQ(OnArch(1, 2), version.dwMinorVersion);
    EXPECT_EQ(static_cast<DWORD>(VER_PLATFORM_WIN32_NT), version.dwPlatformId);
}
