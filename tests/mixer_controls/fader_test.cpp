// The fader's arithmetic as a user meets it: device values shown as slider
// positions, and slider moves (scroll messages and keys) written to the device,
// for one and two channels, balance and split mode, and controls whose ranges
// leave nothing to show.
#include <windows.h>
#include <commctrl.h>

#include <cctype>
#include <string>

#include "controls_test_support.h"
#include "mixer/controls/mixer_slider.h"
#include "mixer/controls/mixer_slider_ex.h"

namespace {

class FaderTest : public ControlsTest {
protected:
    // A fader 35 x 212 in the host, bound to the volume of the line "Test".
    void Make(const SimLine& line, bool split)
    {
        Start(PlaybackLayout({line}));
        volume = ControlOf("Test", MIXERCONTROL_CONTROLTYPE_VOLUME);
        fader = std::make_unique<CMixerSliderEx>(&Mixer(), LineOf("Test"), volume, 0, split);
        ASSERT_TRUE(fader->Create("STATIC", "", WS_CHILD | WS_VISIBLE, {10, 10, 45, 222}, Host().m_hWnd, 1001));
        ASSERT_NE(nullptr, fader->GetFirstSlider());
    }
    // Positions the sliders without notifications, then the trackbar's own scroll message.
    void Scroll(UINT message, int first, int second)
    {
        CAudioSlider& moved = message == WM_VSCROLL ? *fader->GetFirstSlider() : *fader->GetSecondSlider();
        fader->GetFirstSlider()->SetPos(first);
        if (fader->GetSecondSlider() != nullptr)
            fader->GetSecondSlider()->SetPos(second);
        fader->SendMessage(message, MAKEWPARAM(SB_THUMBPOSITION, 0), reinterpret_cast<LPARAM>(moved.m_hWnd));
    }
    int SecondPos() const { return fader->GetSecondSlider() != nullptr ? fader->GetSecondSlider()->GetPos() : 0; }

