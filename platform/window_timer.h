#pragma once
// A window timer that is killed when its owner goes. The number of live timers of the
// process is kept, so a panel that lives for days in the tray can be checked for
// timers left running.

#include <windows.h>

class CWindowTimer {
public:
    CWindowTimer() = default;
    ~CWindowTimer() { Stop(); }
    CWindowTimer(const CWindowTimer&) = delete;
    CWindowTimer& operator=(const CWindowTimer&) = delete;

    // Starts (or restarts with the new period) timer id of the window.
    bool Start(HWND window, UINT_PTR id, UINT milliseconds);
    void Stop();
    bool IsRunning() const { return m_window != nullptr; }
    UINT_PTR GetId() const { return m_id; }

    // Timers started through this class and not yet stopped, in the whole process.
    static int LiveCount();

private:
    HWND m_window = nullptr;
    UINT_PTR m_id = 0;
};
