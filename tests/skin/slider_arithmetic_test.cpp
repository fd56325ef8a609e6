// The sliders' arithmetic: ticks and their colours, the meters' lit parts, the
// click jump, the knob's angles and drags, the progress fill and the frame bevels.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cmath>

#include "skin/scheme/cool_colors.h"
#include "skin/controls/progress_fill.h"
#include "skin/draw/edge_frame.h"
#include "skin/controls/knob_geometry.h"
#include "skin/controls/slider_geometry.h"
#include "skin/controls/slider_redraw.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

bool SameRect(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

} // namespace

TEST(SliderTicks, ColoursBelowAndAboveThePosition)
{
    // Range 0..10, ticks every 2: inner values 2, 4, 6, 8 over a strip of 100 pixels.
    const DWORD tics[] = {2, 4, 6, 8};
    struct Case {
        int position;
        int minimumEnd;
        int inner[4];
    } cases[] = {
        {0, CCOL_TEXT, {CCOL_TEXT, CCOL_TEXT, CCOL_TEXT, CCOL_TEXT}},
        {1, CCOL_TEXTDISABLED, {CCOL_TEXT, CCOL_TEXT, CCOL_TEXT, CCOL_TEXT}},
        {4, CCOL_TEXTDISABLED, {CCOL_TEXTDISABLED, CCOL_TEXT, CCOL_TEXT, CCOL_TEXT}},
        {5, CCOL_TEXTDISABLED, {CCOL_TEXTDISABLED, CCOL_TEXTDISABLED, CCOL_TEXT, CCOL_TEXT}},
        {10, CCOL_TEXTDISABLED, {CCOL_TEXTDISABLED, CCOL_TEXTDISABLED, CCOL_TEXTDISABLED, CCOL_TEXTDISABLED}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        const std::vector<TickMark> marks = LayoutTicks(6, tics, 0, 10, c.position, 100);
        ASSERT_EQ(6u, marks.size());
        EXPECT_EQ(0, marks[0].offset);
        EXPECT_EQ(c.minimumEnd, marks[0].role);
        EXPECT_EQ(100, marks[1].offset);
        EXPECT_EQ(CCOL_TEXT, marks[1].role); // the maximum's end is always lit
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(static_cast<int>(tics[i]) * 10, marks[2 + i].offset); // placed by value, inside the strip
            EXPECT_EQ(c.inner[i], marks[2 + i].role);
        }
    }
}

TEST(SliderTicks, DegenerateCountsAndRanges)
{
    EXPECT_TRUE(LayoutTicks(0, nullptr, 0, 10, 5, 100).empty()); // TBS_NOTICKS
    EXPECT_TRUE(LayoutTicks(-1, nullptr, 0, 10, 5, 100).empty());
    EXPECT_EQ(2u, LayoutTicks(2, nullptr, 0, 10, 5, 100).size());
    // Zero-length range: every tick lit, none placed beyond the strip.
    const DWORD tics[] = {3};
    for (const TickMark& mark : LayoutTicks(3, tics, 3, 3, 3, 50)) {
        EXPECT_EQ(CCOL_TEXT, mark.role);
        EXPECT_GE(mark.offset, 0);
        EXPECT_LE(mark.offset, 50);
    }
    // Values beyond the range stay on the strip.
    const DWORD wide[] = {0xFFFFFFFFu, 50};
    for (const TickMark& mark : LayoutTicks(4, wide, 0, 10, 0, 80))
        EXPECT_TRUE(mark.offset >= 0 && mark.offset <= 80);
}

TEST(SliderTicks, StripsBesideTheThumbOnTheStyledSides)
{
    // A vertical slider 40 wide: thumb 12..28 across, 10 high; channel 18..22 x 8..192.
    const RECT client = {0, 0, 40, 200};
    const RECT thumb = {12, 50, 28, 60};
    const RECT channel = {18, 8, 22, 192};
    RECT strips[2];
    ASSERT_EQ(1, TickStrips(client, thumb, channel, TBS_VERT, strips));
    EXPECT_TRUE(SameRect(RECT{28, 13, 34, 187}, strips[0])); // right side, 6 pixels, channel less half a thumb
    ASSERT_EQ(1, TickStrips(client, thumb, channel, TBS_VERT | TBS_LEFT, strips));
    EXPECT_TRUE(SameRect(RECT{6, 13, 12, 187}, strips[0]));
    ASSERT_EQ(2, TickStrips(client, thumb, channel, TBS_VERT | TBS_BOTH, strips));
    // Kept 4 pixels from the edge of a narrow control.
    const RECT narrow = {0, 0, 36, 200};
    ASSERT_EQ(1, TickStrips(narrow, thumb, channel, TBS_VERT, strips));
    EXPECT_EQ(32, strips[0].right);
    // Horizontal: below the thumb by default.
    const RECT hClient = {0, 0, 200, 40};
    ASSERT_EQ(1, TickStrips(hClient, RECT{50, 12, 60, 28}, RECT{8, 18, 192, 22}, 0, strips));
    EXPECT_TRUE(SameRect(RECT{13, 28, 187, 34}, strips[0]));
    // No room at all: no strip.
    EXPECT_EQ(0, TickStrips(RECT{0, 0, 16, 200}, RECT{2, 50, 14, 60}, channel, TBS_VERT | TBS_BOTH, strips));
}

