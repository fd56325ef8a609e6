#pragma once
// The backgrounds of the skinned containers: generated in the scheme's colours, or
// a picture shown alone or blended over the generated one. Each container draws
// its background once into a cached bitmap of its client size.

#include <windows.h>

#include <functional>

class CCoolBitmap;
class CCoolDC;
class CCoolScheme;

// Flat CCOL_BACKGROUND, or (reflections on) shaded from CCOL_SHADOW at the edges to
// CCOL_LIGHT at the scheme's light point. The scheme's light point is not changed.
void DrawGeneratedBackground(CCoolDC& dc, const RECT& rect, const CCoolScheme& scheme);

// The sheet's background: the generated one when there is no picture or the picture
// is blended; then the picture stretched over the rectangle, at alpha 255 - blend
// level when RM_BLENDPICTURE is set and the level is not 255, else opaque.
void DrawSheetBackground(CCoolDC& dc, const RECT& rect, const CCoolScheme& scheme, CCoolBitmap* picture);

// True when the bitmap holds a picture (also while it lives as a memory copy).
bool HoldsBitmap(CCoolBitmap& bitmap);
// Lets go of what the bitmap holds, so that the next paint draws it again.
void DropBitmap(CCoolBitmap& bitmap);

// Draws a bitmap of the window's client size into cache (compatible with the
// window's screen context). False when the client area is empty or no bitmap
// could be made; the cache is then left empty.
using BackgroundPainter = std::function<void(CCoolDC& dc, const RECT& rect)>;
bool BuildBackground(HWND window, CCoolBitmap& cache, const BackgroundPainter& paint);
