#pragma once
// Passing a container's scheme on to its child windows: every colour, a light point
// of each child's own, the render mode; then the child is repainted.

#include <windows.h>

class CCoolScheme;

// The light point a child gets, in its own client coordinates, from the container's
// light point; child is the child's rectangle in the container's client coordinates
// and client the container's client size. A container without client area passes
// its own light point on unchanged.
POINT ChildLightPoint(POINT containerLight, const RECT& child, SIZE client);

// Sends every child of the container, in Z order, the scheme's twelve colours, its
// light point and the render mode, framed by WM_COOL_BEGINSCHEME and
// WM_COOL_ENDSCHEME, and invalidates the child (erasing).
void SpreadScheme(HWND container, const CCoolScheme& scheme);
