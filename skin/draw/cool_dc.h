#pragma once
// The drawing context of the skinned windows: gradients, blending, transparent
// copies and the shaded backgrounds, with "msimg32.dll" when the system has it.

#include <windows.h>

#include "platform/dc.h"

struct ShadeMesh;

class CCoolDC : public CDC {
public:
    CCoolDC();
    ~CCoolDC() override;

    BOOL GradientFill(TRIVERTEX* vertices, ULONG vertexCount, void* mesh, ULONG meshCount, ULONG mode);
    BOOL AlphaBlend(int x, int y, int width, int height, HDC source, int sourceX, int sourceY, int sourceWidth,
                    int sourceHeight, BYTE constantAlpha, BYTE alphaFormat);
    BOOL TransparentBlt(int x, int y, int width, int height, HDC source, int sourceX, int sourceY, UINT transparent);

    int DrawShade(const RECT& rect, COLORREF edge, COLORREF centre, POINT* light, int mode);
    int DrawMirrorGradient(const RECT& rect, COLORREF edge, COLORREF middle, bool horizontal);
    int DrawShadedTriangle(const POINT corners[3], COLORREF edge, COLORREF centre, const POINT* inner = nullptr);
    int DrawShadedEllipse(const RECT& rect, COLORREF edge, COLORREF centre, POINT* light);

    // Paint cycle of a window: the context becomes the system's paint context,
    // which is given back with EndPaint, never deleted. The destructor ends a
    // paint still open, so a handler may return at any point.
    bool BeginWindowPaint(HWND window);
    void EndWindowPaint();

protected:
    HWND m_paintWindow = nullptr;
    PAINTSTRUCT m_paint = {};

private:
    BOOL Fill(ShadeMesh& mesh);
};

// The paint-time form: begins painting the window on construction and ends it on
// destruction.
class CCoolPaintDC : public CCoolDC {
public:
    explicit CCoolPaintDC(HWND window);
};
