// The skinned scroll bar: where its parts lie, the code each click sends, and a
// thumb drag that stops at the arrows.
#include <gtest/gtest.h>

#include "one_of_each_dialog.h"
#include "skin_probe.h"
#include "skin_test_windows.h"
#include "support/message_pump.h"

namespace {

int Along(const RECT& rect) { return rect.left; }
int Length(const RECT& rect) { return rect.right - rect.left; }
POINT Centre(const RECT& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

void Click(HWND window, POINT point)
{
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
}

} // namespace

TEST(ScrollGeometry, PartsFromRangePageAndPosition)
{
    struct Case {
        const char* what;
        int length, minimum, maximum, page, position;
        int thumbStart, thumbLength; // -1: no thumb
    };
    // A horizontal bar 16 thick with 16-pixel arrows: track 68 for a length of 100.
    const Case cases[] = {
        {"start", 100, 0, 99, 10, 0, 16, 6},
        {"middle", 100, 0, 99, 10, 45, 16 + 45 * 68 / 100, 55 * 68 / 100 - 45 * 68 / 100},
        {"large page", 100, 0, 99, 50, 20, 16 + 20 * 68 / 100, 70 * 68 / 100 - 20 * 68 / 100},
        {"no page: shortest thumb", 100, 0, 99, 0, 50, 16 + 50 * 68 / 100, 6},
        {"at the end the thumb stays in the track", 100, 0, 99, 0, 99, 84 - 6, 6},
        {"minimum not zero", 100, 10, 109, 10, 10, 16, 6},
        {"no longer than its arrows", 32, 0, 99, 10, 0, -1, -1},
        {"shorter than its arrows", 20, 0, 99, 10, 0, -1, -1},
        {"empty range", 100, 5, 4, 0, 5, -1, -1},
    };
    for (const Case& c : cases) {
        const CoolScrollGeometry parts = ComputeScrollGeometry(false, c.length, 16, 16, c.minimum, c.maximum, c.page,
                                                               c.position);
        const int arrow = c.length >= 32 ? 16 : c.length / 2;
        EXPECT_EQ(arrow, Length(parts.firstArrow)) << c.what;
        EXPECT_EQ(c.length - arrow, Along(parts.secondArrow)) << c.what;
        if (c.thumbStart < 0) {
            EXPECT_TRUE(IsRectEmpty(&parts.thumb)) << c.what;
            EXPECT_TRUE(IsRectEmpty(&parts.pageBefore)) << c.what;
            EXPECT_TRUE(IsRectEmpty(&parts.pageAfter)) << c.what;
            continue;
        }
        EXPECT_EQ(c.thumbStart, Along(parts.thumb)) << c.what;
        EXPECT_EQ(c.thumbLength, Length(parts.thumb)) << c.what;
        // The page areas fill the track beside the thumb, inset across the bar.
        if (parts.thumb.right == c.length - arrow) {
            EXPECT_TRUE(IsRectEmpty(&parts.pageAfter)) << c.what;
            continue;
        }
        EXPECT_EQ(parts.thumb.right, parts.pageAfter.left) << c.what;
        EXPECT_EQ(CCoolScrollBar::kPageInset, parts.pageAfter.top) << c.what;
        EXPECT_EQ(16 - CCoolScrollBar::kPageInset, parts.pageAfter.bottom) << c.what;
    }
    // Vertical bars lay the same parts out downwards.
    const CoolScrollGeometry vertical = ComputeScrollGeometry(true, 100, 16, 16, 0, 99, 10, 45);
    EXPECT_EQ(16 + 45 * 68 / 100, vertical.thumb.top);
    EXPECT_EQ(16, vertical.thumb.right);
    // Positions back from thumb places, the minimum added.
    EXPECT_EQ(0, ScrollPositionAt(16, 100, 16, 0, 99));
    EXPECT_EQ(50, ScrollPositionAt(16 + 34, 100, 16, 0, 99));
    EXPECT_EQ(10, ScrollPositionAt(16, 100, 16, 10, 109));
    EXPECT_EQ(7, ScrollPositionAt(16, 20, 16, 7, 99));
}

TEST(CoolScrollBar, EachPartSendsItsCodeOnce)
{
    OneOfEachDialog dialog;
    ASSERT_TRUE(dialog.Open());
    DrainMessages();
    const HWND bar = dialog.scroll.m_hWnd;
    const CoolScrollGeometry parts = dialog.scroll.Geometry();
    ASSERT_FALSE(IsRectEmpty(&parts.thumb));
    struct Case {
        const char* what;
        POINT point;
        std::vector<int> codes;
    };
    const Case cases[] = {
        {"first arrow", Centre(parts.firstArrow), {SB_LINELEFT, SB_ENDSCROLL}},
        {"second arrow", Centre(parts.secondArrow), {SB_LINERIGHT, SB_ENDSCROLL}},
        {"track before", Centre(parts.pageBefore), {SB_PAGELEFT, SB_ENDSCROLL}},
        {"track after", Centre(parts.pageAfter), {SB_PAGERIGHT, SB_ENDSCROLL}},
        {"thumb without moving", Centre(parts.thumb), {SB_THUMBPOSITION, SB_ENDSCROLL}},
        {"beside the track", {Centre(parts.pageAfter).x, 0}, {}},
    };
    for (const Case& c : cases) {
        dialog.scrollCodes.clear();
        Click(bar, c.point);
        EXPECT_EQ(c.codes, dialog.scrollCodes) << c.what;
        EXPECT_NE(bar, GetCapture()) << c.what;
    }
}

TEST(CoolScrollBar, DraggedThumbStopsAtTheArrows)
{
    OneOfEachDialog dialog;
    ASSERT_TRUE(dialog.Open());
    DrainMessages();
    const HWND bar = dialog.scroll.m_hWnd;
    const SIZE size = ClientSize(bar);
    const CoolScrollGeometry start = dialog.scroll.Geometry();
    const int arrow = Length(start.firstArrow);
    const int thumb = Length(start.thumb);
    const POINT grip = Centre(start.thumb);
    SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(grip.x, grip.y));
    EXPECT_TRUE(dialog.scroll.IsDragging());
    // Far beyond the first arrow: the thumb stops there at the minimum.
    SendMessageA(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-300, grip.y));
    EXPECT_EQ(arrow, dialog.scroll.Geometry().thumb.left);
    EXPECT_EQ(0, dialog.scrollPositions.back());
    EXPECT_EQ(SB_THUMBTRACK, dialog.scrollCodes.back());
    // Back to where it started: the thumb follows the mouse again at once.
    SendMessageA(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(grip.x + 10, grip.y));
    EXPECT_EQ(start.thumb.left + 10, dialog.scroll.Geometry().thumb.left);
    // Far beyond the second arrow.
    SendMessageA(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(size.cx + 300, grip.y));
    EXPECT_EQ(size.cx - arrow, dialog.scroll.Geometry().thumb.right);
    const int last = ScrollPositionAt(size.cx - arrow - thumb, size.cx, arrow, 0, 100);
    EXPECT_EQ(last, dialog.scrollPositions.back());
    dialog.scrollCodes.clear();
    dialog.scrollPositions.clear();
    SendMessageA(bar, WM_LBUTTONUP, 0, MAKELPARAM(size.cx + 300, grip.y));
    EXPECT_EQ((std::vector<int>{SB_THUMBPOSITION, SB_ENDSCROLL}), dialog.scrollCodes);
    EXPECT_EQ(last, dialog.scrollPositions.front());
    EXPECT_FALSE(dialog.scroll.IsDragging());
    EXPECT_NE(bar, GetCapture());
}

TEST(CoolScrollBar, ABarNoLongerThanItsArrowsHasNoThumb)
{
    StatusHost host;
    CCoolScrollBar bar;
    const int arrow = GetSystemMetrics(SM_CXHTHUMB);
    ASSERT_TRUE(bar.Create("SCROLLBAR", "", WS_CHILD | WS_VISIBLE | SBS_HORZ, {0, 0, 2 * arrow, 16}, host.m_hWnd, 7));
    SCROLLINFO info = {sizeof(info), SIF_ALL, 0, 100, 10, 50, 0};
    bar.SetScrollInfo(info);
    UpdateWindow(bar.m_hWnd);
    EXPECT_TRUE(IsRectEmpty(&bar.Geometry().thumb));
    SendMessageA(bar.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(arrow, 8));
    EXPECT_FALSE(bar.IsDragging());
    SendMessageA(bar.m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(arrow - 5, 8));
    SendMessageA(bar.m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(arrow - 5, 8));
    EXPECT_FALSE(bar.IsDragging());
}
