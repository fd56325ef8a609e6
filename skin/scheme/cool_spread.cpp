#include "skin/scheme/cool_spread.h"

#include <cstdint>

#include "skin/scheme/cool_messages.h"
#include "skin/scheme/cool_scheme.h"

namespace {

// One axis: the child's centre offset from its own edge, moved away from the
// container's light point in proportion to the child's size. 64-bit products:
// sizes and distances of large windows overflow 32 bits when multiplied.
LONG LightAlong(LONG low, LONG high, LONG light, LONG containerSize)
{
    const int64_t size = static_cast<int64_t>(high) - low;
    const int64_t centre = (static_cast<int64_t>(low) + high) / 2;
    return static_cast<LONG>((centre - low) - size * (centre - light) / containerSize);
}

} // namespace

POINT ChildLightPoint(POINT containerLight, const RECT& child, SIZE client)
{
    if (client.cx <= 0 || client.cy <= 0)
        return containerLight;
    return {LightAlong(child.left, child.right, containerLight.x, client.cx),
            LightAlong(child.top, child.bottom, containerLight.y, client.cy)};
}

void SpreadScheme(HWND container, const CCoolScheme& scheme)
{
    RECT client = {};
    ::GetClientRect(container, &client);
    const SIZE size = {client.right - client.left, client.bottom - client.top};
    POINT light = {};
    scheme.GetLight(&light);
    const int renderMode = scheme.GetFlags();
    for (HWND child = ::GetWindow(container, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        // A child that is a container passes its scheme on once, after the last
        // message, not after each of the fourteen.
        ::SendMessageA(child, WM_COOL_BEGINSCHEME, 0, 0);
        for (int role = 0; role < CCOL_COUNT; ++role) {
            COLORREF color = 0;
            scheme.GetColor(role, &color);
            ::SendMessageA(child, WM_COOL_SETCOLOR, static_cast<WPARAM>(role), static_cast<LPARAM>(color));
        }
        RECT rect = {};
        ::GetWindowRect(child, &rect);
        ::MapWindowPoints(nullptr, container, reinterpret_cast<POINT*>(&rect), 2);
        POINT childLight = ChildLightPoint(light, rect, size);
        ::SendMessageA(child, WM_COOL_SETLIGHT, 0, reinterpret_cast<LPARAM>(&childLight));
        ::SendMessageA(child, WM_COOL_SETFLAGS, 0, static_cast<LPARAM>(renderMode));
        ::SendMessageA(child, WM_COOL_ENDSCHEME, 0, 0);
        ::InvalidateRect(child, nullptr, TRUE);
    }
}
