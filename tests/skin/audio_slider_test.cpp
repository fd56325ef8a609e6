// The audio slider's meter: lit parts for levels, the peak marker, the right-click
// toggle, click-to-position, and a zero-length range.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "skin/controls/audio_slider.h"
#include "slider_test_support.h"

namespace {

class AudioSliderTest : public ::testing::Test {
protected:
    ScrollHost host;
    CAudioSlider slider;

    void Create(DWORD style, int minimum = 0, int maximum = 100)
    {
        ASSERT_TRUE(slider.CreateEx(0, TRACKBAR_CLASSA, "", WS_CHILD | WS_VISIBLE | TBS_NOTICKS | style,
                                    {10, 10, 40, 230}, host.GetSafeHwnd(), 789));
        slider.SetRange(minimum, maximum, true);
        slider.SetPos(minimum); // thumb at the top, out of the meter's way below it
        slider.GetChannelRect(&channel);
        slider.GetThumbRect(&thumb);
        meter = channel;
        InflateRect(&meter, -1, -1);
        middle = (meter.left + meter.right) / 2;
    }
    void Show(int levelA, int levelB)
    {
        slider.SetLevels(levelA, levelB);
        slider.Invalidate(false);
    }
    // Gradient pixels: green at the bottom to red at the top, no blue; the channel
    // face is blue.
    static bool Lit(COLORREF color) { return GetBValue(color) < 40 && GetRValue(color) + GetGValue(color) > 200; }
    // Whether the meter is lit along a column of one half, over the part below the
    // thumb: every pixel, none, or some.
    enum Lighting { kNone, kSome, kAll };
    Lighting Column(const ClientPixels& pixels, int x, int fromY, int toY) const
    {
        int lit = 0;
        for (int y = fromY; y < toY; ++y)
            lit += Lit(pixels.At(x, y)) ? 1 : 0;
        return lit == 0 ? kNone : lit == toY - fromY ? kAll : kSome;
    }
    int FirstX() const { return meter.left + 1; }
    int SecondX() const { return meter.right - 2; }
    int Below() const { return thumb.bottom + 1; }

    RECT channel = {};
    RECT thumb = {};
    RECT meter = {};
    int middle = 0;
};

} // namespace

TEST_F(AudioSliderTest, LevelsLightTheirHalfFromTheLevelDown)
{
    Create(TBS_VERT | TBS_ENABLESELRANGE);
    // SetRange put both levels at the maximum: nothing lit.
    EXPECT_EQ(100, slider.GetLevelA());
    EXPECT_EQ(100, slider.GetLevelB());
    {
        const ClientPixels pixels(slider.m_hWnd);
        EXPECT_EQ(kNone, Column(pixels, FirstX(), Below(), meter.bottom));
        EXPECT_EQ(kNone, Column(pixels, SecondX(), Below(), meter.bottom));
    }
    Show(0, 0);
    {
        const ClientPixels pixels(slider.m_hWnd);
        EXPECT_EQ(kAll, Column(pixels, FirstX(), Below(), meter.bottom));
        EXPECT_EQ(kAll, Column(pixels, SecondX(), Below(), meter.bottom));
        // Green at the bottom, red towards the top.
        EXPECT_GT(GetGValue(pixels.At(FirstX(), meter.bottom - 1)), GetRValue(pixels.At(FirstX(), meter.bottom - 1)));
        EXPECT_GT(GetRValue(pixels.At(FirstX(), Below())), GetGValue(pixels.At(FirstX(), Below())));
    }
    Show(50, 100);
    {
        const ClientPixels pixels(slider.m_hWnd);
        const int half = meter.top + (meter.bottom - meter.top) / 2;
        EXPECT_EQ(kNone, Column(pixels, FirstX(), Below(), half - 1));
        EXPECT_EQ(kAll, Column(pixels, FirstX(), half + 1, meter.bottom));
        EXPECT_EQ(kNone, Column(pixels, SecondX(), Below(), meter.bottom));
    }
    // Without TBS_ENABLESELRANGE the meter is not shown at all.
    slider.ModifyStyle(TBS_ENABLESELRANGE, 0);
    Show(0, 0);
    {
        const ClientPixels pixels(slider.m_hWnd);
        EXPECT_EQ(kNone, Column(pixels, FirstX(), Below(), meter.bottom));
    }
}

