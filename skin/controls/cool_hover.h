#pragma once
// Hover of a skinned control: hot state, repaint and the main window's status text
// while the mouse is over it. The leave is detected either by the system's leave
// notice (timer ID 0: TrackMouseEvent, WM_MOUSELEAVE) or by a timer that checks
// every 100 ms whether the cursor has left the window. Hovering never takes the
// mouse capture: the controls inside or above a hot one stay reachable.
//
// One control is hot per thread: a control that becomes hot first ends the hover
// of the previous one (its timer killed, hot state and status text cleared), so
// the previous control's late tick cannot clear the new control's status text.

#include <windows.h>

#include <functional>

#include "platform/window_timer.h"

class CCoolScheme;

class CCoolHover {
public:
    // The scheme gives the status text; timerId 0 detects the leave by the leave notice.
    CCoolHover(const CCoolScheme& scheme, UINT_PTR timerId);
    // Ends the hover quietly (no repaint) but clears the status text.
    ~CCoolHover();
    CCoolHover(const CCoolHover&) = delete;
    CCoolHover& operator=(const CCoolHover&) = delete;

    // WM_MOUSEMOVE, point in client coordinates. Enters when not hot; with the leave
    // notice, a point outside the client area (seen while another part of the
    // control holds the capture) leaves. True when the hot state changed.
    bool OnMouseMove(HWND window, POINT point);
    // Becomes the thread's hot control (ending the previous one's hover).
    bool Enter(HWND window);
    // WM_TIMER: true when the timer was the hover's (the tick is then handled).
    bool OnTimer(UINT_PTR id);
    // WM_MOUSELEAVE: with the leave notice, the mouse has left the client area (or
    // gone onto a child window or one stacked above): the hover ends.
    void OnMouseLeave();
    // Ends the hover now: timer or leave notice ended, hot state and status text
    // cleared, the owner told. Nothing when not hot.
    void Leave();
    // WM_DESTROY: like Leave without telling the owner.
    void OnDestroy();
    // The messages above in one call (WM_MOUSEMOVE, WM_TIMER, WM_MOUSELEAVE,
    // WM_DESTROY, and WM_CONTEXTMENU, which ends the hover). True only when the
    // message was the hover's own timer tick, which then needs nothing more.
    bool HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    bool IsHot() const { return m_window != nullptr; }
    HWND Window() const { return m_window; }
    // Called after every change of the hot state; the default invalidates the window
    // without erasing.
    void SetOnChange(std::function<void()> onChange) { m_onChange = std::move(onChange); }

    // The thread's hot control, or null.
    static CCoolHover* Hot();

private:
    void End(bool tellOwner);
    void Changed(HWND window);

    const CCoolScheme& m_scheme;
    UINT_PTR m_timerId;
    HWND m_window = nullptr;
    bool m_tracking = false; // a leave notice asked for
    CWindowTimer m_timer;
    std::function<void()> m_onChange;
};
