#include "skin/controls/cool_parent_background.h"

#include "platform/dc.h"
#include "platform/wnd.h"
#include "skin/scheme/cool_messages.h"
#include "skin/scheme/cool_scheme.h"

bool GetParentBackground(HWND window, HBITMAP* bitmap, RECT* screenRect)
{
    const HWND parent = ::GetParent(window);
    if (parent == nullptr || bitmap == nullptr || screenRect == nullptr)
        return false;
    *bitmap = nullptr;
    if (auto* scheme = dynamic_cast<CCoolScheme*>(CWnd::FromHandle(parent))) {
        if (!scheme->GetBkBitmap(bitmap) || !scheme->GetBkRect(screenRect))
            return false;
    } else if (!::SendMessageA(parent, WM_COOL_GETBKBITMAP, 0, reinterpret_cast<LPARAM>(bitmap)) ||
               !::SendMessageA(parent, WM_COOL_GETBKRECT, 0, reinterpret_cast<LPARAM>(screenRect))) {
        return false;
    }
    return *bitmap != nullptr && !::IsRectEmpty(screenRect);
}

bool CopyParentBackground(HWND window, HDC target, int x, int y, int width, int height)
{
    HBITMAP background = nullptr;
    RECT area = {};
    if (width <= 0 || height <= 0 || !GetParentBackground(window, &background, &area))
        return false;
    BITMAP record = {};
    if (::GetObjectA(background, sizeof(record), &record) == 0 || record.bmWidth <= 0 || record.bmHeight <= 0)
        return false;
    POINT origin = {0, 0};
    ::ClientToScreen(window, &origin);
    const int areaWidth = area.right - area.left;
    const int areaHeight = area.bottom - area.top;
    CDC source;
    if (!source.CreateCompatibleDC(target))
        return false;
    CScopedSelect selected(source.GetSafeHdc(), background);
    const int left = origin.x - area.left;
    const int top = origin.y - area.top;
    const CBorrowedDC into(target);
    if (record.bmWidth == areaWidth && record.bmHeight == areaHeight)
        return source.GetSafeHdc() && into.BitBlt(x, y, width, height, source.GetSafeHdc(), left, top, SRCCOPY);
    // A background of another size is shown stretched over the container.
    const int stretch = into.SetStretchBltMode(COLORONCOLOR);
    const bool copied = into.StretchBlt(x, y, width, height, source.GetSafeHdc(),
                                        MulDiv(left, record.bmWidth, areaWidth), MulDiv(top, record.bmHeight, areaHeight),
                                        MulDiv(width, record.bmWidth, areaWidth),
                                        MulDiv(height, record.bmHeight, areaHeight), SRCCOPY);
    into.SetStretchBltMode(stretch);
    return copied;
}
