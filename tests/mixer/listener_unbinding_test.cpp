// Listeners end their own registrations: a bound control destroyed with its page
// leaves the model's tables as they were, and later change messages and meter
// ticks reach nobody that is gone.
#include "mixer/mixer_test_support.h"

#include <memory>

namespace {

class ListenerUnbindingTest : public SimCardTest {};

// The model's tables, readable by the test.
class InspectedMixer : public TestMixer {
public:
    using TestMixer::m_listeners;
    using TestMixer::m_meterListeners;
};

// A fader with a meter, registered the way bound controls do it; what it is told
// goes to a log that outlives it.
class MeteredFader : public CMixerListener {
public:
    MeteredFader(std::vector<DWORD>& log, DWORD meterId) : m_log(log), m_meterId(meterId) {}
    void OnControlChange(DWORD controlId, bool) override { m_log.push_back(controlId); }
    bool Update(bool) override { return true; }
    bool Initialize() override { return Listen(ControlId()) && Listen(m_meterId); }

private:
    std::vector<DWORD>& m_log;
    DWORD m_meterId;
};

TEST_F(ListenerUnbindingTest, DestroyedListenerLeavesTheTablesAndHearsNothing)
{
    InstallModel(SimCardModel::Six);
    InspectedMixer mixer;
    ASSERT_TRUE(mixer.Open("Halvard 5.1+", 0, 0));
    const DWORD volume = ControlIdOf(mixer, "Wave", MIXERCONTROL_CONTROLTYPE_VOLUME);
    const DWORD meter = ControlIdOf(mixer, "Wave", MIXERCONTROL_CONTROLTYPE_PEAKMETER);
    const DWORD frontVolume = ControlIdOf(mixer, "Front", MIXERCONTROL_CONTROLTYPE_VOLUME);
    const DWORD frontMeter = ControlIdOf(mixer, "Front", MIXERCONTROL_CONTROLTYPE_PEAKMETER);

    // A listener that stays, on the same control and on another meter.
    RecordingListener bystander;
    ASSERT_TRUE(mixer.AddListener(volume, &bystander));
    ASSERT_TRUE(mixer.AddListener(frontMeter, &bystander));
    const CMixerDevice::ListenerTable listenersBefore = mixer.m_listeners;
    const CMixerDevice::ListenerTable metersBefore = mixer.m_meterListeners;

    std::vector<DWORD> heard;
    {
        MeteredFader fader(heard, meter);
        // Bound first elsewhere: binding again leaves that control and its meter.
        fader.Bind(&mixer, SimSourceLineId(0, 1), frontVolume);
        fader.Bind(&mixer, SimSourceLineId(0, 0), volume);
        EXPECT_EQ(2u, mixer.m_listeners.at(volume).size());
        EXPECT_EQ(0u, mixer.m_listeners.count(frontVolume));
        EXPECT_EQ(1u, mixer.m_meterListeners.at(meter).size());
        EXPECT_EQ(1u, mixer.m_meterListeners.at(frontMeter).size());
        ASSERT_TRUE(PumpUntil([&] { return !heard.empty(); }, 2000)) << "the bound meter is polled";
    }
    EXPECT_EQ(listenersBefore, mixer.m_listeners);
    EXPECT_EQ(metersBefore, mixer.m_meterListeners);

    // A change through the device's own message, and a meter tick of the mixer's timer.
    heard.clear();
    ASSERT_TRUE(mixer.SetUnsignedPair(volume, 1000, 2000));
    ASSERT_TRUE(PumpUntil([&] { return bystander.CountFor(volume) == 1; }, 2000));
    const size_t frontPolls = bystander.CountFor(frontMeter);
    PostMessageA(mixer.CallbackWindow(), WM_TIMER, MIXER_TIMER_ID, 0);
    ASSERT_TRUE(PumpUntil([&] { return bystander.CountFor(frontMeter) > frontPolls; }, 2000));
    EXPECT_TRUE(heard.empty());

    mixer.RemoveListener(volume, &bystander);
    mixer.RemoveListener(frontMeter, &bystander);
    EXPECT_EQ(0u, mixer.MeterTimer());
}

TEST_F(ListenerUnbindingTest, ListenerOutlivingItsMixerLetsGoWithoutTouchingIt)
{
    InstallModel(SimCardModel::Four);
    std::vector<DWORD> heard;
    std::unique_ptr<MeteredFader> fader;
    {
        TestMixer mixer;
        ASSERT_TRUE(mixer.Open("Halvard 5.1+", 0, 0));
        const DWORD meter = ControlIdOf(mixer, "Wave", MIXERCONTROL_CONTROLTYPE_PEAKMETER);
        fader = std::make_unique<MeteredFader>(heard, meter);
        fader->Bind(&mixer, SimSourceLineId(0, 0), ControlIdOf(mixer, "Wave", MIXERCONTROL_CONTROLTYPE_VOLUME));
        ASSERT_EQ(&mixer, fader->Mixer());
    }
    EXPECT_EQ(nullptr, fader->Mixer());
    fader->Unbind();
    fader.reset();
}

} // namespace
