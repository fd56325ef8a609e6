// The knob's drags as its parent hears them, the skinned progress bar's fill, and
// the sliders' GDI objects over many lives.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "skin/controls/audio_slider.h"
#include "skin/controls/cool_circ_slider.h"
#include "skin/scheme/cool_messages.h"
#include "skin/controls/cool_progress_ctrl.h"
#include "skin/controls/progress_fill.h"
#include "slider_test_support.h"

namespace {

class KnobTest : public ::testing::Test {
protected:
    ScrollHost host;
    CCoolCircSlider knob;

    void Create(DWORD style, int minimum, int maximum)
    {
        ASSERT_TRUE(knob.CreateEx(0, TRACKBAR_CLASSA, "", WS_CHILD | WS_VISIBLE | style, {20, 20, 120, 120},
                                  host.GetSafeHwnd(), 500));
        knob.SetRange(minimum, maximum, true);
    }
    void Move(int x, int y, WPARAM keys = MK_LBUTTON) { knob.SendMessage(WM_MOUSEMOVE, keys, MAKELPARAM(x, y)); }
    int Code(size_t i) const { return LOWORD(host.scrolls[i].wParam); }
    int Position(size_t i) const { return static_cast<short>(HIWORD(host.scrolls[i].wParam)); }
};

} // namespace

TEST_F(KnobTest, RotaryDragTracksAndReleasesOnce)
{
    Create(0, 0, 100);
    Press(knob.m_hWnd, 50, 50);
    EXPECT_TRUE(knob.IsDragging());
    EXPECT_FALSE(knob.IsLinearDrag());
    EXPECT_EQ(knob.m_hWnd, GetCapture());
    Move(90, 50); // 3 o'clock: 225 of 270 degrees
    Move(50, 90); // 6 o'clock: outside the sweep, nothing happens
    Move(50, 10, MK_LBUTTON | MK_RBUTTON); // not the left button alone: nothing either
    Move(50, 10); // 12 o'clock: the middle
    Release(knob.m_hWnd, 50, 10);
    ASSERT_EQ(3u, host.scrolls.size());
    EXPECT_EQ(SB_THUMBTRACK, Code(0));
    EXPECT_EQ(83, Position(0));
    EXPECT_EQ(SB_THUMBTRACK, Code(1));
    EXPECT_EQ(50, Position(1));
    EXPECT_EQ(SB_THUMBPOSITION, Code(2));
    EXPECT_EQ(50, Position(2));
    EXPECT_EQ(UINT{WM_HSCROLL}, host.scrolls[2].message);
    EXPECT_EQ(50, knob.GetPos());
    EXPECT_NE(knob.m_hWnd, GetCapture());
    // Moves after the release are not drags.
    Move(90, 50);
    EXPECT_EQ(3u, host.scrolls.size());
}

TEST_F(KnobTest, LinearDragWithTbsVertOrShift)
{
    const struct {
        DWORD style;
        WPARAM keys;
        bool linear;
    } cases[] = {
        {TBS_VERT, MK_LBUTTON, true},
        {TBS_VERT, MK_LBUTTON | MK_SHIFT, false},
        {0, MK_LBUTTON | MK_SHIFT, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.style + c.keys);
        if (knob.GetSafeHwnd() != nullptr)
            knob.DestroyWindow();
        Create(c.style, 0, 10); // 100 pixels high: 10 pixels per unit
        knob.SetPos(5);
        host.scrolls.clear();
        Press(knob.m_hWnd, 60, 60, c.keys);
        EXPECT_EQ(c.linear, knob.IsLinearDrag());
        Move(60, 40); // 20 pixels up
        Release(knob.m_hWnd, 60, 40);
        ASSERT_FALSE(host.scrolls.empty());
        EXPECT_EQ(SB_THUMBPOSITION, Code(host.scrolls.size() - 1));
        if (c.linear) {
            EXPECT_EQ(7, knob.GetPos());
            EXPECT_EQ(SB_THUMBTRACK, Code(0));
            EXPECT_EQ(7, Position(0));
        }
    }
}

