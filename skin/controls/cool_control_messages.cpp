#include "skin/controls/cool_control_messages.h"

#include <cstring>

#include "skin/scheme/cool_messages.h"
#include "skin/scheme/cool_scheme.h"

bool HandleSchemeMessage(CCoolScheme& scheme, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    LRESULT answer = 1;
    switch (message) {
    case WM_COOL_SETCOLOR:
        scheme.SetColor(static_cast<int>(wParam), static_cast<COLORREF>(lParam));
        break;
    case WM_COOL_GETCOLOR:
        answer = scheme.GetColor(static_cast<int>(wParam), reinterpret_cast<COLORREF*>(lParam));
        break;
    case WM_COOL_SETLIGHT:
        // A message without its point changes nothing.
        if (lParam == 0)
            answer = 0;
        else
            scheme.SetLight(*reinterpret_cast<const POINT*>(lParam));
        break;
    case WM_COOL_SETFLAGS:
        scheme.SetFlags(static_cast<int>(lParam));
        break;
    case WM_COOL_GETFLAGS:
        if (lParam == 0)
            answer = 0;
        else
            scheme.GetFlags(reinterpret_cast<int*>(lParam));
        break;
    case WM_COOL_GETBKBITMAP:
        answer = lParam == 0 ? 0 : scheme.GetBkBitmap(reinterpret_cast<HBITMAP*>(lParam));
        break;
    case WM_COOL_GETBKRECT:
        answer = lParam == 0 ? 0 : scheme.GetBkRect(reinterpret_cast<RECT*>(lParam));
        break;
    case WM_COOL_GETLAYOUT:
        if (lParam == 0)
            answer = 0;
        else
            std::memcpy(reinterpret_cast<void*>(lParam), &scheme.m_layout, sizeof(scheme.m_layout));
        break;
    default:
        return false;
    }
    if (result != nullptr)
        *result = answer;
    return true;
}
