// What each hotkey does on a six-channel and a four-channel card: the control of the
// named line that changes, the record source chosen, and what is left to the sheet.
#include "app/hotkey_dispatch.h"
#include "app/mixer_actions.h"
#include "hotkeys/hotkey_test_support.h"
#include "simcard/sim_card.h"
#include "support/card_bench.h"
#include "support/sim_card_test.h"

#include "mixer/wss_mixer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr DWORD kVolume = MIXERCONTROL_CONTROLTYPE_VOLUME;
constexpr DWORD kMute = MIXERCONTROL_CONTROLTYPE_MUTE;
constexpr DWORD kOnOff = MIXERCONTROL_CONTROLTYPE_ONOFF;
constexpr DWORD kStep = 65535 / 32;
constexpr DWORD kMiddle = 30000;

enum Change { Nothing, Up, Down, Toggle };

// The effect of a mixer hotkey: which control of which playback line ("" the
// master), per card. A null line means the key does nothing on that card.
struct MixerKey {
    DWORD id;
    Change change;
    DWORD type;
    const char* sixLine;
    const char* fourLine;
};

const MixerKey kMixerKeys[] = {
    {0, Up, kVolume, "", ""},           {1, Down, kVolume, "", ""},         {2, Toggle, kMute, "", ""},
    {3, Up, kVolume, "Front", "Front"}, {4, Down, kVolume, "Front", "Front"}, {5, Toggle, kMute, "Front", "Front"},
    {6, Up, kVolume, "Rear", "Rear"},   {7, Down, kVolume, "Rear", "Rear"}, {8, Toggle, kMute, "Rear", "Rear"},
    {9, Up, kVolume, "Center", nullptr}, {10, Down, kVolume, "Center", nullptr}, {11, Toggle, kMute, "Center", nullptr},
    {12, Up, kVolume, "LFE", nullptr},  {13, Down, kVolume, "LFE", nullptr}, {14, Toggle, kMute, "LFE", nullptr},
    {15, Toggle, kMute, "Wave", "Wave"}, {16, Toggle, kMute, "Synth", "Synth"}, {17, Toggle, kMute, "Aux", "Aux"},
    {18, Toggle, kMute, "Line", "Line"}, {19, Toggle, kMute, "CD", "CD"},   {20, Toggle, kMute, "Mic", "Mic"},
    {21, Toggle, kMute, "SPDIF In", nullptr}, {22, Toggle, kOnOff, "Mic", "Mic"},
};

class HotkeyActionTest : public testing::TestWithParam<SimCardModel> {
protected:
    void SetUp() override { ASSERT_TRUE(m_bench.Start(GetParam())); }

    bool Six() const { return GetParam() == SimCardModel::Six; }
    CCardMixer& Card() { return m_bench.Mixer(); }
    void Run(DWORD id) { RunHotkeyAction(id, Card(), m_commands); }
    void SetPair(DWORD control, DWORD left, DWORD right) { ASSERT_TRUE(Card().SetUnsignedPair(control, left, right)); }

    CardBench m_bench;
    RecordedCommands m_commands;
};

} // namespace

TEST_P(HotkeyActionTest, MixerKeysChangeOnlyTheirLinesControl)
{
    for (const MixerKey& key : kMixerKeys) {
        SCOPED_TRACE("hotkey " + std::to_string(key.id));
        const char* line = Six() ? key.sixLine : key.fourLine;
        const DWORD target = line != nullptr ? PlaybackControlId(Card(), line, key.type) : 0;
        if (line != nullptr) {
            ASSERT_NE(0u, target) << "no such control on " << line;
        }
        if (target != 0 && key.type == kVolume)
            SetPair(target, kMiddle, kMiddle + 100);

        const MixerValues before = CardValues(Card());
        Run(key.id);
        const MixerValues after = CardValues(Card());

        if (target == 0) {
            EXPECT_TRUE(ChangedControls(before, after).empty());
            continue;
        }
        ASSERT_EQ(std::vector<DWORD>{target}, ChangedControls(before, after));
        const std::vector<LONG>& now = after.at(target);
        if (key.change == Toggle) {
            for (size_t i = 0; i < now.size(); ++i)
                EXPECT_EQ(before.at(target)[i] ? 0 : 1, now[i]);
        } else {
            const LONG step = key.change == Up ? LONG(kStep) : -LONG(kStep);
            EXPECT_EQ(LONG(kMiddle) + step, now[0]);
            EXPECT_EQ(LONG(kMiddle + 100) + step, now[1]);
        }
    }
    EXPECT_TRUE(m_commands.calls.empty());
}

