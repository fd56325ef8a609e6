#pragma once
// Stands in for the shell's notification-area function while it lives and records
// every call, keeping the icons as the shell does; the system's function comes
// back afterwards.

#include <windows.h>
#include <shellapi.h>

#include <vector>

struct NotifyCall {
    DWORD action;
    NOTIFYICONDATAA record;
};

class NotifyRecorder {
public:
    NotifyRecorder();
    ~NotifyRecorder();
    NotifyRecorder(const NotifyRecorder&) = delete;
    NotifyRecorder& operator=(const NotifyRecorder&) = delete;

    const std::vector<NotifyCall>& Calls() const;
    int Count(DWORD action) const;
    // Icons the recorded calls leave in the notification area.
    int IconsShown() const;
    // The answer the next calls get (FALSE: every call is refused).
    void Answer(BOOL answer);
    // The shell restarts: every icon is gone.
    void RestartShell();
};
