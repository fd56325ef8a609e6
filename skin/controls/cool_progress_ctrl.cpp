#include "skin/controls/cool_progress_ctrl.h"

#include "skin/controls/cool_control_messages.h"
#include "skin/draw/cool_dc.h"
#include "skin/draw/cool_hidden_paint.h"
#include "skin/controls/cool_layout.h"
#include "skin/draw/cool_memory_dc.h"
#include "skin/controls/progress_fill.h"

const CRuntimeClass CCoolProgressCtrl::classCCoolProgressCtrl("CCoolProgressCtrl", &CWnd::classCWnd);

void CCoolProgressCtrl::OnSchemeChanged()
{
    m_faces.AttachBitmap(nullptr);
    if (m_hWnd != nullptr)
        Invalidate(false);
}

LRESULT CCoolProgressCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (HandleSchemeMessage(*this, message, wParam, lParam, &result))
        return result;
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT: {
        CCoolPaintDC dc(m_hWnd);
        if (dc.GetSafeHdc() != nullptr)
            Paint(dc);
        return 0;
    }
    case WM_SIZE:
    case WM_DISPLAYCHANGE:
    case WM_STYLECHANGED:
        m_faces.AttachBitmap(nullptr);
        break;
    case PBM_SETPOS:
    case PBM_DELTAPOS:
    case PBM_STEPIT:
    case PBM_SETRANGE:
    case PBM_SETRANGE32:
        // The platform bar may draw itself at once; only the skinned face is seen.
        return CallHidden(m_hWnd, [&] { return CProgressCtrl::WindowProc(message, wParam, lParam); });
    default:
        break;
    }
    return CProgressCtrl::WindowProc(message, wParam, lParam);
}

void CCoolProgressCtrl::Paint(CCoolDC& dc)
{
    CaptureLayout(m_hWnd, m_layout);
    RECT client;
    GetClientRect(&client);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (width <= 0 || height <= 0)
        return;
    const bool vertical = (GetStyle() & PBS_VERTICAL) != 0;
    if (m_faces.GetWidth() == 0) {
        CCoolMemoryDC faces(dc.GetSafeHdc(), m_faces, vertical ? width : 2 * width, vertical ? 2 * height : height);
        if (!faces.IsValid())
            return;
        PaintFaces(faces, width, height, vertical);
    }
    int low = 0;
    int high = 0;
    GetRange(&low, &high);
    const int length = vertical ? height : width;
    const int filled = ProgressFilledLength(GetPos(), low, high, length);

    CCoolMemoryDC work(dc.GetSafeHdc(), width, height);
    if (!work.IsValid())
        return;
    const HDC target = work.GetSafeHdc();
    if (vertical) {
        // Unlit from the top, lit from the bottom up.
        if (filled < height)
            m_faces.Draw(target, 0, 0, width, height - filled, 0, 0, width, height - filled);
        if (filled > 0)
            m_faces.Draw(target, 0, height - filled, width, filled, 0, 2 * height - filled, width, filled);
    } else {
        if (filled > 0)
            m_faces.Draw(target, 0, 0, filled, height, width, 0, filled, height);
        if (filled < width)
            m_faces.Draw(target, filled, 0, width - filled, height, filled, 0, width - filled, height);
    }
    work.Draw3dRect(work.Rect(), m_colors[CCOL_LIGHT], m_colors[CCOL_SHADOW]);
    work.CopyTo(dc.GetSafeHdc());
}

void CCoolProgressCtrl::PaintFaces(CCoolDC& dc, int width, int height, bool vertical)
{
    // Each face shades across the bar: mirror gradients whose bands run along it.
    const RECT unlit = {0, 0, width, height};
    const RECT lit = vertical ? RECT{0, height, width, 2 * height} : RECT{width, 0, 2 * width, height};
    dc.DrawMirrorGradient(unlit, m_colors[CCOL_STATICDARK], m_colors[CCOL_STATIC], vertical);
    dc.DrawMirrorGradient(lit, m_colors[CCOL_STATICDARK], m_colors[CCOL_STATICLIGHT], vertical);
    RECT inner = lit;
    InflateRect(&inner, -2, -2);
    dc.DrawMirrorGradient(inner, m_colors[CCOL_STATIC], m_colors[CCOL_STATICBRIGHT], vertical);
}
