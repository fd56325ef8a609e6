#pragma once
// The paint messages of a skinned control in one place: the whole client area is
// drawn into a work bitmap and copied to the window in one step, so no half-drawn
// face is ever seen. WM_PRINTCLIENT draws the same face into the context it brings.

#include <windows.h>

#include <functional>
#include <vector>

struct CoolLayout;
class CCoolDC;

// Draws the face; rect is the client rectangle (from (0, 0)).
using CoolPainter = std::function<void(CCoolDC& dc, const RECT& rect)>;

// Captures the layout on the first paint, then paints through a work bitmap.
// Keep-out rectangles (client coordinates) are left untouched on the target: what
// lies there belongs to other windows (the controls inside a group box).
void PaintThroughBuffer(HWND window, CoolLayout& layout, HDC target, const CoolPainter& paint,
                        const std::vector<RECT>* keepOut = nullptr);

// WM_PAINT, WM_PRINTCLIENT (wParam the context) and WM_ERASEBKGND (nothing: the
// face covers everything). True when the message was one of them.
bool HandlePaintMessage(HWND window, CoolLayout& layout, UINT message, WPARAM wParam, const CoolPainter& paint,
                        LRESULT* result, const std::vector<RECT>* keepOut = nullptr);

// The rectangles (client coordinates) of the visible sibling windows that overlap
// the window; a larger sibling that holds the whole window is not among them.
std::vector<RECT> OverlappingSiblings(HWND window);

// The control's font (WM_GETFONT), else the system's GUI font.
HFONT ControlFont(HWND window);
