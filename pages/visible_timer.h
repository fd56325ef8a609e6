#pragma once
// A page's timer that ticks only while the page can be seen. The page says
// whether it wants the timer; the timer runs while it is wanted, the page is the
// one its sheet shows and the sheet is on the screen (neither hidden nor
// minimised, as the sheet tells its pages), and rests otherwise: a panel that
// lives in the tray wakes up for nothing. Owned by its page; killed with it.

#include <windows.h>

#include "platform/window_timer.h"

class CVisibleTimer {
public:
    CVisibleTimer(UINT_PTR id, UINT milliseconds) : m_id(id), m_period(milliseconds) {}

    // The page's wish; the timer starts at once when the page can be seen.
    void Want(HWND page, bool wanted);
    bool IsWanted() const { return m_wanted; }
    bool IsRunning() const { return m_timer.IsRunning(); }

    // Called from the page's tick: false (and the timer rests) when the page can
    // no longer be seen, so the tick should do nothing.
    bool KeepTicking();
    // The page's WM_WINDOWPOSCHANGED (the sheet shows and hides its pages): rests
    // the timer when the page is hidden, resumes it when it is shown. True when
    // it resumed.
    bool FollowPage(const WINDOWPOS& position);
    // What the sheet told its pages (CCoolPropertyPage::OnSheetVisible); a sheet
    // that tells nothing counts as shown. True when the timer resumed.
    bool FollowSheet(bool shown);

private:
    bool CanBeSeen() const;
    // A wanted timer that rests starts again when the page can be seen; true when it did.
    bool Resume();
    void Rest() { m_timer.Stop(); }

    UINT_PTR m_id;
    UINT m_period;
    HWND m_page = nullptr;
    bool m_wanted = false;
    bool m_sheetShown = true;
    CWindowTimer m_timer;
};
