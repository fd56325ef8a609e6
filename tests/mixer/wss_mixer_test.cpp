// The Windows mixer device on the simulated card: choosing a device, its
// messages, change messages through the callback window and the meter timer.
#include "mixer/mixer_test_support.h"
#include "support/message_box_catcher.h"

namespace {

class WssMixerTest : public SimCardTest {};

const char kNotFound[] = "The specified audio mixer device could not be found:\n\n\t";
const char kNotOpened[] = "The specified audio mixer device could not be opened:\n\n\t";

TEST_F(WssMixerTest, ChoosesTheDeviceByExactNameAndIds)
{
    SimMixerLayout other = SmallLayout();
    other.productName = "Other Mixer";
    other.productId = 0x77;
    AssignControlIds(other);
    InstallLayouts({other, MixerLayoutForModel(SimCardModel::Six)});

    {
        MessageBoxCatcher catcher;
        TestMixer mixer;
        EXPECT_FALSE(mixer.Open("halvard 5.1+", 0, 0));
        ASSERT_EQ(1u, catcher.Boxes().size());
        EXPECT_EQ(std::string(kNotFound) + "halvard 5.1+", catcher.Boxes()[0].text);
        EXPECT_EQ(nullptr, mixer.Handle());
    }
    MessageBoxCatcher catcher;
    TestMixer byName;
    ASSERT_TRUE(byName.Open("Halvard 5.1+", 0, 0));
    EXPECT_STREQ("Halvard 5.1+", byName.Caps().szPname);
    TestMixer first;
    ASSERT_TRUE(first.Open(nullptr, 0, 0));
    EXPECT_STREQ("Other Mixer", first.Caps().szPname);
    TestMixer byProduct;
    ASSERT_TRUE(byProduct.Open(nullptr, 0, 0x51));
    EXPECT_STREQ("Halvard 5.1+", byProduct.Caps().szPname);
    TestMixer wrongMaker;
    EXPECT_FALSE(wrongMaker.Open("Halvard 5.1+", 0x1234, 0));
    EXPECT_EQ(1u, catcher.Boxes().size());
}

TEST_F(WssMixerTest, OpenFailuresAndNoDevices)
{
    MessageBoxCatcher catcher;
    InstallLayouts({});
    TestMixer none;
    EXPECT_FALSE(none.Open("Halvard 5.1+", 0, 0));
    EXPECT_TRUE(catcher.Boxes().empty());

    SimMixerLayout busy = MixerLayoutForModel(SimCardModel::Four);
    busy.failOpen = true;
    InstallLayouts({busy});
    TestMixer mixer;
    EXPECT_FALSE(mixer.Open("Halvard 5.1+", 0, 0));
    ASSERT_EQ(1u, catcher.Boxes().size());
    EXPECT_EQ(std::string(kNotOpened) + "Halvard 5.1+\n", catcher.Boxes()[0].text);
    EXPECT_EQ(0, mixer.GetDestinationCount());
}

TEST_F(WssMixerTest, CallbackWindowAndHandleLifetime)
{
    InstallModel(SimCardModel::Six);
    HWND window = nullptr;
    {
        TestMixer mixer;
        ASSERT_TRUE(mixer.Open("Halvard 5.1+", 0, 0));
        window = mixer.CallbackWindow();
        char title[16] = {};
        GetWindowTextA(window, title, sizeof(title));
        EXPECT_STREQ("wss cb", title);
        EXPECT_FALSE(IsWindowVisible(window));
        EXPECT_EQ(1u, Devices().OpenHandleCount());
    }
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(0u, Devices().OpenHandleCount());
}

TEST_F(WssMixerTest, ChangesReachListenersThroughTheCallbackWindow)
{
    InstallModel(SimCardModel::Six);
    TestMixer mixer, otherProgram;
    ASSERT_TRUE(mixer.Open("Halvard 5.1+", 0, 0));
    ASSERT_TRUE(otherProgram.Open("Halvard 5.1+", 0, 0));
    const DWORD volume = ControlIdOf(mixer, "Rear", MIXERCONTROL_CONTROLTYPE_VOLUME);
    RecordingListener listener;
    listener.Bind(&mixer, SimSourceLineId(0, 2), volume);
    ASSERT_TRUE(mixer.AddListener(volume, &listener));

    // A change made through the model comes back as the device's message.
    ASSERT_TRUE(mixer.SetUnsignedPair(volume, 100, 200));
    EXPECT_TRUE(listener.changes.empty());
    ASSERT_TRUE(PumpUntil([&] { return listener.CountFor(volume) == 1; }, 2000));
    EXPECT_FALSE(listener.changes[0].second);

    // So does one made by another program, and one made on the card itself.
    ASSERT_TRUE(otherProgram.SetUnsignedPair(volume, 300, 400));
    ASSERT_TRUE(PumpUntil([&] { return listener.CountFor(volume) == 2; }, 2000));
    ASSERT_TRUE(Devices().SetFromOutside(0, volume, {500, 600}));
    ASSERT_TRUE(PumpUntil([&] { return listener.CountFor(volume) == 3; }, 2000));
    DWORD left = 0, right = 0;
    ASSERT_TRUE(mixer.GetUnsignedPair(volume, left, right));
    EXPECT_EQ(500u, left);
    EXPECT_EQ(600u, right);

    // A message about another mixer handle is not ours.
    PostMessageA(mixer.CallbackWindow(), MM_MIXM_CONTROL_CHANGE,
                 reinterpret_cast<WPARAM>(otherProgram.Handle()), volume);
    PumpFor(100);
    EXPECT_EQ(3u, listener.CountFor(volume));
    mixer.RemoveListener(volume, &listener);
}

TEST_F(WssMixerTest, MeterTimerRunsExactlyWhileMeterListenersExist)
{
    InstallModel(SimCardModel::Six);
    TestMixer mixer;
    ASSERT_TRUE(mixer.Open("Halvard 5.1+", 0, 0));
    const DWORD volume = ControlIdOf(mixer, "Wave", MIXERCONTROL_CONTROLTYPE_VOLUME);
    const DWORD waveMeter = ControlIdOf(mixer, "Wave", MIXERCONTROL_CONTROLTYPE_PEAKMETER);
    const DWORD frontMeter = ControlIdOf(mixer, "Front", MIXERCONTROL_CONTROLTYPE_PEAKMETER);
    RecordingListener fader, meters;

    ASSERT_TRUE(mixer.AddListener(volume, &fader));
    EXPECT_EQ(0u, mixer.MeterTimer());
    ASSERT_TRUE(mixer.AddListener(waveMeter, &meters));
    EXPECT_EQ(MIXER_TIMER_ID, mixer.MeterTimer());
    ASSERT_TRUE(mixer.AddListener(frontMeter, &meters));

    ASSERT_TRUE(Devices().SetMeterLevels(0, waveMeter, {1234, -2345}));
    ASSERT_TRUE(PumpUntil([&] { return meters.CountFor(waveMeter) >= 3 && meters.CountFor(frontMeter) >= 3; }, 2000));
    EXPECT_EQ(0u, fader.CountFor(volume));
    LONG left = 0, right = 0;
    ASSERT_TRUE(mixer.GetSignedPair(waveMeter, left, right));
    EXPECT_EQ(1234, left);
    EXPECT_EQ(-2345, right);

    ASSERT_TRUE(mixer.RemoveListener(waveMeter, &meters));
    EXPECT_EQ(MIXER_TIMER_ID, mixer.MeterTimer());
    ASSERT_TRUE(mixer.RemoveListener(frontMeter, &meters));
    EXPECT_EQ(0u, mixer.MeterTimer());
    const size_t polls = meters.changes.size();
    PumpFor(150);
    EXPECT_EQ(polls, meters.changes.size());
    mixer.RemoveListener(volume, &fader);
}

} // namespace