    DWORD volume = 0;
    std::unique_ptr<CMixerSliderEx> fader;
};

struct FaderCase {
    const char* name;
    DWORD channels;
    bool split;
    LONG minimum, maximum;
    DWORD steps;
    std::vector<LONG> device; // shown: the device's values
    bool shows;
    int first, second;        // positions shown
    int moveFirst, moveSecond; // then moved to these
    std::vector<LONG> written; // what the move writes; empty: nothing
};

const LONG kFull = 65535;

// 32 steps over 0 … 65535: 2114 per position.
const FaderCase kCases[] = {
    {"stereo 65535/32768", 2, false, 0, kFull, 32, {kFull, 32768}, true, 0, -15, 16, 0, {31710, 31710}},
    {"right louder", 2, false, 0, kFull, 32, {32768, kFull}, true, 0, 15, 0, 15, {33825, kFull}},
    {"half, centred", 2, false, 0, kFull, 32, {32768, 32768}, true, 16, 0, 0, 31, {0, kFull}},
    {"balance fully left", 2, false, 0, kFull, 32, {kFull, kFull}, true, 0, 0, 0, -31, {kFull, 0}},
    {"one channel", 1, false, 0, kFull, 32, {32768}, true, 16, 0, 16, 0, {31710}},
    {"split", 2, true, 0, kFull, 32, {kFull, 0}, true, 0, 31, 31, 0, {0, 65534}},
    {"65536 steps", 2, false, 0, kFull, 65536, {kFull, 32768}, true, 0, -32767, 0, 0, {kFull, kFull}},
    // Products beyond 32 bits: 31 × 4294967295.
    {"whole 32-bit range", 2, false, 0, -1, 32, {-1, -1}, true, 0, 0, 0, 0, {-1, -1}},
    {"one step", 2, false, 0, kFull, 1, {kFull, kFull}, false, 0, 0, 0, 0, {}},
    {"bounds equal", 2, false, 100, 100, 32, {100, 100}, false, 0, 0, 0, 0, {}},
    {"span below the positions", 1, false, 0, 10, 32, {10}, false, 0, 0, 0, 0, {}},
};

class FaderTableTest : public FaderTest, public testing::WithParamInterface<FaderCase> {};

TEST_P(FaderTableTest, ShowsTheDeviceAndWritesAMove)
{
    const FaderCase& c = GetParam();
    Make(LineWith("Test", c.channels, {FaderControl(c.minimum, c.maximum, c.steps)}), c.split);
    ASSERT_TRUE(Devices().SetFromOutside(0, volume, c.device));
    DrainMessages();
    EXPECT_EQ(c.shows, fader->Update(true));
    EXPECT_EQ(c.first, fader->GetFirstSlider()->GetPos());
    EXPECT_EQ(c.second, SecondPos());

    Mixer().writes.clear();
    Scroll(WM_VSCROLL, c.moveFirst, c.moveSecond);
    if (c.written.empty()) {
        EXPECT_TRUE(Mixer().writes.empty());
    } else {
        ASSERT_EQ(1u, Mixer().writes.size());
        EXPECT_EQ(c.written, Mixer().writes[0].values);
        EXPECT_EQ(c.written, DeviceValues(volume));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, FaderTableTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<FaderCase>& info) {
                             std::string name = info.param.name;
                             for (char& c : name)
                                 if (!isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });

TEST_F(FaderTest, BalanceKeysWriteTheLouderChannelToOneSideAndSilenceKeepsTheBalance)
{
    Make(LineWith("Test", 2, {FaderControl(0, kFull, 32)}), false);
    ASSERT_TRUE(Devices().SetFromOutside(0, volume, {40000, 40000}));
    DrainMessages();
    CAudioSlider& balance = *fader->GetSecondSlider();
    // Keys reach the trackbar, which moves and sends its scroll message.
    balance.SendMessage(WM_KEYDOWN, VK_END, 0);
    EXPECT_EQ((std::vector<LONG>{0, 40000}), DeviceValues(volume));
    balance.SendMessage(WM_KEYDOWN, VK_HOME, 0);
    EXPECT_EQ((std::vector<LONG>{40000, 0}), DeviceValues(volume));
    // The sliders follow only the device's change messages.
    DrainMessages();
    EXPECT_EQ(-31, balance.GetPos());
    ASSERT_TRUE(Devices().SetFromOutside(0, volume, {0, 0}));
    DrainMessages();
    EXPECT_EQ(31, fader->GetFirstSlider()->GetPos());
    EXPECT_EQ(-31, balance.GetPos());
    fader->GetFirstSlider()->SendMessage(WM_KEYDOWN, VK_HOME, 0);
    EXPECT_EQ((std::vector<LONG>{kFull, 0}), DeviceValues(volume));
}

TEST_F(FaderTest, SingleSliderShowsAndWritesOneValue)
{
    Start(PlaybackLayout({LineWith("Test", 1, {FaderControl(0, kFull, 32)})}));
    volume = ControlOf("Test", MIXERCONTROL_CONTROLTYPE_VOLUME);
    CMixerSlider slider;
    slider.Bind(&Mixer(), LineOf("Test"), volume);
    ASSERT_TRUE(slider.Create(TRACKBAR_CLASSA, "", WS_CHILD | WS_VISIBLE | TBS_VERT, {10, 10, 40, 200},
                              Host().m_hWnd, 1001));
    EXPECT_EQ(1u, Mixer().RegistrationCount());
    ASSERT_TRUE(Devices().SetFromOutside(0, volume, {32768}));
    DrainMessages();
    EXPECT_EQ(16, slider.GetPos());
    // The trackbar's scroll message reaches its parent, which offers it to the slider first.
    slider.SendMessage(WM_KEYDOWN, VK_HOME, 0);
    EXPECT_EQ(std::vector<LONG>{31 * 2114}, DeviceValues(volume));
    slider.DestroyWindow();
    EXPECT_EQ(0u, Mixer().RegistrationCount());
}

} // namespace