TEST(SliderMeter, LevelsLightFromTheLevelToTheMaximumsEnd)
{
    const RECT meter = {10, 20, 18, 120}; // vertical, 8 across, 100 along
    RECT first, second;
    SplitMeter(meter, true, &first, &second);
    EXPECT_TRUE(SameRect(RECT{10, 20, 14, 120}, first));
    EXPECT_TRUE(SameRect(RECT{14, 20, 18, 120}, second));
    EXPECT_TRUE(IsRectEmpty(&static_cast<const RECT&>(LevelLitPart(first, true, 100, 0, 100))));
    EXPECT_TRUE(SameRect(first, LevelLitPart(first, true, 0, 0, 100)));
    EXPECT_TRUE(SameRect(RECT{10, 70, 14, 120}, LevelLitPart(first, true, 50, 0, 100)));
    EXPECT_TRUE(SameRect(first, LevelLitPart(first, true, -20, 0, 100))); // below the range: all lit
    const RECT none = LevelLitPart(first, true, 0, 5, 5);
    EXPECT_TRUE(IsRectEmpty(&none));
    // Horizontal: lit towards the right end.
    EXPECT_TRUE(SameRect(RECT{60, 0, 100, 4}, LevelLitPart(RECT{0, 0, 100, 4}, false, 60, 0, 100)));
}

TEST(SliderMeter, SelectionAndPeakLine)
{
    const RECT meter = {0, 0, 6, 200};
    EXPECT_TRUE(SameRect(RECT{0, 50, 6, 150}, SelectionLitPart(meter, true, 25, 75, 0, 100)));
    EXPECT_TRUE(SameRect(RECT{0, 50, 6, 150}, SelectionLitPart(meter, true, 75, 25, 0, 100)));
    const RECT noRange = SelectionLitPart(meter, true, 0, 100, 7, 7);
    EXPECT_TRUE(IsRectEmpty(&noRange));
    RECT line = {};
    ASSERT_TRUE(PeakLine(meter, true, 50, 0, 100, &line));
    EXPECT_TRUE(SameRect(RECT{0, 100, 6, 102}, line));
    ASSERT_TRUE(PeakLine(meter, true, 100, 0, 100, &line));
    EXPECT_TRUE(SameRect(RECT{0, 198, 6, 200}, line)); // kept inside at the end
    EXPECT_FALSE(PeakLine(meter, true, 101, 0, 100, &line));
    EXPECT_FALSE(PeakLine(meter, true, -1, 0, 100, &line));
    EXPECT_FALSE(PeakLine(meter, true, 3, 3, 3, &line));
}

TEST(SliderClick, JumpsWithinTheChannelOnly)
{
    int position = -1;
    // Channel 10..110 (100 long), thumb 20 long: divisor 90.
    ASSERT_TRUE(ClickPosition(55, 10, 100, 20, 0, 90, &position));
    EXPECT_EQ(45, position);
    ASSERT_TRUE(ClickPosition(110, 10, 100, 20, 0, 90, &position));
    EXPECT_EQ(90, position); // beyond the range: kept at the maximum
    ASSERT_TRUE(ClickPosition(10, 10, 100, 20, -50, 50, &position));
    EXPECT_EQ(-50, position);
    position = 7;
    EXPECT_FALSE(ClickPosition(9, 10, 100, 20, 0, 90, &position));
    EXPECT_FALSE(ClickPosition(111, 10, 100, 20, 0, 90, &position));
    EXPECT_FALSE(ClickPosition(50, 10, 100, 20, 4, 4, &position));  // zero-length range
    EXPECT_FALSE(ClickPosition(12, 10, 10, 20, 0, 90, &position));  // channel = half the thumb
    EXPECT_FALSE(ClickPosition(11, 10, 4, 20, 0, 90, &position));   // shorter still
    EXPECT_EQ(7, position);
    // Wide ranges do not overflow.
    ASSERT_TRUE(ClickPosition(1000, 0, 1000, 0, 0, 2000000000, &position));
    EXPECT_EQ(2000000000, position);
}

TEST(SliderRedraw, EachChangeSetsItsBits)
{
    SliderSnapshot before;
    before.maximum = 100;
    SliderSnapshot now = before;
    EXPECT_EQ(0, RedrawBitsForChange(before, now));
    now.position = 5;
    EXPECT_EQ(kRedrawOwnBackground | kRedrawTicks, RedrawBitsForChange(before, now));
    now = before;
    now.selectionEnd = 5;
    EXPECT_EQ(kRedrawChannel | kRedrawMeterBars, RedrawBitsForChange(before, now));
    now = before;
    now.maximum = 50;
    EXPECT_EQ(kRedrawAll, RedrawBitsForChange(before, now));
    now = before;
    now.exStyle = WS_EX_CLIENTEDGE;
    EXPECT_EQ(kRedrawAll, RedrawBitsForChange(before, now));
    EXPECT_TRUE(StylesChanged(before, now));
}

