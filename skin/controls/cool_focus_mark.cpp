#include "skin/controls/cool_focus_mark.h"

bool ShowsFocusMark(HWND window)
{
    if (window == nullptr || ::GetFocus() != window)
        return false;
    return (::SendMessageA(window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0;
}

void DrawFocusMark(HDC dc, const RECT& rect, COLORREF color)
{
    if (dc == nullptr || rect.right - rect.left < 2 || rect.bottom - rect.top < 2)
        return;
    // Every other pixel, counted round the frame so that the corners keep the rhythm.
    int step = 0;
    for (int x = rect.left; x < rect.right; ++x, ++step)
        if (step % 2 == 0)
            ::SetPixelV(dc, x, rect.top, color);
    for (int y = rect.top + 1; y < rect.bottom; ++y, ++step)
        if (step % 2 == 0)
            ::SetPixelV(dc, rect.right - 1, y, color);
    for (int x = rect.right - 2; x >= rect.left; --x, ++step)
        if (step % 2 == 0)
            ::SetPixelV(dc, x, rect.bottom - 1, color);
    for (int y = rect.bottom - 2; y > rect.top; --y, ++step)
        if (step % 2 == 0)
            ::SetPixelV(dc, rect.left, y, color);
}
