// The speaker test on the system's own sound functions, in a Wine prefix without an
// audio device: every operation reports a failure, nothing is shown, nothing hangs.
#include "test_sound/sound_test_support.h"

#include "platform/direct_sound_functions.h"
#include "support/message_box_catcher.h"

namespace {

BOOL CALLBACK CountDevice(LPGUID, LPCSTR, LPCSTR, LPVOID context)
{
    ++*static_cast<int*>(context);
    return TRUE;
}

TEST(SystemSoundTest, WithoutAnAudioDeviceEveryOperationFailsQuietly)
{
    RestoreWindowsDirectSoundFunctions();
    int devices = 0;
    WindowsDirectSoundFunctions().enumerate(&CountDevice, &devices);
    if (devices > 0)
        GTEST_SKIP() << "this machine's sound system has " << devices << " devices";

    HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    MessageBoxCatcher boxes;
    {
        CSpeakerTest test;
        const HRESULT status = test.InitSoundDevice(owner, kProductName);
        EXPECT_TRUE(FAILED(status));
        RecordProperty("initialisation", static_cast<int>(status));
        EXPECT_TRUE(test.Devices().empty());
        EXPECT_EQ(S_OK, test.LoadTestSound(TestSoundPath().c_str()));
        EXPECT_TRUE(FAILED(test.StartSpeaker(SPEAKER_FRONT_LEFT, TRUE)));
        EXPECT_TRUE(FAILED(test.ApplySoundSystemSpeakers(DSSPEAKER_5POINT1)));
        EXPECT_EQ(0, test.ActiveCount());
        EXPECT_FALSE(test.HasSoundDevice());
    }
    EXPECT_TRUE(boxes.Boxes().empty());
    DestroyWindow(owner);
}

} // namespace
