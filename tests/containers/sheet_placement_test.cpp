// The sheet comes back onto a present screen: whatever shows or restores it, a
// caption outside the work area is moved (as little as needed) into it, and a sheet
// already on the screen stays where it is.
#include <gtest/gtest.h>

#include "container_windows.h"
#include "notify_recorder.h"
#include "platform/caption_on_screen.h"
#include "support/message_pump.h"

namespace {

RECT WorkAreaOf(HWND window)
{
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    return monitor.rcWork;
}

bool Within(const RECT& inner, const RECT& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right
        && inner.bottom <= outer.bottom;
}

POINT TopLeft(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return {rect.left, rect.top};
}

void MoveTo(HWND window, int x, int y)
{
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

TEST(CaptionOnScreen, TheCornerMovesOnlyAsFarAsTheCaptionNeeds)
{
    const RECT work = {0, 0, 1000, 700};
    const struct {
        const char* what;
        RECT caption;
        POINT corner;
    } cases[] = {
        {"inside: stays", {100, 50, 500, 70}, {100, 50}},
        {"touching the edges: stays", {0, 0, 1000, 20}, {0, 0}},
        {"far left and above", {-5000, -3000, -4600, -2980}, {0, 0}},
        {"right of the screen", {1200, 300, 1600, 320}, {600, 300}},
        {"below the work area", {100, 690, 500, 710}, {100, 680}},
        {"wider than the work area: its left edge", {-300, 100, 1200, 120}, {0, 100}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const POINT corner = CaptionPlacedIn(c.caption, work);
        EXPECT_EQ(c.corner.x, corner.x);
        EXPECT_EQ(c.corner.y, corner.y);
    }
}

TEST(SheetPlacement, ShownOrRestoredOutsideEveryScreenItComesBackAndAVisibleSheetStays)
{
    NotifyRecorder recorder; // a shell that keeps the icon, so that closing hides
    TwoPageSheet two;
    CCoolPropertySheet& sheet = two.sheet;
    ASSERT_NE(nullptr, sheet.m_hWnd);
    const HWND window = sheet.m_hWnd;
    sheet.SetTrayIcon(LoadIconA(nullptr, IDI_APPLICATION), CCoolPropertySheet::kNoTrayMenu);
    const int virtualRight = GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int virtualLeft = GetSystemMetrics(SM_XVIRTUALSCREEN);

    const struct {
        const char* what;
        POINT hiddenAt;
        void (*bringBack)(CCoolPropertySheet&);
    } cases[] = {
        {"shown, from far above and left", {virtualLeft - 3000, -2000},
         [](CCoolPropertySheet& s) { s.ShowWindow(SW_SHOW); }},
        {"double-click in the tray, from right of every screen", {virtualRight + 200, 100},
         [](CCoolPropertySheet& s) { s.SendMessage(CCoolPropertySheet::kTrayCallbackMessage, 1, WM_LBUTTONDBLCLK); }},
        {"\"Show\", from below", {100, 5000},
         [](CCoolPropertySheet& s) { s.SendMessage(WM_COMMAND, CCoolPropertySheet::kTrayShowCommand); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        sheet.SendMessage(WM_SYSCOMMAND, SC_CLOSE);
        ASSERT_FALSE(sheet.IsWindowVisible());
        MoveTo(window, c.hiddenAt.x, c.hiddenAt.y);
        c.bringBack(sheet);
        DrainMessages();
        ASSERT_TRUE(sheet.IsWindowVisible());
        EXPECT_TRUE(Within(CaptionRect(window), WorkAreaOf(window)));
    }

    // Restored from minimized, its restored place having gone off the screen.
    sheet.ShowWindow(SW_MINIMIZE);
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    GetWindowPlacement(window, &placement);
    OffsetRect(&placement.rcNormalPosition, virtualRight + 500 - placement.rcNormalPosition.left, 0);
    placement.showCmd = SW_SHOWMINNOACTIVE;
    SetWindowPlacement(window, &placement);
    sheet.ShowWindow(SW_RESTORE);
    DrainMessages();
    EXPECT_FALSE(IsIconic(window));
    EXPECT_TRUE(Within(CaptionRect(window), WorkAreaOf(window))) << "restored from minimized";

    // On the screen already: hidden and shown again, it stays put, as it does when
    // it is moved while on the screen.
    MoveTo(window, 40, 30);
    sheet.SendMessage(WM_SYSCOMMAND, SC_CLOSE);
    sheet.SendMessage(CCoolPropertySheet::kTrayCallbackMessage, 1, WM_LBUTTONDBLCLK);
    DrainMessages();
    EXPECT_EQ(40, TopLeft(window).x);
    EXPECT_EQ(30, TopLeft(window).y);
    MoveTo(window, -100, 30);
    EXPECT_EQ(-100, TopLeft(window).x) << "not while it is on the screen";
    sheet.RemoveTrayIcon();
}
