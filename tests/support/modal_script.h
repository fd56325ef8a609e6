#pragma once
// Drives the modal windows the code under test opens on this thread: each step
// waits for an enabled, visible window of this thread with its caption (the
// innermost modal one) and then acts on it. Steps run in order, one per timer tick,
// from inside whatever modal loop is running. Actions that open another modal
// window post their command, so that no modal loop runs inside a step.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class ModalScript {
public:
    using Action = std::function<void(HWND window)>;

    ModalScript();
    ~ModalScript();
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    ModalScript& Then(const std::string& caption, Action action);
    // Steps that have run, and whether all have.
    int Ran() const { return m_next; }
    bool Done() const { return m_next == static_cast<int>(m_steps.size()); }
    // A script that waits longer than this cancels the thread's modal windows, so
    // that a test fails instead of hanging.
    bool TimedOut() const { return m_timedOut; }

    // Helpers for the actions.
    static void Click(HWND window, int id);         // posted BN_CLICKED from the item
    static void Type(HWND edit, const std::string& text); // replaces the text key by key
    static HWND FindThreadWindow(const std::string& caption);

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void Step();

    struct Entry {
        std::string caption;
        Action action;
    };
    std::vector<Entry> m_steps;
    int m_next = 0;
    bool m_running = false;
    bool m_timedOut = false;
    DWORD m_lastProgress = 0;
    UINT_PTR m_timer = 0;
    ModalScript* m_previous;
};
