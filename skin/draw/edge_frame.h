#pragma once
// The one-pixel bevels a skinned control draws as its frame, chosen by its extended
// style, outermost first: client edge (dark over light, then light over dark),
// static edge (light over dark), modal frame (light over dark, then background),
// window edge (dark over light).

#include <windows.h>

class CDC;
class CCoolScheme;

struct EdgeBevel {
    int topLeft;     // colour role of the top and left edges
    int bottomRight; // colour role of the bottom and right edges
};

constexpr int kMaxEdgeBevels = 6;

// The bevels for an extended style; returns how many.
int EdgeBevels(DWORD exStyle, EdgeBevel bevels[kMaxEdgeBevels]);

// Draws them into a window rectangle, each inset one pixel from the last; returns
// how many were drawn.
int DrawEdgeFrame(CDC& dc, RECT rect, DWORD exStyle, const CCoolScheme& scheme);
