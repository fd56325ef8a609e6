#pragma once
// The meshes of the shaded backgrounds, gradients and knobs: vertex positions and
// colours, ready for one gradient fill call.

#include <windows.h>

#include <vector>

struct ShadeMesh {
    std::vector<TRIVERTEX> vertices;
    std::vector<GRADIENT_TRIANGLE> triangles;
    std::vector<GRADIENT_RECT> rects;
    ULONG mode = GRADIENT_FILL_TRIANGLE;
};

TRIVERTEX MakeVertex(LONG x, LONG y, COLORREF color);

// Shaded background: mode bit 0 set gives the four-triangle form of bars.
// A given light point is clamped into the rectangle in place.
ShadeMesh BuildShadeMesh(const RECT& rect, COLORREF edge, COLORREF centre, POINT* light, int mode);

// The two-band fallback of shaded backgrounds (vertical: edge, centre, edge).
ShadeMesh BuildTwoBandShade(const RECT& rect, COLORREF edge, COLORREF centre);

ShadeMesh BuildMirrorGradient(const RECT& rect, COLORREF edge, COLORREF middle, bool horizontal);
ShadeMesh BuildShadedTriangle(const POINT corners[3], COLORREF edge, COLORREF centre, const POINT* inner);

// Knob: rim vertices on the ellipse and a centre; no vertices at all when the knob
// is too small for a rim (it is then drawn as a plain ellipse).
ShadeMesh BuildShadedEllipse(const RECT& rect, COLORREF edge, COLORREF centre, POINT* light);
int KnobRimVertexCount(const RECT& rect);
