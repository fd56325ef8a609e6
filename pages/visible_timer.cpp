#include "pages/visible_timer.h"

bool CVisibleTimer::CanBeSeen(HWND window)
{
    return window != nullptr && ::IsWindowVisible(window) && !::IsIconic(::GetAncestor(window, GA_ROOT));
}

void CVisibleTimer::Want(HWND page, bool wanted)
{
    m_page = page;
    m_wanted = wanted && page != nullptr;
    if (!m_wanted)
        m_timer.Stop();
    else if (!m_timer.IsRunning() && CanBeSeen(page))
        m_timer.Start(page, m_id, m_period);
}

bool CVisibleTimer::KeepTicking()
{
    if (m_wanted && CanBeSeen(m_page))
        return true;
    m_timer.Stop();
    return false;
}

bool CVisibleTimer::Resume()
{
    if (!m_wanted || m_timer.IsRunning() || !CanBeSeen(m_page))
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
