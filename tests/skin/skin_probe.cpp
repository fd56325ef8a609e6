#include "skin_probe.h"

#include "skin/draw/cool_fill.h"

SIZE ClientSize(HWND window)
{
    RECT client = {};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

std::unique_ptr<DibCanvas> PrintFace(HWND window)
{
    const SIZE size = ClientSize(window);
    auto canvas = std::make_unique<DibCanvas>(size.cx, size.cy, RGB(1, 2, 3));
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas->dc()), PRF_CLIENT);
    return canvas;
}

std::unique_ptr<DibCanvas> CaptureShown(HWND window, bool withFrame)
{
    RECT rect = {};
    if (withFrame) {
        GetWindowRect(window, &rect);
        OffsetRect(&rect, -rect.left, -rect.top);
    } else {
        GetClientRect(window, &rect);
    }
    auto canvas = std::make_unique<DibCanvas>(rect.right, rect.bottom, RGB(1, 2, 3));
    HDC dc = withFrame ? GetWindowDC(window) : GetDC(window);
    BitBlt(canvas->dc(), 0, 0, rect.right, rect.bottom, dc, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
    return canvas;
}

std::set<COLORREF> ColorsIn(const DibCanvas& canvas, const RECT& area)
{
    std::set<COLORREF> colors;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            colors.insert(canvas.Pixel(x, y));
    return colors;
}

bool Contains(const DibCanvas& canvas, const RECT& area, COLORREF color)
{
    return ColorsIn(canvas, area).count(color) != 0;
}

RECT BoundsOf(const DibCanvas& canvas, const RECT& area, COLORREF color)
{
    RECT bounds = {area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (canvas.Pixel(x, y) == color) {
                bounds.left = x < bounds.left ? x : bounds.left;
                bounds.top = y < bounds.top ? y : bounds.top;
                bounds.right = x + 1 > bounds.right ? x + 1 : bounds.right;
                bounds.bottom = y + 1 > bounds.bottom ? y + 1 : bounds.bottom;
            }
    return IsRectEmpty(&bounds) ? RECT{} : bounds;
}

COOLCOLORSET FlatProbeSet(int extraRenderMode)
{
    // Background, text, statics, peak high, peak low; shades derived, no reflections.
    return {RGB(100, 60, 20), RGB(120, 200, 40), RGB(0, 90, 150), RGB(250, 10, 10), RGB(10, 250, 10),
            RM_AUTOSHADES | extraRenderMode};
}

COLORREF RoleOf(const CCoolScheme& scheme, int role) { return RoleColor(scheme, role); }
