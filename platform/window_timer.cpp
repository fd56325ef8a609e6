#include "platform/window_timer.h"

#include <cassert>

namespace {
// One user-interface thread: no lock.
int g_liveTimers = 0;
}

bool CWindowTimer::Start(HWND window, UINT_PTR id, UINT milliseconds)
{
    // Without a window SetTimer would make a thread timer that this owner cannot name.
    assert(window != nullptr && "a window timer without a window");
    if (m_window != nullptr && (m_window != window || m_id != id))
        Stop();
    if (::SetTimer(window, id, milliseconds, nullptr) == 0)
        return false;
    if (m_window == nullptr)
        ++g_liveTimers;
    m_window = window;
    m_id = id;
    return true;
}

void CWindowTimer::Stop()
{
    if (m_window == nullptr)
        return;
    // The window may be gone already; its timers went with it.
    if (::IsWindow(m_window))
        ::KillTimer(m_window, m_id);
    m_window = nullptr;
    --g_liveTimers;
}

int CWindowTimer::LiveCount() { return g_liveTimers; }
