#include "skin/controls/cool_scroll_bar.h"

#include <algorithm>
#include <cstdint>

#include "skin/draw/cool_bevel.h"
#include "skin/controls/cool_control_messages.h"
#include "skin/draw/cool_dc.h"
#include "skin/draw/cool_fill.h"
#include "skin/draw/cool_hidden_paint.h"
#include "skin/controls/cool_paint.h"

namespace {

// A span along the bar and one across it, as a rectangle of the bar's client area.
RECT Span(bool vertical, int alongLow, int alongHigh, int acrossLow, int acrossHigh)
{
    if (alongHigh <= alongLow || acrossHigh <= acrossLow)
        return RECT{};
    return vertical ? RECT{acrossLow, alongLow, acrossHigh, alongHigh} : RECT{alongLow, acrossLow, alongHigh, acrossHigh};
}

int AlongLow(bool vertical, const RECT& rect) { return vertical ? rect.top : rect.left; }
int AlongHigh(bool vertical, const RECT& rect) { return vertical ? rect.bottom : rect.right; }

} // namespace

CoolScrollGeometry ComputeScrollGeometry(bool vertical, int length, int thickness, int arrow, int minimum,
                                         int maximum, int page, int position)
{
    CoolScrollGeometry parts = {};
    if (length <= 0 || thickness <= 0)
        return parts;
    arrow = std::max(0, std::min(arrow, length / 2));
    parts.firstArrow = Span(vertical, 0, arrow, 0, thickness);
    parts.secondArrow = Span(vertical, length - arrow, length, 0, thickness);
    const int track = length - 2 * arrow;
    const int64_t count = static_cast<int64_t>(maximum) - minimum + 1;
    // A bar no longer than its arrows, or without positions, has no thumb.
    if (track <= 0 || count <= 0)
        return parts;
    const int64_t offset = std::max<int64_t>(0, static_cast<int64_t>(position) - minimum);
    int start = arrow + static_cast<int>(offset * track / count);
    int end = arrow + static_cast<int>((offset + std::max(page, 0)) * track / count);
    const int shortest = std::min(CCoolScrollBar::kMinimumThumb, track);
    if (end - start < shortest)
        end = start + shortest;
    if (end > arrow + track) {
        start -= end - (arrow + track);
        end = arrow + track;
    }
    start = std::max(start, arrow);
    parts.thumb = Span(vertical, start, end, 0, thickness);
    const int inset = std::min(CCoolScrollBar::kPageInset, (thickness - 1) / 2);
    parts.pageBefore = Span(vertical, arrow, start, inset, thickness - inset);
    parts.pageAfter = Span(vertical, end, arrow + track, inset, thickness - inset);
    return parts;
}

int ScrollPositionAt(int thumbStart, int length, int arrow, int minimum, int maximum)
{
    arrow = std::max(0, std::min(arrow, length / 2));
    const int track = length - 2 * arrow;
    if (track <= 0)
        return minimum;
    const int64_t count = static_cast<int64_t>(maximum) - minimum + 1;
    return minimum + static_cast<int>(count * (thumbStart - arrow) / track);
}

CCoolScrollBar::CCoolScrollBar() : m_hover(*this, 0) {}

CCoolScrollBar::~CCoolScrollBar() = default;

void CCoolScrollBar::OnSchemeChanged()
{
    CCoolControl<CScrollBar>::OnSchemeChanged();
    RepaintFace();
}