TEST(Knob, RotaryAngleToPosition)
{
    const POINT centre = {50, 50};
    const double start = 1.25 * kPi; // 7:30 o'clock
    const double sweep = 1.5 * kPi;  // to 4:30 o'clock
    struct Case {
        POINT point;
        bool taken;
        int position;
    } cases[] = {
        {{20, 80}, true, 0},     // start of the sweep
        {{20, 50}, true, 16},    // 9 o'clock: 45 of 270 degrees
        {{50, 10}, true, 50},    // 12 o'clock: the middle
        {{90, 50}, true, 83},    // 3 o'clock
        {{80, 80}, true, 100},   // end of the sweep
        {{50, 90}, false, 0},    // 6 o'clock: outside the sweep
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.point.x * 1000 + c.point.y);
        int position = -1;
        EXPECT_EQ(c.taken, RotaryPosition(c.point, centre, start, sweep, 0, 100, &position));
        if (c.taken) {
            EXPECT_EQ(c.position, position);
        }
    }
    EXPECT_NEAR(0.0, KnobAngle(POINT{50, 10}, centre, 0), 1e-9);
    EXPECT_NEAR(kPi / 2, KnobAngle(POINT{90, 50}, centre, 0), 1e-9);
    int position = -1;
    EXPECT_FALSE(RotaryPosition(POINT{50, 10}, centre, start, sweep, 5, 5, &position));
    // The pointer for the middle position points straight up.
    const POINT end = PointerEnd(centre, 30, start, sweep, 50, 0, 100);
    EXPECT_EQ(50, end.x);
    EXPECT_EQ(20, end.y);
}

TEST(Knob, LinearDragMovesByUnitsOfHeight)
{
    // Height 100, range 0..10: 10 pixels per unit; up adds.
    EXPECT_EQ(5, LinearPosition(5, 50, 50, 100, 0, 10, false));
    EXPECT_EQ(7, LinearPosition(5, 50, 30, 100, 0, 10, false));
    EXPECT_EQ(4, LinearPosition(5, 50, 60, 100, 0, 10, false));
    EXPECT_EQ(10, LinearPosition(5, 50, -100, 100, 0, 10, false));
    EXPECT_EQ(0, LinearPosition(5, 50, 200, 100, 0, 10, false));
    // Wrapping: 11 values round.
    EXPECT_EQ(1, LinearPosition(9, 50, 20, 100, 0, 10, true));
    EXPECT_EQ(10, LinearPosition(0, 50, 60, 100, 0, 10, true));
    // More units than pixels: one pixel per unit.
    EXPECT_EQ(30, LinearPosition(0, 50, 20, 100, 0, 1000, false));
    // Zero-length range: stays.
    EXPECT_EQ(3, LinearPosition(3, 50, 0, 100, 3, 3, true));
}

TEST(Progress, FilledLengthForPositions)
{
    struct Case {
        int position, low, high, length, filled;
    } cases[] = {
        {0, 0, 100, 200, 0},   {50, 0, 100, 200, 100}, {100, 0, 100, 200, 200}, {33, 0, 100, 100, 33},
        {1, 0, 3, 100, 33},    {-5, -10, 10, 40, 10},  {150, 0, 100, 200, 200}, {-1, 0, 100, 200, 0},
        {5, 5, 5, 200, 0},     {5, 10, 0, 200, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        EXPECT_EQ(c.filled, ProgressFilledLength(c.position, c.low, c.high, c.length));
    }
}

TEST(EdgeFrame, BevelsByExtendedStyleOutermostFirst)
{
    EdgeBevel bevels[kMaxEdgeBevels];
    EXPECT_EQ(0, EdgeBevels(0, bevels));
    ASSERT_EQ(2, EdgeBevels(WS_EX_CLIENTEDGE, bevels));
    EXPECT_EQ(CCOL_SHADOW, bevels[0].topLeft);
    EXPECT_EQ(CCOL_LIGHT, bevels[0].bottomRight);
    EXPECT_EQ(CCOL_LIGHT, bevels[1].topLeft);
    ASSERT_EQ(1, EdgeBevels(WS_EX_STATICEDGE, bevels));
    EXPECT_EQ(CCOL_LIGHT, bevels[0].topLeft);
    ASSERT_EQ(2, EdgeBevels(WS_EX_DLGMODALFRAME, bevels));
    EXPECT_EQ(CCOL_BACKGROUND, bevels[1].topLeft);
    ASSERT_EQ(1, EdgeBevels(WS_EX_WINDOWEDGE, bevels));
    EXPECT_EQ(CCOL_SHADOW, bevels[0].topLeft);
    EXPECT_EQ(6, EdgeBevels(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE, bevels));
}