TEST_F(AudioSliderTest, PeakMarkerIsTwoPixelsWhereThePeakLies)
{
    Create(TBS_VERT | TBS_ENABLESELRANGE);
    const COLORREF peakHigh = slider.m_colors[CCOL_PEAKHIGH];
    slider.SetPeak(75);
    Show(100, 100);
    const int at = meter.top + 75 * (meter.bottom - meter.top) / 100;
    {
        const ClientPixels pixels(slider.m_hWnd);
        EXPECT_NE(peakHigh, pixels.At(middle, at)); // option bit 0 is clear by default
    }
    slider.SetOptions(slider.GetOptions() | CAudioSlider::kShowPeak);
    slider.Invalidate(false);
    {
        const ClientPixels pixels(slider.m_hWnd);
        for (int x = meter.left; x < meter.right; ++x) {
            EXPECT_EQ(peakHigh, pixels.At(x, at));
            EXPECT_EQ(peakHigh, pixels.At(x, at + 1));
        }
        EXPECT_NE(peakHigh, pixels.At(middle, at - 1));
        EXPECT_NE(peakHigh, pixels.At(middle, at + 2));
    }
    // The peak moves on a later update alone.
    slider.SetPeak(90);
    slider.Invalidate(false);
    {
        const ClientPixels pixels(slider.m_hWnd);
        EXPECT_NE(peakHigh, pixels.At(middle, at));
        EXPECT_EQ(peakHigh, pixels.At(middle, meter.top + 90 * (meter.bottom - meter.top) / 100));
    }
}

TEST_F(AudioSliderTest, RightClickTogglesTheMeterOnlyWithItsOption)
{
    Create(TBS_VERT | TBS_ENABLESELRANGE);
    auto rightClick = [this] {
        slider.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(15, 100));
        slider.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(15, 100));
    };
    rightClick();
    EXPECT_EQ(0u, slider.GetStyle() & TBS_ENABLESELRANGE);
    rightClick();
    EXPECT_NE(0u, slider.GetStyle() & TBS_ENABLESELRANGE);
    slider.SetOptions(0);
    rightClick();
    EXPECT_NE(0u, slider.GetStyle() & TBS_ENABLESELRANGE);
    slider.ModifyStyle(TBS_ENABLESELRANGE, 0);
    rightClick();
    EXPECT_EQ(0u, slider.GetStyle() & TBS_ENABLESELRANGE);
}

TEST_F(AudioSliderTest, ClickInTheChannelJumpsThereFirst)
{
    FakePressClock clock;
    Create(TBS_VERT | TBS_ENABLESELRANGE);
    const int length = channel.bottom - channel.top;
    const int thumbLength = thumb.bottom - thumb.top;
    const int y = channel.top + length / 2;
    Press(slider.m_hWnd, middle, y);
    Release(slider.m_hWnd, middle, y);
    EXPECT_EQ(100 * (length / 2) / (length - thumbLength / 2), slider.GetPos());

    // Beside the thumb's path, a click is the trackbar's alone (no jump to 50).
    FakePressClock::now += 1000;
    slider.SetPos(0);
    RECT client;
    slider.GetClientRect(&client);
    if (thumb.right < client.right) {
        Press(slider.m_hWnd, client.right - 1, y);
        Release(slider.m_hWnd, client.right - 1, y);
        EXPECT_NE(50, slider.GetPos());
    }
}

TEST_F(AudioSliderTest, ZeroLengthRangeLightsNothingAndTakesNoJump)
{
    FakePressClock clock;
    Create(TBS_VERT | TBS_ENABLESELRANGE | TBS_AUTOTICKS, 5, 5);
    slider.SetPeak(5);
    slider.SetOptions(CAudioSlider::kShowPeak | CAudioSlider::kRightClickMeter);
    Show(0, -100);
    const ClientPixels pixels(slider.m_hWnd);
    EXPECT_EQ(kNone, Column(pixels, FirstX(), Below(), meter.bottom));
    EXPECT_EQ(kNone, Column(pixels, SecondX(), Below(), meter.bottom));
    for (int y = channel.top; y < channel.bottom; y += 37) {
        Press(slider.m_hWnd, middle, y);
        Release(slider.m_hWnd, middle, y);
        FakePressClock::now += 1000;
    }
    slider.SendMessage(WM_KEYDOWN, VK_END, 0);
    EXPECT_EQ(5, slider.GetPos());
}
