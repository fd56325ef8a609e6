#pragma once
// The fills of skinned faces: one colour when the scheme draws flat, else a shade
// from an edge colour to a centre colour around a light point.

#include <windows.h>

class CCoolDC;
class CCoolScheme;

struct CoolFill {
    int flatRole;
    int edgeRole;
    int centreRole;
};

// Shaded around the given point (rect's coordinates), or the rectangle's centre
// when light is null. Mode as for CCoolDC::DrawShade.
void FillFace(CCoolDC& dc, const CCoolScheme& scheme, const RECT& rect, const CoolFill& fill, const POINT* light,
              int mode = 0);

// A scheme colour by role.
COLORREF RoleColor(const CCoolScheme& scheme, int role);
