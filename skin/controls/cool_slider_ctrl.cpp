#include "skin/controls/cool_slider_ctrl.h"

#include "platform/dc.h"
#include "skin/controls/cool_control_messages.h"
#include "skin/draw/cool_dc.h"
#include "skin/draw/edge_frame.h"
#include "skin/controls/press_clock.h"

const CRuntimeClass CCoolSliderCtrl::classCCoolSliderCtrl("CCoolSliderCtrl", &CWnd::classCWnd);

CCoolSliderCtrl::CCoolSliderCtrl() : m_hover(*this, 0)
{
    // Sliders show their parent's background and draw none of their own.
    m_blendLevel = 0;
    m_hover.SetOnChange([this] { OnHotChanged(); });
}

CCoolSliderCtrl::~CCoolSliderCtrl() = default;

void CCoolSliderCtrl::OnSchemeChanged()
{
    DropBitmaps();
    if (m_hWnd != nullptr)
        Invalidate(false);
}

void CCoolSliderCtrl::DropBitmaps()
{
    // The contexts let go of their bitmaps first.
    m_workDC.reset();
    m_backdropDC.reset();
    m_layerDC.reset();
    m_work.AttachBitmap(nullptr);
    m_ownBackground.AttachBitmap(nullptr);
    m_faces.Drop();
    m_meterGradient.AttachBitmap(nullptr);
    m_parentPart.AttachBitmap(nullptr);
    m_backdrop.AttachBitmap(nullptr);
    m_channelLayer.AttachBitmap(nullptr);
    m_redrawMask = kRedrawAll;
}

LRESULT CCoolSliderCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (HandleSchemeMessage(*this, message, wParam, lParam, &result))
        return result;
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT: {
        // The trackbar invalidates only its thumb; what else changed must reach the
        // screen too.
        if (ReadChanges())
            ::InvalidateRect(m_hWnd, nullptr, FALSE);
        CCoolPaintDC dc(m_hWnd);
        if (dc.GetSafeHdc() != nullptr)
            Paint(dc);
        return 0;
    }
    case WM_NCPAINT: {
        EdgeBevel bevels[kMaxEdgeBevels];
        if (EdgeBevels(GetExStyle(), bevels) == 0)
            break;
        PaintFrame();
        return 0;
    }
    case WM_SIZE:
        DropBitmaps();
        break;
    case WM_DISPLAYCHANGE:
        // Only a new colour depth makes the cached bitmaps unfit.
        if (m_work.GetWidth() != 0 && static_cast<int>(wParam) != m_work.GetBitsPixel())
            DropBitmaps();
        break;
    case WM_SETFOCUS:
        SetFocusFace(true);
        break;
    case WM_KILLFOCUS:
        SetFocusFace(false);
        if (::GetCapture() == m_hWnd)
            ::ReleaseCapture();
        break;
    case WM_UPDATEUISTATE: {
        // The focus mark follows the keyboard cues.
        const LRESULT cues = CSliderCtrl::WindowProc(message, wParam, lParam);
        Invalidate(false);
        return cues;
    }
    case WM_MOUSEMOVE:
        OnMouseMove(wParam, lParam);
        break;
    case WM_MOUSELEAVE:
        m_hover.OnMouseLeave();
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (OnLeftPress(message, wParam, lParam, &result))
            return result;
        break;
    case WM_DESTROY:
        m_hover.OnDestroy();
        break;
    default:
        break;
    }
    return CSliderCtrl::WindowProc(message, wParam, lParam);
}

void CCoolSliderCtrl::PaintFrame()
{
    CWindowDC dc(m_hWnd);
    if (dc.GetSafeHdc() == nullptr)
        return;
    RECT rect;
    GetWindowRect(&rect);
    OffsetRect(&rect, -rect.left, -rect.top);
    DrawEdgeFrame(dc, rect, GetExStyle(), *this);
}

void CCoolSliderCtrl::SetFocusFace(bool focus)
{
    if (m_focus == focus)
        return;
    m_focus = focus;
    m_redrawMask |= kRedrawChannel;
    Invalidate(false);
}

void CCoolSliderCtrl::OnHotChanged()
{
    m_hot = m_hover.IsHot();
    m_redrawMask |= kRedrawChannel;
    if (m_hWnd != nullptr)
        Invalidate(false);
}

void CCoolSliderCtrl::OnMouseMove(WPARAM wParam, LPARAM lParam)
{
    // A drag (or any press) in progress is the trackbar's; no highlight comes of it.
    if (wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))
        return;
    const POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    m_hover.OnMouseMove(m_hWnd, point);
}

bool CCoolSliderCtrl::OnLeftPress(UINT, WPARAM, LPARAM lParam, LRESULT* result)
{
    const POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (m_resetOnDoubleClick) {
        const PressClockFunctions& clock = PressClockApi();
        const uint64_t now = clock.nowMilliseconds();
        const bool quick = m_pressedBefore && now >= m_lastPressMs && now - m_lastPressMs < clock.doubleClickTime();
        m_lastPressMs = now;
        m_pressedBefore = true;
        if (quick) {
            SendMessage(TBM_SETPOS, TRUE, m_defaultPosition);
            const UINT scroll = (GetStyle() & TBS_VERT) ? WM_VSCROLL : WM_HSCROLL;
            ::SendMessageA(GetParent(), scroll, static_cast<WPARAM>(m_defaultPosition), reinterpret_cast<LPARAM>(m_hWnd));
            *result = 0;
            return true;
        }
    }
    OnPressPassedOn(point);
    return false;
}
