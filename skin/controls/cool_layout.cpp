#include "skin/controls/cool_layout.h"

#include "skin/scheme/cool_scheme.h"

void CaptureLayout(HWND control, CoolLayout& layout)
{
    if ((layout.flags & kLayoutNotCaptured) == 0)
        return;
    const HWND parent = ::GetParent(control);
    if (parent == nullptr)
        return;
    RECT rect = {};
    RECT client = {};
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    ::GetClientRect(parent, &client);
    layout.flags &= ~kLayoutNotCaptured;
    layout.leftMargin = rect.left;
    layout.topMargin = rect.top;
    layout.rightMargin = client.right - rect.right;
    layout.bottomMargin = client.bottom - rect.bottom;
    layout.width = rect.right - rect.left;
    layout.height = rect.bottom - rect.top;
}
