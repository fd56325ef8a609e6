#include "skin/controls/cool_hover.h"

#include "skin/scheme/cool_messages.h"
#include "skin/controls/cool_status_text.h"

namespace {

thread_local CCoolHover* t_hot = nullptr;

// Asks for WM_MOUSELEAVE when the mouse leaves the window, or cancels that.
void TrackLeave(HWND window, bool track)
{
    TRACKMOUSEEVENT request = {};
    request.cbSize = sizeof(request);
    request.dwFlags = TME_LEAVE | (track ? 0 : TME_CANCEL);
    request.hwndTrack = window;
    // Only a hover notice would wait this long; some systems also look for the
    // leave at this pace.
    request.dwHoverTime = kHoverTimerPeriod;
    ::TrackMouseEvent(&request);
}

} // namespace

CCoolHover::CCoolHover(const CCoolScheme& scheme, UINT_PTR timerId) : m_scheme(scheme), m_timerId(timerId) {}

CCoolHover::~CCoolHover() { End(false); }

CCoolHover* CCoolHover::Hot() { return t_hot; }

bool CCoolHover::OnMouseMove(HWND window, POINT point)
{
    if (!IsHot())
        return Enter(window);
    if (m_timerId != 0)
        return false;
    RECT client = {};
    ::GetClientRect(window, &client);
    if (::PtInRect(&client, point))
        return false;
    Leave();
    return true;
}

bool CCoolHover::Enter(HWND window)
{
    if (IsHot() || window == nullptr)
        return false;
    if (t_hot != nullptr && t_hot != this)
        t_hot->Leave();
    m_window = window;
    t_hot = this;
    if (m_timerId != 0) {
        m_timer.Start(window, m_timerId, kHoverTimerPeriod);
    } else {
        m_tracking = true;
        TrackLeave(window, true);
        // A pointer already gone on may get no notice from the system: the leave
        // is posted here, as Windows does.
        POINT cursor = {};
        if (::GetCursorPos(&cursor) && ::WindowFromPoint(cursor) != window)
            ::PostMessageA(window, WM_MOUSELEAVE, 0, 0);
    }
    Changed(window);
    ShowStatusText(window, m_scheme);
    return true;
}

bool CCoolHover::OnTimer(UINT_PTR id)
{
    if (m_timerId == 0 || id != m_timerId)
        return false;
    if (!IsHot()) {
        m_timer.Stop();
        return true;
    }
    POINT cursor = {};
    RECT rect = {};
    ::GetCursorPos(&cursor);
    ::GetWindowRect(m_window, &rect);
    if (!::PtInRect(&rect, cursor) || !::IsWindowVisible(m_window))
        Leave();
    return true;
}

void CCoolHover::OnMouseLeave()
{
    if (m_timerId != 0 || !IsHot())
        return;
    // The notice is spent: it needs no cancelling.
    m_tracking = false;
    Leave();
}


void CCoolHover::Leave() { End(true); }

bool CCoolHover::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MOUSEMOVE:
        OnMouseMove(window, {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        return false;
    case WM_TIMER:
        return OnTimer(wParam);
    case WM_MOUSELEAVE:
        OnMouseLeave();
        return false;
    case WM_CONTEXTMENU:
        Leave();
        return false;
    case WM_DESTROY:
        OnDestroy();
        return false;
    default:
        return false;
    }
}

void CCoolHover::OnDestroy() { End(false); }

void CCoolHover::End(bool tellOwner)
{
    const HWND window = m_window;
    if (window == nullptr)
        return;
    m_window = nullptr;
    if (t_hot == this)
        t_hot = nullptr;
    m_timer.Stop();
    if (m_tracking) {
        m_tracking = false;
        if (::IsWindow(window))
            TrackLeave(window, false);
    }
    if (tellOwner)
        Changed(window);
    if (::IsWindow(window))
        ClearStatusText(window);
}

void CCoolHover::Changed(HWND window)
{
    if (m_onChange)
        m_onChange();
    else
        ::InvalidateRect(window, nullptr, FALSE);
}