TEST_P(HotkeyActionTest, VolumeKeysStopAtTheBounds)
{
    for (const char* line : {"", "Front"}) {
        SCOPED_TRACE(std::string("line '") + line + "'");
        const DWORD control = PlaybackControlId(Card(), line, kVolume);
        const DWORD upKey = line[0] ? 3 : 0;
        const DWORD downKey = upKey + 1;
        DWORD left = 0;
        DWORD right = 0;

        SetPair(control, 65535, 65535 - 1);
        Run(upKey);
        ASSERT_TRUE(Card().GetUnsignedPair(control, left, right));
        EXPECT_EQ(65535u, left);
        EXPECT_EQ(65535u, right);

        SetPair(control, 0, 1);
        Run(downKey);
        ASSERT_TRUE(Card().GetUnsignedPair(control, left, right));
        EXPECT_EQ(0u, left);
        EXPECT_EQ(0u, right);

        SetPair(control, 1, 65535 - 1);
        Run(upKey);
        ASSERT_TRUE(Card().GetUnsignedPair(control, left, right));
        EXPECT_EQ(1 + kStep, left);
        EXPECT_EQ(65535u, right);

        SetPair(control, kStep - 1, 65535 - 1);
        Run(downKey);
        ASSERT_TRUE(Card().GetUnsignedPair(control, left, right));
        EXPECT_EQ(0u, left);
        EXPECT_EQ(65535 - 1 - kStep, right);
    }
}

TEST_P(HotkeyActionTest, RecordSourceKeysChooseTheirItem)
{
    const struct {
        DWORD id;
        const char* item;
    } keys[] = {{23, "Line In"}, {24, "CD Audio"}, {25, "Aux"}, {26, "Microphone"}, {27, "Stereo Mix"}};
    for (const auto& key : keys) {
        SCOPED_TRACE(key.item);
        const MixerValues before = CardValues(Card());
        Run(key.id);
        EXPECT_EQ(key.item, SelectedRecordSource(Card()));
        for (DWORD changed : ChangedControls(before, CardValues(Card())))
            EXPECT_EQ(RecordSelectorId(Card()), changed);
    }
}

TEST_P(HotkeyActionTest, SheetKeysAndTheEqualizerLeaveTheMixerAlone)
{
    const MixerValues before = CardValues(Card());
    const int eqWasOn = Card().IsEqEnabled();
    Run(28);
    EXPECT_EQ(!eqWasOn, Card().IsEqEnabled() != 0);
    Run(28);
    EXPECT_EQ(eqWasOn, Card().IsEqEnabled());
    for (DWORD id = 29; id <= 34; ++id)
        Run(id);
    Run(35);
    Run(0xFFFFFFFF);

    const std::vector<std::string> six = {"refresh eq", "refresh eq", "speakers 1", "speakers 4", "speakers 3",
                                          "speakers 6", "load", "save"};
    const std::vector<std::string> four = {"refresh eq", "refresh eq", "speakers 4", "speakers 3", "load", "save"};
    EXPECT_EQ(Six() ? six : four, m_commands.calls);
    EXPECT_TRUE(ChangedControls(before, CardValues(Card())).empty());
}

