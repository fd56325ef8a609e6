#pragma once
// What the slider tests share: a host that logs the scroll messages of its
// children, a fake press clock, and reading a control's pixels as they are on screen.

#include <windows.h>

#include <cstdint>
#include <vector>

#include "skin_test_windows.h"
#include "support/dib_canvas.h"

struct ScrollMessage {
    UINT message; // WM_HSCROLL or WM_VSCROLL
    WPARAM wParam;
    HWND from;
};

class ScrollHost : public StatusHost {
public:
    explicit ScrollHost(int width = 400, int height = 300);
    std::vector<ScrollMessage> scrolls;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// Presses timed by a clock the test moves; the double-click time is 500 ms.
class FakePressClock {
public:
    FakePressClock();
    ~FakePressClock();
    FakePressClock(const FakePressClock&) = delete;
    FakePressClock& operator=(const FakePressClock&) = delete;

    static uint64_t now;
};

// The window's client area as it is on screen, after any pending paint.
class ClientPixels {
public:
    explicit ClientPixels(HWND window);
    COLORREF At(int x, int y) const { return m_canvas.Pixel(x, y); }

private:
    static SIZE ClientSize(HWND window);
    DibCanvas m_canvas;
};

// The pixel of the window's own frame (non-client area) at a window point.
COLORREF WindowPixel(HWND window, int x, int y);

// Sends a press or release of the left button at a client point.
void Press(HWND window, int x, int y, WPARAM keys = MK_LBUTTON);
void Release(HWND window, int x, int y);
