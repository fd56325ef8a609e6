#pragma once
// Hidden default painting: a platform control paints itself at once after some
// messages (text, check, state, focus, enabling, selection), outside WM_PAINT.
// While one of these scopes lives, the window has no WS_VISIBLE style, so that
// painting reaches no pixel; when it ends the style comes back and the window is
// invalidated, so the next paint shows only the skinned face.

#include <windows.h>

#include <utility>

class CCoolHiddenPaint {
public:
    explicit CCoolHiddenPaint(HWND window);
    ~CCoolHiddenPaint();
    CCoolHiddenPaint(const CCoolHiddenPaint&) = delete;
    CCoolHiddenPaint& operator=(const CCoolHiddenPaint&) = delete;

    // Whether this scope took the style away (false when the window was hidden
    // already, also by an enclosing scope).
    bool HidTheWindow() const { return m_hid; }

private:
    HWND m_window;
    bool m_hid = false;
};

// Runs the platform's handling with the window hidden and returns its result.
template <typename Handling>
auto CallHidden(HWND window, Handling&& handling) -> decltype(handling())
{
    CCoolHiddenPaint hidden(window);
    return std::forward<Handling>(handling)();
}
