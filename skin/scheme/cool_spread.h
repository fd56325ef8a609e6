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
// light point and the render mode, and invalidates the child (erasing).
void SpreadScheme(HWND container, const CCoolScheme& scheme);

// While a container sends a child its whole scheme, the child stores each message but
// passes its own scheme on only once, when the last message is in: true while such a
// whole scheme is being sent on this thread.
bool IsWholeSchemeUnderway();

// Sent to a child after its whole scheme: a container passes its scheme on now.
UINT SchemeCompleteMessage();
