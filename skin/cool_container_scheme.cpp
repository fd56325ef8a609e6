#include "skin/cool_container_scheme.h"

#include "skin/cool_anchor_layout.h"
#include "skin/cool_bitmap.h"
#include "skin/cool_container_background.h"
#include "skin/cool_messages.h"
#include "skin/cool_scheme.h"

namespace {

// The roles a container takes from its parent, in the order it asks.
constexpr int kAskedRoles[] = {CCOL_BACKGROUND, CCOL_TEXT, CCOL_STATIC, CCOL_PEAKLOW, CCOL_PEAKHIGH};
// Base roles before the roles derived from them.
constexpr int kCopyOrder[] = {CCOL_BACKGROUND, CCOL_STATIC, CCOL_TEXT, CCOL_LIGHT, CCOL_SHADOW, CCOL_STATICDARK,
                              CCOL_STATICLIGHT, CCOL_STATICBRIGHT, CCOL_TEXTHOT, CCOL_TEXTDISABLED, CCOL_PEAKLOW,
                              CCOL_PEAKHIGH};
static_assert(sizeof(kCopyOrder) / sizeof(kCopyOrder[0]) == CCOL_COUNT, "every role is copied");

} // namespace

void AskParentScheme(HWND parent, CCoolScheme& scheme)
{
    if (parent == nullptr)
        return;
    for (int role : kAskedRoles) {
        COLORREF color = 0;
        if (SendMessageA(parent, WM_COOL_GETCOLOR, static_cast<WPARAM>(role), reinterpret_cast<LPARAM>(&color)))
            scheme.SetColor(role, color);
    }
    int renderMode = 0;
    if (SendMessageA(parent, WM_COOL_GETFLAGS, 0, reinterpret_cast<LPARAM>(&renderMode)))
        scheme.SetFlags(renderMode);
}

void CopySchemeColors(const CCoolScheme& from, CCoolScheme& to)
{
    for (int role : kCopyOrder)
        to.SetColor(role, from.m_colors[role]);
}

bool HandleContainerSchemeMessage(HWND window, CCoolScheme& scheme, const std::function<void()>& passOn,
                                  UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case WM_COOL_SETCOLOR:
        scheme.SetColor(static_cast<int>(wParam), static_cast<COLORREF>(lParam));
        break;
    case WM_COOL_SETFLAGS:
        scheme.SetFlags(static_cast<int>(lParam));
        break;
    case WM_COOL_SETLIGHT:
        if (lParam == 0) {
            *result = 0;
            return true;
        }
        scheme.SetLight(*reinterpret_cast<const POINT*>(lParam));
        break;
    case WM_COOL_SYSCOLORS:
        scheme.UseWindowsColors();
        break;
    case WM_COOL_GETCOLOR:
        scheme.GetColor(static_cast<int>(wParam), reinterpret_cast<COLORREF*>(lParam));
        *result = 1;
        return true;
    case WM_COOL_GETFLAGS:
        scheme.GetFlags(reinterpret_cast<int*>(lParam));
        *result = 1;
        return true;
    case WM_COOL_GETBKBITMAP:
        *result = scheme.GetBkBitmap(reinterpret_cast<HBITMAP*>(lParam));
        return true;
    case WM_COOL_GETBKRECT:
        *result = scheme.GetBkRect(reinterpret_cast<RECT*>(lParam));
        return true;
    default:
        return false;
    }
    passOn();
    InvalidateRect(window, nullptr, TRUE);
    *result = 1;
    return true;
}

bool DropForDisplayDepth(CCoolBitmap& cache, WPARAM bitsPerPixel)
{
    if (!HoldsBitmap(cache) || cache.GetBitsPixel() == static_cast<int>(bitsPerPixel))
        return false;
    DropBitmap(cache);
    return true;
}

void LayOutAfterResize(HWND window, WPARAM sizeType)
{
    if (sizeType == SIZE_MINIMIZED)
        return;
    InvalidateRect(window, nullptr, FALSE);
    const bool locked = LockWindowUpdate(window) != FALSE;
    LayOutChildren(window);
    if (locked)
        LockWindowUpdate(nullptr);
}
