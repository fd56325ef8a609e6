#include "skin/draw/cool_dc.h"

#include "skin/draw/cool_blend_library.h"
#include "skin/draw/cool_shading.h"
#include "platform/gdi_object.h"

#include <cassert>

CCoolDC::CCoolDC() { CCoolBlendLibrary::Acquire(); }

CCoolDC::~CCoolDC()
{
    EndWindowPaint();
    CCoolBlendLibrary::Release();
}

BOOL CCoolDC::GradientFill(TRIVERTEX* vertices, ULONG vertexCount, void* mesh, ULONG meshCount, ULONG mode)
{
    return CCoolBlendLibrary::GradientFill()(m_hDC, vertices, vertexCount, mesh, meshCount, mode);
}

BOOL CCoolDC::AlphaBlend(int x, int y, int width, int height, HDC source, int sourceX, int sourceY, int sourceWidth,
                         int sourceHeight, BYTE constantAlpha, BYTE alphaFormat)
{
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, constantAlpha, alphaFormat};
    return CCoolBlendLibrary::AlphaBlend()(m_hDC, x, y, width, height, source, sourceX, sourceY, sourceWidth,
                                          sourceHeight, blend);
}

BOOL CCoolDC::TransparentBlt(int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                             UINT transparent)
{
    return CCoolBlendLibrary::TransparentBlt()(m_hDC, x, y, width, height, source, sourceX, sourceY, width, height,
                                              transparent);
}

BOOL CCoolDC::Fill(ShadeMesh& mesh)
{
    if (mesh.vertices.empty())
        return FALSE;
    if (mesh.mode == GRADIENT_FILL_TRIANGLE)
        return GradientFill(mesh.vertices.data(), static_cast<ULONG>(mesh.vertices.size()), mesh.triangles.data(),
                            static_cast<ULONG>(mesh.triangles.size()), mesh.mode);
    return GradientFill(mesh.vertices.data(), static_cast<ULONG>(mesh.vertices.size()), mesh.rects.data(),
                        static_cast<ULONG>(mesh.rects.size()), mesh.mode);
}

int CCoolDC::DrawShade(const RECT& rect, COLORREF edge, COLORREF centre, POINT* light, int mode)
{
    if (IsRectEmpty(&rect))
        return 0;
    ShadeMesh mesh = CCoolBlendLibrary::HasOwnGradientFill() ? BuildTwoBandShade(rect, edge, centre)
                                                            : BuildShadeMesh(rect, edge, centre, light, mode);
    return Fill(mesh);
}

int CCoolDC::DrawMirrorGradient(const RECT& rect, COLORREF edge, COLORREF middle, bool horizontal)
{
    if (IsRectEmpty(&rect))
        return 0;
    ShadeMesh mesh = BuildMirrorGradient(rect, edge, middle, horizontal);
    return Fill(mesh);
}

int CCoolDC::DrawShadedTriangle(const POINT corners[3], COLORREF edge, COLORREF centre, const POINT* inner)
{
    ShadeMesh mesh = BuildShadedTriangle(corners, edge, centre, inner);
    return Fill(mesh);
}

int CCoolDC::DrawShadedEllipse(const RECT& rect, COLORREF edge, COLORREF centre, POINT* light)
{
    ShadeMesh mesh = BuildShadedEllipse(rect, edge, centre, light);
    if (!mesh.vertices.empty())
        return Fill(mesh);
    // Too small for a rim: a plain ellipse in the edge colour.
    CBrush brush;
    brush.CreateSolidBrush(edge);
    CScopedSelect withBrush(m_hDC, brush.GetHandle());
    CScopedSelect withPen(m_hDC, GetStockObject(NULL_PEN));
    return Ellipse(m_hDC, rect.left, rect.top, rect.right, rect.bottom);
}

bool CCoolDC::BeginWindowPaint(HWND window)
{
    assert(m_paintWindow == nullptr && "one paint cycle at a time");
    EndWindowPaint();
    const HDC dc = BeginPaint(window, &m_paint);
    if (dc == nullptr)
        return false;
    m_paintWindow = window;
    Borrow(dc);
    return true;
}

void CCoolDC::EndWindowPaint()
{
    if (m_paintWindow == nullptr)
        return;
    if (m_hDC == m_paint.hdc)
        Detach();
    EndPaint(m_paintWindow, &m_paint);
    m_paintWindow = nullptr;
    m_paint = PAINTSTRUCT{};
}

CCoolPaintDC::CCoolPaintDC(HWND window) { BeginWindowPaint(window); }
