#include "skin/controls/cool_paint.h"

#include "skin/controls/cool_layout.h"
#include "skin/draw/cool_memory_dc.h"

void PaintThroughBuffer(HWND window, CoolLayout& layout, HDC target, const CoolPainter& paint, const std::vector<RECT>* keepOut)
{
    CaptureLayout(window, layout);
    RECT client = {};
    ::GetClientRect(window, &client);
    if (::IsRectEmpty(&client) || target == nullptr)
        return;
    CCoolMemoryDC work(target, client.right, client.bottom);
    if (!work.IsValid())
        return;
    CScopedSelect font(work.GetSafeHdc(), ControlFont(window));
    paint(work, work.Rect());
    if (keepOut == nullptr || keepOut->empty()) {
        work.CopyTo(target);
        return;
    }
    const int saved = ::SaveDC(target);
    for (const RECT& rect : *keepOut)
        ::ExcludeClipRect(target, rect.left, rect.top, rect.right, rect.bottom);
    work.CopyTo(target);
    ::RestoreDC(target, saved);
}

bool HandlePaintMessage(HWND window, CoolLayout& layout, UINT message, WPARAM wParam, const CoolPainter& paint,
                        LRESULT* result, const std::vector<RECT>* keepOut)
{
    switch (message) {
    case WM_ERASEBKGND:
        *result = 1;
        return true;
    case WM_PAINT: {
        CCoolPaintDC dc(window);
        PaintThroughBuffer(window, layout, dc.GetSafeHdc(), paint, keepOut);
        *result = 0;
        return true;
    }
    case WM_PRINTCLIENT:
        PaintThroughBuffer(window, layout, reinterpret_cast<HDC>(wParam), paint, keepOut);
        *result = 0;
        return true;
    default:
        return false;
    }
}

HFONT ControlFont(HWND window)
{
    const auto font = reinterpret_cast<HFONT>(::SendMessageA(window, WM_GETFONT, 0, 0));
    return font != nullptr ? font : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

std::vector<RECT> OverlappingSiblings(HWND window)
{
    std::vector<RECT> overlaps;
    const HWND parent = ::GetParent(window);
    if (parent == nullptr)
        return overlaps;
    RECT own = {};
    ::GetWindowRect(window, &own);
    for (HWND sibling = ::GetWindow(parent, GW_CHILD); sibling != nullptr; sibling = ::GetWindow(sibling, GW_HWNDNEXT)) {
        RECT rect = {};
        RECT common = {};
        if (sibling == window || !::IsWindowVisible(sibling) || !::GetWindowRect(sibling, &rect) ||
            !::IntersectRect(&common, &own, &rect))
            continue;
        // A frame around the whole window (a group box holding a group box) lies
        // behind it, not inside it; left in, it would leave nothing to draw.
        if (::EqualRect(&common, &own) && !::EqualRect(&rect, &own))
            continue;
        ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&common), 2);
        overlaps.push_back(common);
    }
    return overlaps;
}
