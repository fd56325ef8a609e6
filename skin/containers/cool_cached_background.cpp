#include "skin/containers/cool_cached_background.h"

#include "skin/containers/cool_container_scheme.h"

CCoolBitmap& CCoolCachedBackground::Get(HWND window)
{
    if (window != nullptr && !HoldsBitmap(m_bitmap))
        BuildBackground(window, m_bitmap, m_paint);
    return m_bitmap;
}

HBITMAP CCoolCachedBackground::Handle(HWND window)
{
    CCoolBitmap& bitmap = Get(window);
    bitmap.Realize();
    return bitmap.GetHandle();
}

void CCoolCachedBackground::OnWindowMessage(HWND window, UINT message, WPARAM wParam)
{
    switch (message) {
    case WM_SIZE:
        Drop();
        LayOutAfterResize(window, wParam);
        break;
    case WM_DISPLAYCHANGE:
        if (HoldsBitmap(m_bitmap) && m_bitmap.GetBitsPixel() != static_cast<int>(wParam)) {
            Drop();
            InvalidateRect(window, nullptr, TRUE);
        }
        break;
    default:
        break;
    }
}

int ClientRectOnScreen(HWND window, RECT* rect)
{
    if (rect == nullptr)
        return 0;
    GetClientRect(window, rect);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(rect), 2);
    return 1;
}
