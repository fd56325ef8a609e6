// The skinned trackbar as a user meets it: the double-click reset, hover and focus
// faces, ticks, the redraw mask, the frame and a stale thumb from the platform.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "skin/scheme/cool_messages.h"
#include "skin/controls/cool_slider_ctrl.h"
#include "skin/controls/slider_geometry.h"
#include "slider_test_support.h"
#include "support/message_pump.h"

namespace {

constexpr int kSliderId = 301;

class SliderTest : public ::testing::Test {
protected:
    ScrollHost host;
    CCoolSliderCtrl slider;

    void Create(DWORD style, const RECT& rect, int minimum = 0, int maximum = 100)
    {
        ASSERT_TRUE(slider.CreateEx(0, TRACKBAR_CLASSA, "", WS_CHILD | WS_VISIBLE | style, rect, host.GetSafeHwnd(),
                                    kSliderId));
        slider.SetRange(minimum, maximum, true);
        slider.UpdateWindow();
    }
    COLORREF Role(int role) const { return slider.m_colors[role]; }
    RECT Channel() const
    {
        RECT channel;
        slider.GetChannelRect(&channel);
        return channel;
    }
};

} // namespace

TEST_F(SliderTest, QuickSecondPressResetsToTheDefaultWithOneScrollMessage)
{
    FakePressClock clock;
    for (const DWORD style : {DWORD{TBS_VERT}, DWORD{0}}) {
        SCOPED_TRACE(style);
        if (slider.GetSafeHwnd() != nullptr)
            slider.DestroyWindow();
        Create(style, style ? RECT{10, 10, 40, 210} : RECT{10, 10, 210, 40});
        slider.SetDefaultPos(40);
        slider.SetPos(90);
        RECT thumb;
        slider.GetThumbRect(&thumb);
        const POINT onThumb = {(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};

        // 600 ms apart: two ordinary presses.
        Press(slider.m_hWnd, onThumb.x, onThumb.y);
        Release(slider.m_hWnd, onThumb.x, onThumb.y);
        FakePressClock::now += 600;
        host.scrolls.clear();
        Press(slider.m_hWnd, onThumb.x, onThumb.y);
        Release(slider.m_hWnd, onThumb.x, onThumb.y);
        EXPECT_EQ(90, slider.GetPos());
        for (const ScrollMessage& scroll : host.scrolls)
            EXPECT_NE(WPARAM{40}, scroll.wParam);

        // 200 ms later: back to the default, one scroll message with it, no drag.
        FakePressClock::now += 200;
        host.scrolls.clear();
        Press(slider.m_hWnd, onThumb.x, onThumb.y);
        EXPECT_EQ(40, slider.GetPos());
        ASSERT_EQ(1u, host.scrolls.size());
        EXPECT_EQ(style ? UINT{WM_VSCROLL} : UINT{WM_HSCROLL}, host.scrolls[0].message);
        EXPECT_EQ(WPARAM{40}, host.scrolls[0].wParam);
        EXPECT_EQ(slider.m_hWnd, host.scrolls[0].from);
        EXPECT_NE(slider.m_hWnd, GetCapture());
        SendMessageA(slider.m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(onThumb.x + 60, onThumb.y + 60));
        Release(slider.m_hWnd, onThumb.x + 60, onThumb.y + 60);
        EXPECT_EQ(40, slider.GetPos());
        EXPECT_EQ(1u, host.scrolls.size());
        FakePressClock::now += 1000;
    }
}

TEST_F(SliderTest, ResetSwitchedOffLeavesQuickPressesToTheTrackbar)
{
    FakePressClock clock;
    Create(TBS_VERT, {10, 10, 40, 210});
    slider.EnableDoubleClickReset(false);
    slider.SetDefaultPos(40);
    slider.SetPos(90);
    RECT thumb;
    slider.GetThumbRect(&thumb);
    for (int i = 0; i < 2; ++i) {
        Press(slider.m_hWnd, thumb.left + 3, thumb.top + 3);
        Release(slider.m_hWnd, thumb.left + 3, thumb.top + 3);
        FakePressClock::now += 100;
    }
    EXPECT_EQ(90, slider.GetPos());
}

TEST_F(SliderTest, HoverSwitchesTheChannelFaceAndClearsTheStatusOnLeaving)
{
    Create(TBS_VERT | TBS_NOTICKS, {10, 10, 40, 210});
    slider.SetPos(0); // thumb at the top, channel free below it
    const RECT channel = Channel();
    const POINT probe = {(channel.left + channel.right) / 2, (channel.top + channel.bottom) / 2};
    const COLORREF normal = ClientPixels(slider.m_hWnd).At(probe.x, probe.y);
    EXPECT_TRUE(ColorsNear(Role(CCOL_STATIC), normal, 40));

    // In with a button held: no highlight, no status.
    SendMessageA(slider.m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(15, 100));
    EXPECT_FALSE(slider.IsHot());
    EXPECT_TRUE(host.statusLog.empty());
    EXPECT_EQ(normal, ClientPixels(slider.m_hWnd).At(probe.x, probe.y));

    HoverAt(slider.m_hWnd, 15, 100);
    EXPECT_TRUE(slider.IsHot());
    EXPECT_EQ(nullptr, GetCapture());
    const COLORREF hot = ClientPixels(slider.m_hWnd).At(probe.x, probe.y);
    EXPECT_TRUE(ColorsNear(Role(CCOL_STATICLIGHT), hot, 40));
    EXPECT_FALSE(ColorsNear(normal, hot, 20));

    host.statusLog.clear();
    HoverAt(slider.m_hWnd, 200, 100); // outside
    EXPECT_FALSE(slider.IsHot());
    ASSERT_FALSE(host.statusLog.empty());
    EXPECT_EQ("clear", host.statusLog.back());
    EXPECT_EQ(normal, ClientPixels(slider.m_hWnd).At(probe.x, probe.y));
    CursorAway();
}

TEST_F(SliderTest, FocusFaceComesAndGoesAndReleasesTheCapture)
{
    Create(TBS_VERT | TBS_NOTICKS, {10, 10, 40, 210});
    slider.SetPos(0);
    const RECT channel = Channel();
    const POINT probe = {(channel.left + channel.right) / 2, (channel.top + channel.bottom) / 2};
    HoverAt(slider.m_hWnd, 15, 100);
    SendMessageA(slider.m_hWnd, WM_SETFOCUS, 0, 0);
    EXPECT_TRUE(slider.HasFocusFace());
    EXPECT_TRUE(ColorsNear(Role(CCOL_STATICBRIGHT), ClientPixels(slider.m_hWnd).At(probe.x, probe.y), 40));
    SendMessageA(slider.m_hWnd, WM_KILLFOCUS, 0, 0);
    EXPECT_FALSE(slider.HasFocusFace());
    EXPECT_NE(slider.m_hWnd, GetCapture());
    // The pointer still rests on it: hot until it goes.
    EXPECT_TRUE(slider.IsHot());
    CursorAway();
    EXPECT_TRUE(PumpUntil([&] { return !slider.IsHot(); }, 2000));
    EXPECT_TRUE(ColorsNear(Role(CCOL_STATIC), ClientPixels(slider.m_hWnd).At(probe.x, probe.y), 40));
}

TEST_F(SliderTest, TicksAreDimUpToThePositionAndLitFromIt)
{
    Create(TBS_VERT | TBS_AUTOTICKS, {10, 10, 50, 210}, 0, 10);
    slider.SetTicFreq(2);
    const struct {
        int position;
        bool litEnd; // the minimum's end tick
        bool lit[4]; // values 2, 4, 6, 8
    } cases[] = {
        {0, true, {true, true, true, true}},
        {3, false, {false, true, true, true}},
        {6, false, {false, false, true, true}},
        {10, false, {false, false, false, false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.position);
        slider.SetPos(c.position);
        RECT client, thumb, strips[2];
        slider.GetClientRect(&client);
        slider.GetThumbRect(&thumb);
        ASSERT_EQ(1, TickStrips(client, thumb, Channel(), TBS_VERT, strips));
        const ClientPixels pixels(slider.m_hWnd);
        const int x = strips[0].left + 2;
        const int length = strips[0].bottom - strips[0].top;
        auto roleAt = [&](int value) {
            const int y = strips[0].top + std::min(value * length / 10, length - 1);
            return pixels.At(x, y);
        };
        EXPECT_EQ(Role(c.litEnd ? CCOL_TEXT : CCOL_TEXTDISABLED), roleAt(0));
        EXPECT_EQ(Role(CCOL_TEXT), roleAt(10));
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(Role(c.lit[i] ? CCOL_TEXT : CCOL_TEXTDISABLED), roleAt(2 * (i + 1))) << "value " << 2 * (i + 1);
    }
}

TEST_F(SliderTest, RedrawMaskRunsOnlyTheStepsAChangeNeeds)
{
    Create(TBS_VERT | TBS_AUTOTICKS | TBS_ENABLESELRANGE, {10, 10, 50, 210});
    slider.m_blendLevel = 255; // an own background, so that its step shows
    SendMessageA(slider.m_hWnd, WM_COOL_SETCOLOR, CCOL_TEXT, RGB(250, 250, 0));
    slider.UpdateWindow();
    const struct {
        const char* change;
        void (*apply)(CCoolSliderCtrl&);
        bool ran[kStepCount];
    } cases[] = {
        // parent, own, compose, ticks, channel, gradient, bars, thumb
        {"colour", [](CCoolSliderCtrl& s) { s.SendMessage(WM_COOL_SETCOLOR, CCOL_STATIC, RGB(0, 90, 200)); },
         {true, true, true, true, true, true, true, true}},
        {"position", [](CCoolSliderCtrl& s) { s.SetPos(s.GetPos() + 10); },
         {false, true, true, true, false, false, false, true}},
        {"selection", [](CCoolSliderCtrl& s) { s.SetSelection(20, 60); },
         {false, false, false, false, true, false, true, true}},
        {"focus", [](CCoolSliderCtrl& s) { s.SendMessage(WM_SETFOCUS); },
         {false, false, false, false, true, false, true, true}},
        {"nothing", [](CCoolSliderCtrl& s) { s.Invalidate(false); },
         {false, false, false, false, false, false, false, true}},
        {"range", [](CCoolSliderCtrl& s) { s.SetRange(0, 50, true); },
         {true, true, true, true, true, true, true, true}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.change);
        slider.ResetDrawCounts();
        c.apply(slider);
        slider.UpdateWindow();
        const SliderDrawCounts& counts = slider.GetDrawCounts();
        EXPECT_EQ(1, counts.paints);
        for (int step = 0; step < kStepCount; ++step)
            EXPECT_EQ(c.ran[step] ? 1 : 0, counts.steps[step]) << "step " << step;
        EXPECT_EQ(0, slider.GetRedrawMask());
    }
}

TEST_F(SliderTest, StaleThumbOfThePlatformIsDrawnAtTheRealPosition)
{
    Create(TBS_VERT | TBS_NOTICKS, {10, 10, 40, 210});
    slider.SetPos(100);
    RECT before;
    slider.GetThumbRect(&before);
    slider.SendMessage(TBM_SETPOS, FALSE, 0); // the platform leaves its thumb where it was
    slider.Invalidate(false);
    const RECT channel = Channel();
    const int top = ThumbStartFor(0, 0, 100, channel.top, channel.bottom - channel.top, before.bottom - before.top);
    const ClientPixels pixels(slider.m_hWnd);
    // The left edge of the thumb's outer bevel.
    EXPECT_EQ(Role(CCOL_LIGHT), pixels.At(before.left, top + 3));
    EXPECT_NE(Role(CCOL_LIGHT), pixels.At(before.left, before.top + 3)); // nothing left at the old place
}

TEST_F(SliderTest, FrameFollowsTheExtendedStyle)
{
    ASSERT_TRUE(slider.CreateEx(WS_EX_CLIENTEDGE, TRACKBAR_CLASSA, "", WS_CHILD | WS_VISIBLE | TBS_VERT,
                                {10, 10, 40, 210}, host.GetSafeHwnd(), kSliderId));
    RedrawWindow(slider.m_hWnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(Role(CCOL_SHADOW), WindowPixel(slider.m_hWnd, 0, 0));
    EXPECT_EQ(Role(CCOL_LIGHT), WindowPixel(slider.m_hWnd, 29, 199));
    EXPECT_EQ(Role(CCOL_LIGHT), WindowPixel(slider.m_hWnd, 1, 1));
    EXPECT_EQ(Role(CCOL_SHADOW), WindowPixel(slider.m_hWnd, 28, 198));
}

TEST_F(SliderTest, ZeroLengthRangePaintsAndTakesClicksAndKeys)
{
    Create(TBS_VERT | TBS_AUTOTICKS | TBS_ENABLESELRANGE, {10, 10, 50, 210}, 3, 3);
    slider.SetSelection(3, 3);
    for (int y : {0, 10, 100, 199}) {
        Press(slider.m_hWnd, 20, y);
        Release(slider.m_hWnd, 20, y);
    }
    for (WPARAM key : {VK_UP, VK_DOWN, VK_PRIOR, VK_NEXT, VK_HOME, VK_END}) {
        slider.SendMessage(WM_KEYDOWN, key, 0);
        slider.SendMessage(WM_KEYUP, key, 0);
    }
    slider.Invalidate(false);
    slider.UpdateWindow();
    EXPECT_EQ(3, slider.GetPos());
    EXPECT_GE(slider.GetDrawCounts().paints, 1);
}
