// The mixer model on simulated devices: value counts, unhandled controls,
// hidden lines, typed values and the listener tables.
#include "mixer/mixer_test_support.h"

namespace {

class MixerModelTest : public SimCardTest {};

SimControl Control(DWORD type, DWORD flags, const char* name)
{
    SimControl control;
    control.type = type;
    control.flags = flags;
    control.maximum = 65535;
    control.shortName = name;
    control.name = name;
    return control;
}

TEST_F(MixerModelTest, ValueCountsFollowUniformAndMultipleFlags)
{
    SimMixerLayout layout = SmallLayout();
    const std::vector<std::string> items = {"A", "B", "C", "D", "E"};
    SimControl perChannelMux = SimMux(items);
    perChannelMux.flags = MIXERCONTROL_CONTROLF_MULTIPLE;
    std::vector<SimControl>& controls = layout.destinations[0].line.controls;
    controls.push_back(Control(MIXERCONTROL_CONTROLTYPE_VOLUME, MIXERCONTROL_CONTROLF_UNIFORM, "Uniform"));
    controls.push_back(perChannelMux);
    controls.push_back(SimMux(items));
    AssignControlIds(layout);
    InstallLayouts({layout});
    TestMixer mixer;
    ASSERT_TRUE(mixer.Open("Halvard 5.1+", 0, 0));

    MixerControlEntry* entry = nullptr;
    ASSERT_TRUE(mixer.GetDestinationControl(0, 0, entry)); // stereo volume
    EXPECT_EQ(2u, entry->count);
    EXPECT_EQ(2u, entry->valueRequest.cChannels);
    ASSERT_TRUE(mixer.GetDestinationControl(0, 2, entry)); // uniform volume
    EXPECT_EQ(1u, entry->count);
    ASSERT_TRUE(mixer.GetDestinationControl(0, 3, entry)); // five items on two channels
    EXPECT_EQ(10u, entry->count);
    EXPECT_EQ(2u, entry->valueRequest.cChannels);
    EXPECT_EQ(5u, entry->valueRequest.cMultipleItems);
    EXPECT_EQ(sizeof(MIXERCONTROLDETAILS_LISTTEXTA), entry->listTextRequest.cbDetails);
    EXPECT_STREQ("E", entry->ItemNames()[9].szName);

    // Each channel keeps its own selection.
    const DWORD id = entry->control.dwControlID;
    const LONG selection[10] = {0, 0, 1, 0, 0, 0, 0, 0, 0, 1};
    ASSERT_TRUE(mixer.SetBooleanArray(id, selection, sizeof(selection)));
    LONG read[10] = {};
    ASSERT_TRUE(mixer.GetBooleanArray(id, read, sizeof(read)));
    EXPECT_EQ(std::vector<LONG>(selection, selection + 10), std::vector<LONG>(read, read + 10));

    ASSERT_TRUE(mixer.GetDestinationControl(0, 4, entry)); // uniform mux
    EXPECT_EQ(5u, entry->count);
    EXPECT_EQ(1u, entry->valueRequest.cChannels);
}

TEST_F(MixerModelTest, ArraysAreBoundedByTheCallersBuffer)
{
    InstallModel(SimCardModel::Six);
    TestMixer mixer;
    ASSERT_TRUE(mixer.Open("Halvard 5.1+", 0, 0));
    const DWORD mux = ControlIdOf(mixer, "Record", MIXERCONTROL_CONTROLTYPE_MUX);

    // A caller that wants two of six items gets two and nothing past them.
    LONG read[3] = {-7, -7, -7};
    ASSERT_TRUE(mixer.GetBooleanArray(mux, read, 2 * sizeof(LONG)));
    EXPECT_EQ(1, read[0]);
    EXPECT_EQ(0, read[1]);
    EXPECT_EQ(-7, read[2]);

    // A short write sets the first values and keeps the rest.
    const LONG secondOnly[2] = {0, 1};
    ASSERT_TRUE(mixer.SetBooleanArray(mux, secondOnly, sizeof(secondOnly)));
    LONG all[6] = {};
    ASSERT_TRUE(mixer.GetBooleanArray(mux, all, sizeof(all)));
    EXPECT_EQ((std::vector<LONG>{0, 1, 0, 0, 0, 0}), std::vector<LONG>(all, all + 6));
}

TEST_F(MixerModelTest, TypedValuesRoundTripAndUnknownIdsFail)
{
    InstallModel(SimCardModel::Six);
    TestMixer mixer;
    ASSERT_TRUE(mixer.Open("Halvard 5.1+", 0, 0));
    const DWORD volume = ControlIdOf(mixer, "Front", MIXERCONTROL_CONTROLTYPE_VOLUME);
    const DWORD mute = ControlIdOf(mixer, "Front", MIXERCONTROL_CONTROLTYPE_MUTE);

    ASSERT_TRUE(mixer.SetUnsignedPair(volume, 65535, 32768));
    DWORD left = 0, right = 0;
    ASSERT_TRUE(mixer.GetUnsignedPair(volume, left, right));
    EXPECT_EQ(65535u, left);
    EXPECT_EQ(32768u, right);
    ASSERT_TRUE(mixer.SetUnsigned(volume, 1000)); // value 0 only
    ASSERT_TRUE(mixer.GetUnsignedPair(volume, left, right));
    EXPECT_EQ(1000u, left);
    EXPECT_EQ(32768u, right);

    ASSERT_TRUE(mixer.SetBooleanAll(mute, 1));
    LONG muted = 0;
    ASSERT_TRUE(mixer.GetBoolean(mute, muted));
    EXPECT_EQ(1, muted);

    DWORD value = 5;
    EXPECT_FALSE(mixer.GetUnsigned(0xBAD, value));
    EXPECT_FALSE(mixer.SetUnsigned(0xBAD, 1));
    EXPECT_EQ(5u, value);
}

TEST_F(MixerModelTest, UnhandledControlsAreKeptButNotReadable)
{
    SimMixerLayout layout = SmallLayout();
    layout.destinations[0].line.controls.push_back(Control(0, 0, "Nothing"));
    AssignControlIds(layout);
    const DWORD typeZeroId = layout.destinations[0].line.controls.back().id;
    InstallLayouts({layout});
    TestMixer mixer;
    ASSERT_TRUE(mixer.Open(nullptr, 0, 0));

    MixerLineEntry* playback = nullptr;
    ASSERT_TRUE(mixer.GetDestination(0, playback));
    ASSERT_EQ(3u, playback->controls.size());
    EXPECT_EQ(0u, playback->controls[2]->control.dwControlType);
    MixerControlEntry* entry = nullptr;
    EXPECT_FALSE(mixer.FindControl(typeZeroId, entry));

    // The card's bass boost has a type the model does not handle.
    SimCard::Instance().Install(SimCardModel::Six);
    TestMixer card;
    ASSERT_TRUE(card.Open("Halvard 5.1+", 0, 0));
    const DWORD bassBoost = ControlIdOf(card, "Volume", 0x20012277);
    ASSERT_TRUE(card.FindControl(bassBoost, entry));
    EXPECT_EQ(0u, entry->kind);
    LONG on = 0;
    EXPECT_FALSE(card.GetBoolean(bassBoost, on));
    EXPECT_FALSE(card.SetBooleanAll(bassBoost, 1));
    const MIXERCONTROLDETAILS* names = &entry->valueRequest;
    EXPECT_TRUE(card.FindListText(bassBoost, names));
    EXPECT_EQ(nullptr, names);
}

TEST_F(MixerModelTest, LinesNamedNAAreHiddenAndOutOfTheLineTable)
{
    SimMixerLayout layout = SmallLayout();
    SimLine na = layout.destinations[0].sources[0];
    na.shortName = "NA";
    SimLine nab = na;
    nab.shortName = "NAB";
    layout.destinations[0].sources = {na, nab};
    SimDestination hidden = layout.destinations[0];
    hidden.line.shortName = "NA";
    layout.destinations.push_back(hidden);
    RenumberControls(layout);
    InstallLayouts({layout});
    TestMixer mixer;
    ASSERT_TRUE(mixer.Open(nullptr, 0, 0));

    MixerLineEntry* line = nullptr;
    ASSERT_TRUE(mixer.GetLine(0, 0, line));
    EXPECT_TRUE(line->IsHidden());
    EXPECT_EQ(0u, line->line.cControls);
    EXPECT_TRUE(line->controls.empty());
    EXPECT_FALSE(mixer.FindLine(SimSourceLineId(0, 0), line));
    MixerControlEntry* entry = nullptr;
    EXPECT_FALSE(mixer.FindControl(layout.destinations[0].sources[0].controls[0].id, entry));

    ASSERT_TRUE(mixer.FindLine(SimSourceLineId(0, 1), line));
    EXPECT_FALSE(line->IsHidden());
    EXPECT_EQ(1u, line->controls.size());

    ASSERT_TRUE(mixer.GetDestination(1, line));
    EXPECT_TRUE(line->IsHidden());
    EXPECT_EQ(0, mixer.GetSourceCount(1));
    EXPECT_FALSE(mixer.GetLine(1, 0, line));
    EXPECT_FALSE(mixer.FindLine(SimDestinationLineId(1), line));

    // Hiding a visible line takes it out of the table once.
    EXPECT_TRUE(mixer.HideLine(SimSourceLineId(0, 1)));
    EXPECT_FALSE(mixer.FindLine(SimSourceLineId(0, 1), line));
    EXPECT_FALSE(mixer.HideLine(SimSourceLineId(0, 1)));
}

TEST_F(MixerModelTest, ListenerTables)
{
    InstallModel(SimCardModel::Six);
    TestMixer mixer;
    ASSERT_TRUE(mixer.Open("Halvard 5.1+", 0, 0));
    const DWORD volume = ControlIdOf(mixer, "Wave", MIXERCONTROL_CONTROLTYPE_VOLUME);
    const DWORD meter = ControlIdOf(mixer, "Wave", MIXERCONTROL_CONTROLTYPE_PEAKMETER);
    RecordingListener twice, once;

    ASSERT_TRUE(mixer.AddListener(volume, &twice));
    ASSERT_TRUE(mixer.AddListener(volume, &once));
    ASSERT_TRUE(mixer.AddListener(volume, &twice));
    ASSERT_TRUE(mixer.RemoveListener(volume, &twice));
    EXPECT_TRUE(mixer.NotifyControl(volume, true));
    EXPECT_EQ(1u, twice.CountFor(volume));
    EXPECT_EQ(1u, once.CountFor(volume));
    EXPECT_TRUE(twice.changes[0].second);

    ASSERT_TRUE(mixer.RemoveListener(volume, &twice));
    EXPECT_FALSE(mixer.RemoveListener(volume, &twice));
    ASSERT_TRUE(mixer.RemoveListener(volume, &once));
    EXPECT_FALSE(mixer.NotifyControl(volume, false));

    // Meter listeners are polled, never notified.
    ASSERT_TRUE(mixer.AddListener(meter, &once));
    EXPECT_FALSE(mixer.NotifyControl(meter, false));
    mixer.PollMeters();
    EXPECT_EQ(1u, once.CountFor(meter));
    EXPECT_TRUE(mixer.RemoveListener(meter, &once));
}

// A listener that unregisters another one while being told: the other is not called.
class RemovingListener : public RecordingListener {
public:
    void OnControlChange(DWORD controlId, bool refresh) override
    {
        RecordingListener::OnControlChange(controlId, refresh);
        Mixer()->RemoveListener(controlId, victim);
    }
    CMixerListener* victim = nullptr;
};

TEST_F(MixerModelTest, ListenerRemovedDuringNotificationIsNotCalled)
{
    InstallModel(SimCardModel::Four);
    TestMixer mixer;
    ASSERT_TRUE(mixer.Open("Halvard 5.1+", 0, 0));
    const DWORD volume = ControlIdOf(mixer, "Volume", MIXERCONTROL_CONTROLTYPE_VOLUME);
    RemovingListener remover;
    RecordingListener victim;
    remover.victim = &victim;
    remover.Bind(&mixer, SimDestinationLineId(0), volume);
    ASSERT_TRUE(mixer.AddListener(volume, &remover));
    ASSERT_TRUE(mixer.AddListener(volume, &victim));
    EXPECT_TRUE(mixer.NotifyControl(volume, false));
    EXPECT_EQ(1u, remover.CountFor(volume));
    EXPECT_EQ(0u, victim.CountFor(volume));
    mixer.RemoveListener(volume, &remover);
}

} // namespace
