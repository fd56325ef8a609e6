#pragma once
// Reading skinned controls' pixels: their face printed into a 32-bit DIB, or what
// the window shows now, and questions about the colours found.

#include <windows.h>

#include <memory>
#include <set>

#include "skin/scheme/cool_color_set.h"
#include "support/dib_canvas.h"

class CCoolScheme;

// The control's face as WM_PRINTCLIENT draws it, client-sized.
std::unique_ptr<DibCanvas> PrintFace(HWND window);
// What the window shows on its surface now (client area; whole window with frame).
std::unique_ptr<DibCanvas> CaptureShown(HWND window, bool withFrame = false);

SIZE ClientSize(HWND window);
std::set<COLORREF> ColorsIn(const DibCanvas& canvas, const RECT& area);
bool Contains(const DibCanvas& canvas, const RECT& area, COLORREF color);
// Bounding box of the pixels of exactly that colour (empty when none).
RECT BoundsOf(const DibCanvas& canvas, const RECT& area, COLORREF color);

// A flat colour set (no shading) whose roles all differ, for pixel probes.
COOLCOLORSET FlatProbeSet(int extraRenderMode = 0);
COLORREF RoleOf(const CCoolScheme& scheme, int role);