TEST_F(KnobTest, ZeroLengthRangeIgnoresDragsAndPaints)
{
    Create(TBS_VERT, 4, 4);
    Press(knob.m_hWnd, 60, 60);
    Move(60, 0);
    Release(knob.m_hWnd, 60, 0);
    EXPECT_TRUE(host.scrolls.empty());
    EXPECT_EQ(4, knob.GetPos());
    const ClientPixels pixels(knob.m_hWnd); // paints without fault
    (void)pixels;
}

TEST(CoolProgress, FilledLengthInBothOrientations)
{
    ScrollHost host;
    for (const bool vertical : {false, true}) {
        CCoolProgressCtrl bar;
        const int length = 200;
        const RECT rect = vertical ? RECT{10, 10, 30, 10 + length} : RECT{10, 10, 10 + length, 30};
        ASSERT_TRUE(bar.CreateEx(0, PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE | (vertical ? PBS_VERTICAL : 0), rect,
                                 host.GetSafeHwnd(), 600));
        bar.SetRange(0, 100);
        for (const int position : {0, 10, 50, 73, 100}) {
            SCOPED_TRACE(testing::Message() << (vertical ? "vertical " : "horizontal ") << position);
            bar.SetPos(position);
            const int filled = ProgressFilledLength(position, 0, 100, length);
            const ClientPixels pixels(bar.m_hWnd);
            // Across the middle of the bar: the lit face is brighter than the unlit one.
            auto at = [&](int along) {
                return vertical ? pixels.At(10, length - 1 - along) : pixels.At(along, 10);
            };
            auto bright = [](COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); };
            const int unlit = bright(bar.m_colors[CCOL_STATIC]);
            for (int along = 3; along < length - 3; along += 7) {
                if (along < filled - 2) {
                    EXPECT_GT(bright(at(along)), unlit + 60) << along;
                } else if (along > filled + 2) {
                    EXPECT_LE(bright(at(along)), unlit + 10) << along;
                }
            }
        }
    }
}

TEST(SliderResources, NoGdiLeakOverAThousandLives)
{
    ScrollHost host;
    // Knobs and bars are simpler; they share every tenth life.
    auto life = [&host](int round) {
        CAudioSlider slider;
        slider.CreateEx(0, TRACKBAR_CLASSA, "",
                        WS_CHILD | WS_VISIBLE | TBS_VERT | TBS_AUTOTICKS | TBS_ENABLESELRANGE, {10, 10, 34, 210},
                        host.GetSafeHwnd(), 700);
        slider.SetRange(0, 50, true);
        slider.m_blendLevel = round % 2 ? 128 : 0;
        for (int position = 0; position <= 50; position += 25) {
            slider.SetPos(position);
            slider.SetLevels(position, 50 - position);
            slider.Invalidate(false);
            slider.UpdateWindow();
        }
        slider.SendMessage(WM_COOL_SETFLAGS, 0, RM_BLENDPICTURE | (round % 3 ? RM_REFLECTIONS : 0));
        slider.SendMessage(WM_COOL_SETCOLOR, CCOL_STATIC, RGB(round % 256, 80, 160));
        slider.UpdateWindow();
        if (round % 10 != 0)
            return;
        CCoolCircSlider knob;
        knob.CreateEx(0, TRACKBAR_CLASSA, "", WS_CHILD | WS_VISIBLE, {50, 10, 90, 50}, host.GetSafeHwnd(), 701);
        knob.UpdateWindow();
        CCoolProgressCtrl bar;
        bar.CreateEx(0, PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE, {100, 10, 200, 30}, host.GetSafeHwnd(), 702);
        bar.SetPos(round % 100);
        bar.UpdateWindow();
    };
    life(0);
    const DWORD before = GdiObjectCount();
    for (int round = 1; round <= 1000; ++round)
        life(round);
    EXPECT_LE(GdiObjectCount(), before);
}
