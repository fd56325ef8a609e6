// The fader's level meter, one mixer poll at a time: a louder reading shows at
// once, a quieter one is approached by 4 positions per poll, and the readings of
// signed, unsigned and other meters, of one channel and of split faders.
#include <windows.h>
#include <commctrl.h>

#include "controls_test_support.h"
#include "mixer/controls/mixer_slider_ex.h"

namespace {

// A fader 35 x 201: the meter runs over positions 0 (full) … 200 (silence).
constexpr int kSilence = 200;

SimControl Meter(DWORD type, LONG minimum, LONG maximum)
{
    SimControl meter = SimPeakMeter();
    meter.type = type;
    meter.minimum = minimum;
    meter.maximum = maximum;
    return meter;
}

class MeterTest : public ControlsTest {
protected:
    void Make(DWORD channels, const SimControl& meter, bool split = false)
    {
        Start(PlaybackLayout({LineWith("Test", channels, {SimVolume(), meter})}));
        meterId = ControlOf("Test", meter.type);
        fader = std::make_unique<CMixerSliderEx>(&Mixer(), LineOf("Test"),
                                                 ControlOf("Test", MIXERCONTROL_CONTROLTYPE_VOLUME), meterId, split);
        ASSERT_TRUE(fader->Create("STATIC", "", WS_CHILD | WS_VISIBLE, {10, 10, 45, 211}, Host().m_hWnd, 1001));
        ASSERT_TRUE(fader->HasMeter());
        ASSERT_EQ(kSilence, fader->GetFirstSlider()->GetRangeMax());
    }
    // One poll of the meter timer with the device reading these levels.
    void Poll(std::vector<LONG> levels)
    {
        ASSERT_TRUE(Devices().SetMeterLevels(0, meterId, levels));
        Mixer().PollMeters();
    }
    std::pair<int, int> Levels() const
    {
        const CAudioSlider* first = fader->GetFirstSlider();
        if (fader->IsSplit())
            return {first->GetLevelA(), fader->GetSecondSlider()->GetLevelA()};
        return {first->GetLevelA(), first->GetLevelB()};
    }

    DWORD meterId = 0;
    std::unique_ptr<CMixerSliderEx> fader;
};

TEST_F(MeterTest, RisesAtOnceAndFallsFourPositionsPerPoll)
{
    Make(2, SimPeakMeter());
    EXPECT_EQ(std::make_pair(kSilence, kSilence), Levels());
    Poll({32767, 16384});
    EXPECT_EQ(std::make_pair(0, 100), Levels());
    int polls = 0;
    while (Levels().first < kSilence && polls < 1000) {
        Poll({0, 0});
        ++polls;
    }
    EXPECT_EQ(kSilence / 4, polls);
    EXPECT_EQ(std::make_pair(kSilence, kSilence), Levels());

    // A reading that stays the same asks for no painting.
    ValidateRect(fader->GetFirstSlider()->m_hWnd, nullptr);
    Poll({0, 0});
    EXPECT_FALSE(GetUpdateRect(fader->GetFirstSlider()->m_hWnd, nullptr, FALSE));
    Poll({-32768, -16384});
    EXPECT_EQ(std::make_pair(0, 100), Levels()) << "negative readings count by their size";
    EXPECT_TRUE(GetUpdateRect(fader->GetFirstSlider()->m_hWnd, nullptr, FALSE));

    // A meter the user turned off keeps its levels without painting them.
    fader->GetFirstSlider()->ModifyStyle(TBS_ENABLESELRANGE, 0);
    ValidateRect(fader->GetFirstSlider()->m_hWnd, nullptr);
    Poll({0, 0});
    EXPECT_EQ(std::make_pair(4, 104), Levels());
    EXPECT_FALSE(GetUpdateRect(fader->GetFirstSlider()->m_hWnd, nullptr, FALSE));
}

struct ReadingCase {
    const char* name;
    DWORD channels;
    bool split;
    SimControl meter;
    std::vector<LONG> levels;
    std::pair<int, int> shown;
};

class MeterReadingTest : public MeterTest, public testing::WithParamInterface<ReadingCase> {};

TEST_P(MeterReadingTest, ShowsTheReadingOfItsUnits)
{
    const ReadingCase& c = GetParam();
    Make(c.channels, c.meter, c.split);
    Poll(c.levels);
    EXPECT_EQ(c.shown, Levels());
}

const ReadingCase kReadings[] = {
    {"unsigned", 2, false, Meter(MIXERCONTROL_CONTROLTYPE_UNSIGNEDMETER, 0, 1000), {500, 1000}, {100, 0}},
    {"one_channel_right_silent", 1, false, SimPeakMeter(), {32767}, {0, kSilence}},
    {"split_left_and_right", 2, true, SimPeakMeter(), {0, 32767}, {kSilence, 0}},
    {"no_positive_maximum", 2, false, Meter(MIXERCONTROL_CONTROLTYPE_PEAKMETER, -100, 0), {-100, -50}, {kSilence, kSilence}},
    {"boolean_units", 2, false, Meter(MIXERCONTROL_CONTROLTYPE_BOOLEANMETER, 0, 1), {1, 1}, {kSilence, kSilence}},
};

INSTANTIATE_TEST_SUITE_P(Units, MeterReadingTest, testing::ValuesIn(kReadings),
                         [](const testing::TestParamInfo<ReadingCase>& info) { return std::string(info.param.name); });

} // namespace