INSTANTIATE_TEST_SUITE_P(Cards, HotkeyActionTest, testing::Values(SimCardModel::Six, SimCardModel::Four),
                         [](const testing::TestParamInfo<SimCardModel>& info) {
                             return info.param == SimCardModel::Six ? "Six" : "Four";
                         });

// On Windows ME the selector counts from the other end; an item that would lie
// beyond the selector's items is not written.
TEST(HotkeyRecordSource, WindowsMeCountsFromTheOtherEnd)
{
    CardBenchOptions options;
    options.system = SimSystem::WindowsMe;
    const struct {
        SimCardModel model;
        DWORD id;
        const char* item; // "" when nothing may change
    } cases[] = {
        {SimCardModel::Six, 27, "SPDIF In"},   {SimCardModel::Six, 26, "Line In"}, {SimCardModel::Six, 25, "CD Audio"},
        {SimCardModel::Four, 26, "Line In"},   {SimCardModel::Four, 24, "Aux"},    {SimCardModel::Four, 27, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.id) + (c.model == SimCardModel::Six ? " six" : " four"));
        CardBench bench(options);
        ASSERT_TRUE(bench.Start(c.model));
        RecordedCommands commands;
        RunHotkeyAction(23, bench.Mixer(), commands); // Line In, item 3 -> 2
        ASSERT_EQ("Microphone", SelectedRecordSource(bench.Mixer()));
        const MixerValues before = CardValues(bench.Mixer());
        RunHotkeyAction(c.id, bench.Mixer(), commands);
        if (c.item[0] == '\0') {
            EXPECT_TRUE(ChangedControls(before, CardValues(bench.Mixer())).empty());
        } else {
            EXPECT_EQ(c.item, SelectedRecordSource(bench.Mixer()));
        }
    }
}

namespace {

class MixerActionLayoutTest : public SimCardTest {};

} // namespace

// A volume without steps and a selector with fewer items than the key names stay as
// they are; lines and controls that are not there, or not of the action's kind, too.
TEST_F(MixerActionLayoutTest, OddDevicesAreLeftAlone)
{
    SimMixerLayout layout = SixChannelMixerLayout();
    layout.destinations[0].line.controls[0].steps = 0;
    SimControl& selector = layout.destinations[1].line.controls[0];
    const DWORD selectorId = selector.id;
    selector = SimMux({"Stereo Mix", "CD Audio"});
    selector.id = selectorId;
    InstallLayouts({layout});
    CWssMixer mixer;
    ASSERT_TRUE(mixer.Open("Halvard 5.1+", 0, 0));
    const MixerValues before = CardValues(mixer);

    const SystemVersion xp{5, 1, VER_PLATFORM_WIN32_NT};
    const SystemVersion me{4, 90, VER_PLATFORM_WIN32_WINDOWS};
    EXPECT_FALSE(StepVolume(mixer, -1, true));
    EXPECT_FALSE(StepVolume(mixer, -1, false));
    EXPECT_FALSE(SelectRecordSource(mixer, 2, xp));
    EXPECT_FALSE(SelectRecordSource(mixer, -1, xp));
    EXPECT_FALSE(SelectRecordSource(mixer, 0, me));
    EXPECT_FALSE(StepVolume(mixer, 40, true));
    EXPECT_FALSE(ToggleSwitch(mixer, 40, 1));
    EXPECT_FALSE(ToggleSwitch(mixer, 1, 9));
    EXPECT_FALSE(ToggleSwitch(mixer, 1, 0)) << "a volume is not a switch";
    EXPECT_FALSE(StepVolume(mixer, 7, true)) << "the microphone's control 0 is its meter";
    EXPECT_TRUE(ChangedControls(before, CardValues(mixer)).empty());

    EXPECT_TRUE(SelectRecordSource(mixer, 1, xp));
    EXPECT_EQ("CD Audio", SelectedRecordSource(mixer));
    EXPECT_TRUE(SelectRecordSource(mixer, 4, me));
    EXPECT_EQ("CD Audio", SelectedRecordSource(mixer));
}
