#include "pages/visible_timer.h"

bool CVisibleTimer::CanBeSeen() const
{
    // The page's own flag: the sheet shows only its active page.
    return m_sheetShown && m_page != nullptr && (::GetWindowLongA(m_page, GWL_STYLE) & WS_VISIBLE) != 0;
}

void CVisibleTimer::Want(HWND page, bool wanted)
{
    m_page = page;
    m_wanted = wanted && page != nullptr;
    if (!m_wanted)
        m_timer.Stop();
    else if (!m_timer.IsRunning() && CanBeSeen())
        m_timer.Start(page, m_id, m_period);
}

bool CVisibleTimer::KeepTicking()
{
    if (m_wanted && CanBeSeen())
        return true;
    m_timer.Stop();
    return false;
}

bool CVisibleTimer::Resume()
{
    if (!m_wanted || m_timer.IsRunning() || !CanBeSeen())
        return false;
    return m_timer.Start(m_page, m_id, m_period);
}

bool CVisibleTimer::FollowPage(const WINDOWPOS& position)
{
    if (position.flags & SWP_HIDEWINDOW) {
        Rest();
        return false;
    }
    return (position.flags & SWP_SHOWWINDOW) != 0 && Resume();
}

bool CVisibleTimer::FollowSheet(bool shown)
{
    m_sheetShown = shown;
    if (shown)
        return Resume();
    Rest();
    return false;
}
