#include "skin/draw/cool_border.h"

#include "platform/dc.h"
#include "skin/draw/cool_bevel.h"
#include "skin/draw/cool_fill.h"
#include "skin/scheme/cool_scheme.h"

int BorderRings(HWND window)
{
    const LONG style = ::GetWindowLongA(window, GWL_STYLE);
    const LONG exStyle = ::GetWindowLongA(window, GWL_EXSTYLE);
    int rings = 0;
    if (style & WS_BORDER)
        rings += 1;
    if (exStyle & WS_EX_CLIENTEDGE)
        rings += 2;
    if (exStyle & WS_EX_STATICEDGE)
        rings += 1;
    return rings;
}

void DrawBorderBevel(HWND window, const CCoolScheme& scheme)
{
    const int rings = BorderRings(window);
    if (rings == 0)
        return;
    RECT rect = {};
    ::GetWindowRect(window, &rect);
    OffsetRect(&rect, -rect.left, -rect.top);
    CWindowDC dc(window);
    if (dc.GetSafeHdc() == nullptr)
        return;
    const COLORREF light = RoleColor(scheme, CCOL_LIGHT);
    const COLORREF shadow = RoleColor(scheme, CCOL_SHADOW);
    DrawBevels(dc, rect, {{light, shadow}});
    for (int ring = 1; ring < rings; ++ring)
        DrawBevels(dc, rect, {{shadow, light}});
}
