#include "slider_test_support.h"

#include <commctrl.h>

#include "skin/controls/press_clock.h"

ScrollHost::ScrollHost(int width, int height) : StatusHost(width, height)
{
    static const bool registered = [] {
        INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_BAR_CLASSES | ICC_PROGRESS_CLASS};
        return InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)registered;
}

LRESULT ScrollHost::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_HSCROLL || message == WM_VSCROLL)
        scrolls.push_back({message, wParam, reinterpret_cast<HWND>(lParam)});
    return StatusHost::WindowProc(message, wParam, lParam);
}

uint64_t FakePressClock::now = 1000000;

namespace {
uint64_t FakeNow() { return FakePressClock::now; }
UINT WINAPI FakeDoubleClickTime() { return 500; }
} // namespace

FakePressClock::FakePressClock() { SetPressClockFunctions({FakeNow, FakeDoubleClickTime}); }
FakePressClock::~FakePressClock() { RestoreWindowsPressClockFunctions(); }

SIZE ClientPixels::ClientSize(HWND window)
{
    RECT client = {};
    GetClientRect(window, &client);
    return SIZE{client.right, client.bottom};
}

ClientPixels::ClientPixels(HWND window) : m_canvas(ClientSize(window).cx, ClientSize(window).cy)
{
    UpdateWindow(window);
    const SIZE size = ClientSize(window);
    HDC dc = GetDC(window);
    BitBlt(m_canvas.dc(), 0, 0, size.cx, size.cy, dc, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
}

COLORREF WindowPixel(HWND window, int x, int y)
{
    HDC dc = GetWindowDC(window);
    const COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return color;
}

void Press(HWND window, int x, int y, WPARAM keys)
{
    SendMessageA(window, WM_LBUTTONDOWN, keys, MAKELPARAM(x, y));
}

void Release(HWND window, int x, int y)
{
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}
