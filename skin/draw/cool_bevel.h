#pragma once
// Bevels of the skinned faces: nested one-pixel frames, lit from the top left.

#include <windows.h>

#include <initializer_list>

class CDC;

struct CoolBevel {
    COLORREF topLeft;
    COLORREF bottomRight;
};

// Draws the frames from the outside in, each one pixel inside the last; rect
// becomes the area inside them.
void DrawBevels(const CDC& dc, RECT& rect, std::initializer_list<CoolBevel> frames);
