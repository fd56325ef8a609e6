#include "skin/containers/cool_container_scheme.h"

#include "skin/containers/cool_anchor_layout.h"
#include "skin/controls/cool_control_messages.h"
#include "skin/scheme/cool_messages.h"
#include "skin/scheme/cool_scheme.h"
#include "skin/scheme/cool_scheme_relay.h"

namespace {

// The roles a container takes from its parent, in the order it asks.
constexpr int kAskedRoles[] = {CCOL_BACKGROUND, CCOL_TEXT, CCOL_STATIC, CCOL_PEAKLOW, CCOL_PEAKHIGH};

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
    for (int role = 0; role < CCOL_COUNT; ++role)
        to.SetColor(role, from.m_colors[role]);
}

bool HandleContainerSchemeMessage(HWND window, CCoolScheme& scheme, CCoolSchemeRelay& relay,
                                  const std::function<void()>& passOn, UINT message, WPARAM wParam,
                                  LPARAM lParam, LRESULT* result)
{
    if (relay.HandleFrame(message, passOn, result))
        return true;
    switch (message) {
    case WM_COOL_SETCOLOR:
    case WM_COOL_SETFLAGS:
    case WM_COOL_SETLIGHT:
        // Stored as by every skinned window; a message that changed nothing is not passed on.
        if (!HandleSchemeMessage(scheme, message, wParam, lParam, result) || *result == 0)
            return true;
        break;
    case WM_COOL_SYSCOLORS:
        scheme.UseWindowsColors();
        *result = 1;
        break;
    case WM_COOL_GETLAYOUT:
        // Containers are laid out by nobody: they have no layout record to give.
        return false;
    default:
        return HandleSchemeMessage(scheme, message, wParam, lParam, result);
    }
    relay.Changed(passOn);
    InvalidateRect(window, nullptr, TRUE);
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
