// A running program sees what halvardctl changes: mixer values through the mixer
// device's own change messages (the simulated card relays them between processes),
// and the card's own settings through the broadcast message, after which the card
// object reads them again without telling the driver anything.
#include "halvardctl/ctl_process.h"
#include "halvardctl/ctl_test_support.h"

#include "driver/card_requests.h"
#include "driver/card_settings_message.h"
#include "mixer/mixer_listener.h"
#include "support/message_pump.h"

#include <gtest/gtest.h>

namespace {

constexpr DWORD kFrontVolumeId = 8; // the six-channel card's Front volume
constexpr DWORD kWaitMs = 10000;

class CountingListener : public CMixerListener {
public:
    void Start(CMixerDevice& mixer, DWORD controlId)
    {
        Bind(&mixer, 0, controlId);
        Listen(controlId);
    }
    ~CountingListener() { Unbind(); }
    void OnControlChange(DWORD, bool) override { ++changes; }
    bool Update(bool) override { return true; }
    int changes = 0;
};

// A top-level window of this process that counts the card-settings message.
class SettingsMessageWindow {
public:
    SettingsMessageWindow()
    {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = &Proc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "Halvard Tests Settings Message";
        RegisterClassA(&windowClass);
        m_window = CreateWindowExA(0, windowClass.lpszClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                   windowClass.hInstance, nullptr);
        s_count = 0;
    }
    ~SettingsMessageWindow() { DestroyWindow(m_window); }
    static int Count() { return s_count; }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == CardSettingsChangedMessage())
            ++s_count;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    HWND m_window;
    static int s_count;
};
int SettingsMessageWindow::s_count = 0;

class HalvardCtlSharingTest : public HalvardCtlTest {};

TEST_F(HalvardCtlSharingTest, AVolumeSetByTheToolReachesAnOpenMixerOfThisProcess)
{
    ASSERT_TRUE(Bench().Start(SimCardModel::Six));
    CountingListener listener;
    listener.Start(Bench().Mixer(), kFrontVolumeId);
    const CtlRunResult run = RunCtl("set front 20%");
    ASSERT_EQ(0u, run.exitCode) << run.err;
    EXPECT_TRUE(PumpUntil([&] { return listener.changes > 0; }, kWaitMs));
    DWORD left = 0, right = 0;
    ASSERT_TRUE(Bench().Mixer().GetUnsignedPair(kFrontVolumeId, left, right));
    EXPECT_EQ(13107u, left);
    EXPECT_EQ(13107u, right);
    // And the other way: this process's change is what the tool reads.
    ASSERT_TRUE(Bench().Mixer().SetUnsignedPair(kFrontVolumeId, 65535, 0));
    EXPECT_EQ("volume=65535,0 percent=100,0 mute=off\n", UnixLines(RunCtl("get front").out));
}

TEST_F(HalvardCtlSharingTest, CardSettingsAreAnnouncedAndReadAgainWithoutTellingTheDriver)
{
    WritePresets({"Jazz", "Rock"});
    ASSERT_TRUE(Bench().Start(SimCardModel::Six));
    EXPECT_STREQ("Jazz", Bench().Mixer().CurrentEqSetName());
    SettingsMessageWindow window;
    for (const char* change : {"set eq.preset Rock", "set spdif.input on", "set aec auto", "set speakers 5.1"})
        ASSERT_EQ(0u, RunCtl(change).exitCode) << change;
    EXPECT_TRUE(PumpUntil([] { return SettingsMessageWindow::Count() >= 4; }, kWaitMs));
    // A mixer change or a refused value announces nothing.
    RunCtl("set front 10%");
    RunCtl("set aec sometimes");
    PumpFor(300);
    EXPECT_EQ(4, SettingsMessageWindow::Count());

    Bench().Driver().ClearLog();
    Bench().Mixer().ReloadDriverSettings();
    EXPECT_STREQ("Rock", Bench().Mixer().CurrentEqSetName());
    EXPECT_EQ(2u, Bench().Mixer().GetSpdifInputMode());
    EXPECT_EQ(1u, Bench().Mixer().GetAecMode());
    EXPECT_EQ(6u, Bench().Mixer().GetSpeakerConfig() & 0xFF);
    EXPECT_EQ(0, Bench().Driver().CountRequests(IOCTL_CARD_COMMAND));
    EXPECT_EQ(0, Bench().Driver().CountRequests(IOCTL_CARD_REGISTRY_WRITE));
    EXPECT_EQ(0, Bench().Driver().CountRequests(IOCTL_CARD_PROPERTY_SET));
}

} // namespace