void CCoolScrollBar::Recompute()
{
    RECT client = {};
    GetClientRect(&client);
    SCROLLINFO info = {sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(&info);
    const bool vertical = IsVertical();
    const int arrow = ::GetSystemMetrics(vertical ? SM_CYVTHUMB : SM_CXHTHUMB);
    m_parts = ComputeScrollGeometry(vertical, vertical ? client.bottom : client.right,
                                    vertical ? client.right : client.bottom, arrow, info.nMin, info.nMax,
                                    static_cast<int>(info.nPage), info.nPos);
}

CCoolScrollBar::Part CCoolScrollBar::PartAt(POINT point) const
{
    if (PtInRect(&m_parts.thumb, point))
        return kThumb;
    if (PtInRect(&m_parts.firstArrow, point))
        return kFirstArrow;
    if (PtInRect(&m_parts.secondArrow, point))
        return kSecondArrow;
    if (PtInRect(&m_parts.pageBefore, point))
        return kPageBefore;
    if (PtInRect(&m_parts.pageAfter, point))
        return kPageAfter;
    return kNone;
}

void CCoolScrollBar::DrawArrow(CCoolDC& dc, const RECT& rect, bool first, bool pressed)
{
    if (IsRectEmpty(&rect))
        return;
    FillFace(dc, *this, rect, {CCOL_STATICDARK, CCOL_STATICDARK, CCOL_STATIC}, nullptr, 1);
    const COLORREF light = RoleColor(*this, CCOL_LIGHT);
    const COLORREF shadow = RoleColor(*this, CCOL_SHADOW);
    RECT inner = rect;
    DrawBevels(dc, inner, {pressed ? CoolBevel{shadow, light} : CoolBevel{light, shadow}});
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const int qx = width / 4 + (pressed ? 1 : 0);
    const int qy = height / 4 + (pressed ? 1 : 0);
    const int cx = rect.left + width / 2 + (pressed ? 1 : 0);
    const int cy = rect.top + height / 2 + (pressed ? 1 : 0);
    POINT corners[3];
    if (IsVertical()) {
        const int tip = first ? rect.top + qy : rect.bottom - qy;
        const int base = first ? rect.bottom - qy : rect.top + qy;
        corners[0] = {rect.left + qx, base};
        corners[1] = {rect.right - qx, base};
        corners[2] = {cx, tip};
    } else {
        const int tip = first ? rect.left + qx : rect.right - qx;
        const int base = first ? rect.right - qx : rect.left + qx;
        corners[0] = {base, rect.top + qy};
        corners[1] = {base, rect.bottom - qy};
        corners[2] = {tip, cy};
    }
    const bool enabled = IsWindowEnabled();
    dc.DrawShadedTriangle(corners, RoleColor(*this, enabled ? CCOL_STATICBRIGHT : CCOL_STATICDARK),
                          RoleColor(*this, enabled ? CCOL_STATICLIGHT : CCOL_STATIC));
}

void CCoolScrollBar::Paint(CCoolDC& dc, const RECT& client)
{
    if (!m_dragging)
        Recompute();
    dc.FillSolidRect(client, RoleColor(*this, CCOL_BACKGROUND));
    const COLORREF light = RoleColor(*this, CCOL_LIGHT);
    const COLORREF shadow = RoleColor(*this, CCOL_SHADOW);
    for (const Part part : {kPageBefore, kPageAfter}) {
        const RECT& page = part == kPageBefore ? m_parts.pageBefore : m_parts.pageAfter;
        if (IsRectEmpty(&page))
            continue;
        FillFace(dc, *this, page,
                 m_pressed == part ? CoolFill{CCOL_STATIC, CCOL_STATIC, CCOL_STATICLIGHT}
                                   : CoolFill{CCOL_STATICDARK, CCOL_SHADOW, CCOL_STATICDARK},
                 nullptr, 1);
    }
    DrawArrow(dc, m_parts.firstArrow, true, m_pressed == kFirstArrow);
    DrawArrow(dc, m_parts.secondArrow, false, m_pressed == kSecondArrow);
    if (!IsRectEmpty(&m_parts.thumb) && IsWindowEnabled()) {
        const bool lit = IsHot() || m_dragging || ::GetFocus() == m_hWnd;
        FillFace(dc, *this, m_parts.thumb,
                 lit ? CoolFill{CCOL_STATICLIGHT, CCOL_STATIC, CCOL_STATICBRIGHT}
                     : CoolFill{CCOL_STATIC, CCOL_STATICDARK, CCOL_STATICLIGHT},
                 nullptr, 1);
        RECT inner = m_parts.thumb;
        DrawBevels(dc, inner, {{light, shadow}});
    }
}

bool CCoolScrollBar::FaceKey(std::string* key)
{
    SCROLLINFO info = {sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(&info);
    *key = FaceKeyOf({static_cast<long long>(GetStyle()), info.nMin, info.nMax, info.nPage, info.nPos, m_pressed,
                      m_dragging, m_parts.thumb.left, m_parts.thumb.top, IsHot(), ::GetFocus() == m_hWnd,
                      IsWindowEnabled()});
    return true;
}

void CCoolScrollBar::Send(int code, int position) const
{
    ::SendMessageA(GetParent(), IsVertical() ? WM_VSCROLL : WM_HSCROLL,
                   MAKEWPARAM(static_cast<WORD>(code), static_cast<WORD>(position)), reinterpret_cast<LPARAM>(m_hWnd));
}

void CCoolScrollBar::OnButtonDown(POINT point)
{
    Recompute();
    m_pressed = PartAt(point);
    if (m_pressed == kNone)
        return;
    if ((GetStyle() & WS_TABSTOP) && ::GetFocus() != m_hWnd)
        SetFocus();
    // The release must come back here also when it happens outside.
    ::SetCapture(m_hWnd);
    switch (m_pressed) {
    case kThumb:
        m_dragging = true;
        m_dragStart = point;
        m_dragThumbStart = AlongLow(IsVertical(), m_parts.thumb);
        m_dragPosition = GetScrollPos();
        break;
    case kFirstArrow:
        Send(SB_LINEUP);
        break;
    case kSecondArrow:
        Send(SB_LINEDOWN);
        break;
    case kPageBefore:
        Send(SB_PAGEUP);
        break;
    case kPageAfter:
        Send(SB_PAGEDOWN);
        break;
    default:
        break;
    }
    Invalidate(false);
}

void CCoolScrollBar::OnDrag(POINT point)
{
    const bool vertical = IsVertical();
    RECT client = {};
    GetClientRect(&client);
    const int length = vertical ? client.bottom : client.right;
    const int arrow = AlongHigh(vertical, m_parts.firstArrow);
    const int thumbLength = AlongHigh(vertical, m_parts.thumb) - AlongLow(vertical, m_parts.thumb);
    const int moved = vertical ? point.y - m_dragStart.y : point.x - m_dragStart.x;
    // The thumb follows the mouse and stops at the arrows.
    const int start = std::max(arrow, std::min(m_dragThumbStart + moved, length - arrow - thumbLength));
    const int thickness = vertical ? client.right : client.bottom;
    m_parts.thumb = Span(vertical, start, start + thumbLength, 0, thickness);
    const int inset = std::min(kPageInset, (thickness - 1) / 2);
    m_parts.pageBefore = Span(vertical, arrow, start, inset, thickness - inset);
    m_parts.pageAfter = Span(vertical, start + thumbLength, length - arrow, inset, thickness - inset);
    SCROLLINFO info = {sizeof(info), SIF_RANGE, 0, 0, 0, 0, 0};
    GetScrollInfo(&info);
    const int position = ScrollPositionAt(start, length, arrow, info.nMin, info.nMax);
    if (position != m_dragPosition) {
        m_dragPosition = position;
        Send(SB_THUMBTRACK, position);
    }
    Invalidate(false);
}

void CCoolScrollBar::OnButtonUp()
{
    if (m_pressed == kNone)
        return;
    const bool dragged = m_dragging;
    m_pressed = kNone;
    m_dragging = false;
    // A parent that acts only on the final position gets it too.
    if (dragged)
        Send(SB_THUMBPOSITION, m_dragPosition);
    Recompute();
    Send(SB_ENDSCROLL);
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    Invalidate(false);
}

LRESULT CCoolScrollBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (HandleSchemeAndPaint(message, wParam, lParam, &result))
        return result;
    const POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnButtonDown(point);
        return 0;
    case WM_MOUSEMOVE:
        if (m_dragging)
            OnDrag(point);
        else if (m_pressed == kNone)
            m_hover.OnMouseMove(m_hWnd, point);
        return 0;
    case WM_LBUTTONUP:
        OnButtonUp();
        return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != m_hWnd)
            OnButtonUp();
        return 0;
    case WM_MOUSELEAVE:
        m_hover.OnMouseLeave();
        return 0;
    case WM_DESTROY:
        m_hover.OnDestroy();
        break;
    case SBM_SETPOS:
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW:
    case SBM_SETSCROLLINFO:
    case SBM_ENABLE_ARROWS:
    case WM_ENABLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_KEYDOWN:
    case WM_KEYUP:
        return Hidden(message, wParam, lParam);
    default:
        break;
    }
    return CScrollBar::WindowProc(message, wParam, lParam);
}
