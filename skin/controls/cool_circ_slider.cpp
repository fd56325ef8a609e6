#include "skin/controls/cool_circ_slider.h"

#include <algorithm>

#include "platform/dc.h"
#include "platform/gdi_object.h"
#include "skin/controls/cool_control_messages.h"
#include "skin/draw/cool_dc.h"
#include "skin/controls/cool_layout.h"
#include "skin/draw/cool_memory_dc.h"
#include "skin/controls/cool_parent_background.h"
#include "skin/controls/knob_geometry.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kKnobInset = 3;

POINT PointOf(LPARAM lParam) { return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}; }

} // namespace

const CRuntimeClass CCoolCircSlider::classCCoolCircSlider("CCoolCircSlider", &CWnd::classCWnd);

CCoolCircSlider::CCoolCircSlider() : m_startAngle(1.25 * kPi), m_sweepAngle(1.5 * kPi) {}

void CCoolCircSlider::SetAngles(double startAngle, double sweepAngle)
{
    m_startAngle = startAngle;
    m_sweepAngle = sweepAngle;
    if (m_hWnd != nullptr)
        Invalidate(false);
}

void CCoolCircSlider::OnSchemeChanged()
{
    m_face.Drop();
    if (m_hWnd != nullptr)
        Invalidate(false);
}

LRESULT CCoolCircSlider::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (HandleSchemeMessage(*this, message, wParam, lParam, &result))
        return result;
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT: {
        // The trackbar invalidates only where its own thumb was; the pointer
        // reaches from the centre to the rim.
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
        CCoolPaintDC dc(m_hWnd);
        if (dc.GetSafeHdc() != nullptr)
            Paint(dc);
        return 0;
    }
    case WM_SIZE:
    case WM_DISPLAYCHANGE:
        m_face.Drop();
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnButtonDown(wParam, PointOf(lParam));
        return 0;
    case WM_MOUSEMOVE:
        // Only a drag with the left button alone turns the knob.
        if (m_dragging && (wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == MK_LBUTTON)
            OnDrag(PointOf(lParam));
        return 0;
    case WM_LBUTTONUP:
        OnButtonUp();
        return 0;
    case WM_CAPTURECHANGED:
        // The trackbar never saw the press; it has no drag of its own to end.
        m_dragging = false;
        return 0;
    case WM_SETCURSOR:
        if (m_dragging) {
            ShowDragCursor();
            return TRUE;
        }
        break;
    default:
        break;
    }
    return CSliderCtrl::WindowProc(message, wParam, lParam);
}

void CCoolCircSlider::ShowDragCursor() const
{
    ::SetCursor(::LoadCursor(nullptr, m_linear ? IDC_SIZENS : IDC_CROSS));
}

void CCoolCircSlider::OnButtonDown(WPARAM wParam, POINT point)
{
    if (::GetFocus() != m_hWnd)
        SetFocus();
    // A knob without travel has nothing to drag.
    if (GetRangeMax() <= GetRangeMin())
        return;
    m_dragStart = point;
    m_dragStartPosition = GetPos();
    m_linear = ((GetStyle() & TBS_VERT) != 0) != ((wParam & MK_SHIFT) != 0);
    m_dragging = true;
    ::SetCapture(m_hWnd);
    ShowDragCursor();
}

void CCoolCircSlider::OnDrag(POINT point)
{
    const int minimum = GetRangeMin();
    const int maximum = GetRangeMax();
    if (maximum <= minimum)
        return;
    int position = 0;
    RECT client;
    GetClientRect(&client);
    if (m_linear) {
        position = LinearPosition(m_dragStartPosition, m_dragStart.y, point.y, client.bottom - client.top, minimum,
                                  maximum, m_wrap);
    } else {
        const POINT centre = {(client.left + client.right) / 2, (client.top + client.bottom) / 2};
        if (!RotaryPosition(point, centre, m_startAngle, m_sweepAngle, minimum, maximum, &position))
            return;
    }
    SetPos(position);
    Notify(SB_THUMBTRACK, position);
}

void CCoolCircSlider::OnButtonUp()
{
    if (!m_dragging)
        return;
    m_dragging = false;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    Notify(SB_THUMBPOSITION, GetPos());
}

void CCoolCircSlider::Notify(int code, int position) const
{
    ::SendMessageA(GetParent(), WM_HSCROLL, MAKEWPARAM(code, position), reinterpret_cast<LPARAM>(m_hWnd));
}

void CCoolCircSlider::Paint(CCoolDC& dc)
{
    CaptureLayout(m_hWnd, m_layout);
    RECT client;
    GetClientRect(&client);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (width <= 0 || height <= 0)
        return;
    CCoolMemoryDC work(dc.GetSafeHdc(), width, height);
    if (!work.IsValid())
        return;
    m_face.Draw(0, work.GetSafeHdc(), 0, 0, width, height,
                [this](CCoolDC& face, const RECT& rect) { PaintFace(face, rect); });
    // The pointer: from the centre to near the rim, at the position's angle.
    const POINT centre = {width / 2, height / 2};
    const int radius = (std::min(width, height) - 2 * kKnobInset) / 2 - 3;
    if (radius > 0) {
        const POINT end = PointerEnd(centre, radius, m_startAngle, m_sweepAngle, GetPos(), GetRangeMin(), GetRangeMax());
        CPen pen;
        pen.CreatePen(PS_SOLID, 2, m_colors[IsWindowEnabled() ? CCOL_TEXT : CCOL_TEXTDISABLED]);
        CScopedSelect withPen(work.GetSafeHdc(), pen.GetHandle());
        work.MoveTo(centre.x, centre.y);
        work.LineTo(end.x, end.y);
    }
    work.CopyTo(dc.GetSafeHdc());
}

void CCoolCircSlider::PaintFace(CCoolDC& dc, const RECT& rect)
{
    dc.FillSolidRect(rect, m_colors[CCOL_BACKGROUND]);
    CopyParentBackground(m_hWnd, dc.GetSafeHdc(), 0, 0, rect.right - rect.left, rect.bottom - rect.top);
    RECT knob = rect;
    InflateRect(&knob, -kKnobInset, -kKnobInset);
    if (IsRectEmpty(&knob))
        return;
    if (m_flags & kFlat) {
        CBrush brush;
        brush.CreateSolidBrush(m_colors[CCOL_BACKGROUND]);
        CPen pen;
        pen.CreatePen(PS_SOLID, 1, m_colors[CCOL_SHADOW]);
        CScopedSelect withBrush(dc.GetSafeHdc(), brush.GetHandle());
        CScopedSelect withPen(dc.GetSafeHdc(), pen.GetHandle());
        ::Ellipse(dc.GetSafeHdc(), knob.left, knob.top, knob.right, knob.bottom);
        return;
    }
    // The light point in the knob's own coordinates.
    POINT light = {m_light.x - knob.left, m_light.y - knob.top};
    dc.DrawShadedEllipse(knob, m_colors[CCOL_SHADOW], m_colors[CCOL_LIGHT], &light);
}
