// The simulated card's mixer: its layouts as the panel sees them, its answers
// to bad requests, the mux, and its values kept across runs.
#include "mixer/mixer_test_support.h"

#include <cstring>

namespace {

class SimCardMixerTest : public SimCardTest {};

struct ExpectedSource {
    const char* shortName;
    DWORD componentType;
};

void ExpectSources(CMixerDevice& mixer, int destination, const std::vector<ExpectedSource>& expected)
{
    ASSERT_EQ(static_cast<int>(expected.size()), mixer.GetSourceCount(destination));
    for (size_t s = 0; s < expected.size(); ++s) {
        MixerLineEntry* line = nullptr;
        ASSERT_TRUE(mixer.GetLine(destination, static_cast<int>(s), line));
        EXPECT_STREQ(expected[s].shortName, line->line.szShortName);
        EXPECT_EQ(expected[s].componentType, line->line.dwComponentType) << expected[s].shortName;
        EXPECT_EQ(SimSourceLineId(destination, static_cast<DWORD>(s)), line->line.dwLineID);
    }
}

std::vector<DWORD> ControlTypes(const MixerLineEntry& line)
{
    std::vector<DWORD> types;
    for (const auto& control : line.controls)
        types.push_back(control->control.dwControlType);
    return types;
}

TEST_F(SimCardMixerTest, SixChannelLayout)
{
    InstallModel(SimCardModel::Six);
    TestMixer mixer;
    ASSERT_TRUE(mixer.Open("Halvard 5.1+", 0, 0));
    ASSERT_EQ(2, mixer.GetDestinationCount());
    EXPECT_STREQ("Volume Control", mixer.GetDestinationName(0));
    EXPECT_STREQ("Recording Control", mixer.GetDestinationName(1));

    MixerLineEntry* line = nullptr;
    ASSERT_TRUE(mixer.FindLine(0xFFFF0000, line));
    EXPECT_STREQ("Volume", line->line.szShortName);
    EXPECT_EQ(DWORD(MIXERLINE_COMPONENTTYPE_DST_SPEAKERS), line->line.dwComponentType);
    EXPECT_EQ(2u, line->line.cChannels);
    EXPECT_EQ((std::vector<DWORD>{0x50030001, 0x20010002, 0x10020001, 0x20012277}), ControlTypes(*line));

    const DWORD wave = 0x1008, cd = 0x1005, mic = 0x1003, lineIn = 0x1002, aux = 0x100A, synth = 0x1004, spdif = 0x1000;
    ExpectSources(mixer, 0, {{"Wave", wave}, {"Front", wave}, {"Rear", wave}, {"Center", wave}, {"LFE", wave},
                             {"Phones", wave}, {"CD", cd}, {"Mic", mic}, {"Line", lineIn}, {"Aux", aux},
                             {"Synth", synth}, {"SPDIF In", spdif}});
    ASSERT_TRUE(mixer.GetLine(0, 2, line));
    EXPECT_EQ((std::vector<DWORD>{0x50030001, 0x20010002, 0x10020001}), ControlTypes(*line));
    ASSERT_TRUE(mixer.GetLine(0, 3, line));
    EXPECT_EQ((std::vector<DWORD>{0x50030001, 0x20010002}), ControlTypes(*line));
    ASSERT_TRUE(mixer.GetLine(0, 7, line));
    EXPECT_EQ(1u, line->line.cChannels);
    EXPECT_EQ((std::vector<DWORD>{0x10020001, 0x20010001, 0x50030001, 0x20010002}), ControlTypes(*line));
    EXPECT_EQ(14u, line->controls[1]->control.dwControlID);

    MixerControlEntry* volume = nullptr;
    ASSERT_TRUE(mixer.GetControl(0, 0, 0, volume));
    EXPECT_EQ(65535, volume->control.Bounds.lMaximum);
    EXPECT_EQ(32u, volume->control.Metrics.cSteps);
    MixerControlEntry* mute = nullptr;
    ASSERT_TRUE(mixer.GetControl(0, 0, 1, mute));
    EXPECT_EQ(1u, mute->count);
    MixerControlEntry* meter = nullptr;
    ASSERT_TRUE(mixer.GetControl(0, 0, 2, meter));
    EXPECT_EQ(-32768, meter->control.Bounds.lMinimum);
    EXPECT_EQ(32767, meter->control.Bounds.lMaximum);

    ExpectSources(mixer, 1, {{"Stereo Mix", wave}, {"Aux", aux}, {"Microphone", mic}, {"CD Audio", cd},
                             {"Line In", lineIn}, {"SPDIF In", spdif}});
    MixerControlEntry* mux = nullptr;
    ASSERT_TRUE(mixer.GetDestinationControl(1, 0, mux));
    EXPECT_EQ(DWORD(MIXERCONTROL_CONTROLTYPE_MUX), mux->control.dwControlType);
    ASSERT_EQ(6u, mux->count);
    const char* items[] = {"Stereo Mix", "CD Audio", "Microphone", "Line In", "Aux", "SPDIF In"};
    for (unsigned i = 0; i < 6; ++i)
        EXPECT_STREQ(items[i], mux->ItemNames()[i].szName);
    EXPECT_EQ(SimSourceLineId(1, 3), mux->ItemNames()[1].dwParam1); // "CD Audio" is source 3
    ASSERT_TRUE(mixer.GetLine(1, 2, line));
    EXPECT_STREQ("Microphone", line->line.szName);
    EXPECT_EQ((std::vector<DWORD>{0x20010001, 0x50030001}), ControlTypes(*line));
}

TEST_F(SimCardMixerTest, FourChannelLayoutAndOlderNumbering)
{
    InstallModel(SimCardModel::Stereo, SimControlNumbering::Windows2000);
    TestMixer mixer;
    ASSERT_TRUE(mixer.Open("Halvard 5.1+", 0, 0));
    const DWORD wave = 0x1008;
    ExpectSources(mixer, 0, {{"Wave", wave}, {"Front", wave}, {"Rear", wave}, {"CD", 0x1005}, {"Mic", 0x1003},
                             {"Line", 0x1002}, {"Aux", 0x100A}, {"Synth", 0x1004}, {"SPDIF In", 0x1000}});
    MixerLineEntry* mic = nullptr;
    ASSERT_TRUE(mixer.GetLine(0, 4, mic));
    EXPECT_EQ(16u, mic->controls[1]->control.dwControlID);
    EXPECT_EQ(5, mixer.GetSourceCount(1));
    MixerControlEntry* mux = nullptr;
    ASSERT_TRUE(mixer.GetDestinationControl(1, 0, mux));
    EXPECT_EQ(5u, mux->count);
    EXPECT_STREQ("Aux", mux->ItemNames()[4].szName);
}

TEST_F(SimCardMixerTest, MuxKeepsExactlyOneItemSelected)
{
    InstallModel(SimCardModel::Four);
    TestMixer mixer;
    ASSERT_TRUE(mixer.Open("Halvard 5.1+", 0, 0));
    const DWORD mux = ControlIdOf(mixer, "Record", MIXERCONTROL_CONTROLTYPE_MUX);
    const LONG two[5] = {0, 0, 1, 1, 0};
    ASSERT_TRUE(mixer.SetBooleanArray(mux, two, sizeof(two)));
    LONG read[5] = {};
    ASSERT_TRUE(mixer.GetBooleanArray(mux, read, sizeof(read)));
    EXPECT_EQ((std::vector<LONG>{0, 0, 1, 0, 0}), std::vector<LONG>(read, read + 5));
    const LONG none[5] = {};
    ASSERT_TRUE(mixer.SetBooleanArray(mux, none, sizeof(none)));
    ASSERT_TRUE(mixer.GetBooleanArray(mux, read, sizeof(read)));
    EXPECT_EQ((std::vector<LONG>{0, 0, 1, 0, 0}), std::vector<LONG>(read, read + 5));
}

TEST_F(SimCardMixerTest, AnswersBadRequestsAsADriverDoes)
{
    InstallModel(SimCardModel::Six);
    const MixerFunctions& api = MixerApi();
    MIXERCAPSA caps = {};
    EXPECT_EQ(MMSYSERR_BADDEVICEID, api.getDevCaps(1, &caps, sizeof(caps)));
    HMIXER handle = nullptr;
    EXPECT_EQ(MMSYSERR_BADDEVICEID, api.open(&handle, 3, 0, 0, CALLBACK_NULL));
    EXPECT_EQ(MMSYSERR_INVALPARAM, api.open(&handle, 0, reinterpret_cast<DWORD_PTR>(HWND(0x1234)), 0, CALLBACK_WINDOW));
    ASSERT_EQ(MMSYSERR_NOERROR, api.open(&handle, 0, 0, 0, CALLBACK_NULL));
    HMIXEROBJ object = reinterpret_cast<HMIXEROBJ>(handle);

    MIXERLINEA line = {};
    line.cbStruct = sizeof(line) - 4;
    EXPECT_EQ(MMSYSERR_INVALPARAM, api.getLineInfo(object, &line, MIXER_GETLINEINFOF_DESTINATION));
    line.cbStruct = sizeof(line);
    line.dwDestination = 2;
    EXPECT_EQ(MIXERR_INVALLINE, api.getLineInfo(object, &line, MIXER_GETLINEINFOF_DESTINATION));
    EXPECT_EQ(MMSYSERR_INVALHANDLE, api.getLineInfo(reinterpret_cast<HMIXEROBJ>(0x123456), &line,
                                                    MIXER_OBJECTF_HMIXER | MIXER_GETLINEINFOF_DESTINATION));
    line.dwLineID = SimSourceLineId(1, 2);
    ASSERT_EQ(MMSYSERR_NOERROR, api.getLineInfo(object, &line, MIXER_GETLINEINFOF_LINEID));
    EXPECT_STREQ("Microphone", line.szName);
    EXPECT_EQ(DWORD(MIXERLINE_LINEF_ACTIVE | MIXERLINE_LINEF_SOURCE), line.fdwLine);

    LONG values[2] = {};
    MIXERCONTROLDETAILS details = {};
    details.cbStruct = sizeof(details);
    details.dwControlID = 999;
    details.cChannels = 1;
    details.cbDetails = sizeof(LONG);
    details.paDetails = values;
    EXPECT_EQ(MIXERR_INVALCONTROL, api.getControlDetails(object, &details, MIXER_GETCONTROLDETAILSF_VALUE));
    details.dwControlID = 1; // the stereo master volume
    details.cChannels = 3;
    EXPECT_EQ(MMSYSERR_INVALPARAM, api.getControlDetails(object, &details, MIXER_GETCONTROLDETAILSF_VALUE));
    details.cChannels = 2;
    EXPECT_EQ(MMSYSERR_INVALPARAM, api.getControlDetails(object, &details, MIXER_GETCONTROLDETAILSF_LISTTEXT));
    values[0] = 70000; // above the maximum
    values[1] = 10;
    ASSERT_EQ(MMSYSERR_NOERROR, api.setControlDetails(object, &details, MIXER_SETCONTROLDETAILSF_VALUE));
    ASSERT_EQ(MMSYSERR_NOERROR, api.getControlDetails(object, &details, MIXER_GETCONTROLDETAILSF_VALUE));
    EXPECT_EQ(65535, values[0]);
    EXPECT_EQ(10, values[1]);

    EXPECT_EQ(MMSYSERR_NOERROR, api.close(handle));
    EXPECT_EQ(MMSYSERR_INVALHANDLE, api.close(handle));
    EXPECT_EQ(MMSYSERR_INVALHANDLE, api.getLineInfo(object, &line, MIXER_OBJECTF_HMIXER));
}

TEST_F(SimCardMixerTest, ValuesAreKeptAcrossRuns)
{
    InstallModel(SimCardModel::Six);
    {
        TestMixer mixer;
        ASSERT_TRUE(mixer.Open("Halvard 5.1+", 0, 0));
        ASSERT_TRUE(mixer.SetUnsignedPair(ControlIdOf(mixer, "LFE", MIXERCONTROL_CONTROLTYPE_VOLUME), 111, 222));
    }
    InstallModel(SimCardModel::Six); // the next run
    TestMixer mixer;
    ASSERT_TRUE(mixer.Open("Halvard 5.1+", 0, 0));
    DWORD left = 0, right = 0;
    ASSERT_TRUE(mixer.GetUnsignedPair(ControlIdOf(mixer, "LFE", MIXERCONTROL_CONTROLTYPE_VOLUME), left, right));
    EXPECT_EQ(111u, left);
    EXPECT_EQ(222u, right);

    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, TestStoreKey(), 0, KEY_READ, &key));
    RegCloseKey(key);
    Devices().Store().Remove();
    EXPECT_NE(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, TestStoreKey(), 0, KEY_READ, &key));
}

} // namespace
