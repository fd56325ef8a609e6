#include "platform/caption_on_screen.h"

#include <algorithm>

RECT CaptionRect(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    POINT clientTop = {0, 0};
    ClientToScreen(window, &clientTop);
    // A window without caption still counts its top row.
    rect.bottom = std::max(std::min(clientTop.y, rect.bottom), rect.top + 1);
    return rect;
}

POINT CaptionPlacedIn(const RECT& caption, const RECT& workArea)
{
    const int width = caption.right - caption.left;
    const int height = caption.bottom - caption.top;
    POINT corner = {caption.left, caption.top};
    if (width > workArea.right - workArea.left)
        corner.x = workArea.left;
    else
        corner.x = std::clamp(corner.x, workArea.left, workArea.right - width);
    corner.y = std::clamp(corner.y, workArea.top, std::max(workArea.top, workArea.bottom - height));
    return corner;
}

bool KeepCaptionOnScreen(HWND window)
{
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    if (!GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor))
        return false;
    const RECT caption = CaptionRect(window);
    const POINT corner = CaptionPlacedIn(caption, monitor.rcWork);
    if (corner.x == caption.left && corner.y == caption.top)
        return false;
    return SetWindowPos(window, nullptr, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE) != FALSE;
}
