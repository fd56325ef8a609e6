// The driver records and mixer structures are exchanged with 32-bit code: the
// build must produce exactly the 32-bit layouts.
#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include <cstddef>

TEST(ThirtyTwoBitLayout, PointersAndMixerStructures)
{
    EXPECT_EQ(4u, sizeof(void*));
    EXPECT_EQ(4u, sizeof(HWND));
    EXPECT_EQ(4u, sizeof(DWORD_PTR));
    EXPECT_EQ(168u, sizeof(MIXERLINEA));
    EXPECT_EQ(148u, sizeof(MIXERCONTROLA));
    EXPECT_EQ(24u, sizeof(MIXERCONTROLDETAILS));
    EXPECT_EQ(48u, sizeof(MIXERCAPSA));
    EXPECT_EQ(4u, sizeof(MIXERCONTROLDETAILS_UNSIGNED));
    EXPECT_EQ(72u, sizeof(MIXERCONTROLDETAILS_LISTTEXTA));
    EXPECT_EQ(24u, sizeof(MIXERLINECONTROLSA));
    EXPECT_EQ(16u, offsetof(MIXERCONTROLDETAILS, cbDetails));
}

TEST(ThirtyTwoBitLayout, RunsAsWindowsXp)
{
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof(version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    ASSERT_TRUE(GetVersionExA(&version));
#pragma GCC diagnostic pop
    EXPECT_EQ(5u, version.dwMajorVersion);
    EXPECT_EQ(1u, version.dwMinorVersion);
    EXPECT_EQ(static_cast<DWORD>(VER_PLATFORM_WIN32_NT), version.dwPlatformId);
}
