#pragma once
// Captions of the skinned controls, plain or embossed.

#include <windows.h>

#include <string>

class CCoolDC;

struct CoolCaptionColors {
    COLORREF text;
    bool emboss;
    COLORREF upperLeft;  // drawn first, offset (-1, -1)
    COLORREF lowerRight; // then offset (+1, +1), before the text in place
};

// Draws the text (DrawText format) transparently in the rectangle.
void DrawCoolCaption(CCoolDC& dc, const std::string& text, RECT rect, UINT format, const CoolCaptionColors& colors);
