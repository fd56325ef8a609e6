#include "skin/draw/cool_fill.h"

#include "skin/draw/cool_dc.h"
#include "skin/scheme/cool_scheme.h"

COLORREF RoleColor(const CCoolScheme& scheme, int role)
{
    COLORREF color = 0;
    scheme.GetColor(role, &color);
    return color;
}

void FillFace(CCoolDC& dc, const CCoolScheme& scheme, const RECT& rect, const CoolFill& fill, const POINT* light,
              int mode)
{
    if (IsRectEmpty(&rect))
        return;
    if (scheme.m_flags & CCoolScheme::kFlat) {
        dc.FillSolidRect(rect, RoleColor(scheme, fill.flatRole));
        return;
    }
    // DrawShade clamps the point in place: it works on a copy.
    POINT point = light != nullptr ? *light
                                   : POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    dc.DrawShade(rect, RoleColor(scheme, fill.edgeRole), RoleColor(scheme, fill.centreRole), &point, mode);
}
