#include "skin/controls/cool_static.h"

#include "platform/dc.h"
#include "skin/draw/cool_bevel.h"
#include "skin/draw/cool_caption.h"
#include "skin/controls/cool_control_messages.h"
#include "skin/draw/cool_dc.h"
#include "skin/draw/cool_fill.h"
#include "skin/draw/cool_hidden_paint.h"
#include "skin/scheme/cool_messages.h"
#include "skin/controls/cool_paint.h"
#include "skin/scheme/cool_style_number.h"
#include "skin/controls/cool_parent_background.h"
#include "skin/scheme/cool_spread.h"

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr int kTextInset = 2;

// Scheme messages after which a container passes its scheme on.
bool ChangesScheme(UINT message)
{
    return message == WM_COOL_SETCOLOR || message == WM_COOL_SETLIGHT || message == WM_COOL_SETFLAGS;
}

} // namespace

CCoolStatic::CCoolStatic() : m_faces(1), m_hover(*this, 0)
{
    m_hover.SetOnChange([this] {
        if (!m_hover.IsHot())
            StopScrolling();
        RepaintWithParent();
    });
}

CCoolStatic::~CCoolStatic() = default;

int CCoolStatic::SetStyle(unsigned style) { return SetStyleNumber(*this, style, 2); }

void CCoolStatic::SetOptions(unsigned options)
{
    m_options = options;
    if ((options & kHoverScroll) == 0)
        StopScrolling();
}

int CCoolStatic::ScrollStepAt(int y, int height)
{
    if (height <= 0)
        return 0;
    return ((y - height / 2) * 8) / height;
}

void CCoolStatic::OnSchemeChanged()
{
    CCoolControl<CStatic>::OnSchemeChanged();
    m_faces.Drop();
    RepaintFace();
}

CCoolBitmap* CCoolStatic::Face(HDC compatible)
{
    RECT client = {};
    GetClientRect(&client);
    return m_faces.Get(0, compatible, client.right, client.bottom, [this](CCoolDC& dc, const RECT& area) {
        const bool enabled = IsWindowEnabled();
        const COLORREF light = RoleColor(*this, CCOL_LIGHT);
        const COLORREF shadow = RoleColor(*this, CCOL_SHADOW);
        RECT frame = area;
        switch (GetStyleNumber()) {
        case 2:
            if (!CopyParentBackground(m_hWnd, dc.GetSafeHdc(), 0, 0, area.right, area.bottom))
                dc.FillSolidRect(area, RoleColor(*this, CCOL_BACKGROUND));
            return;
        case 1:
            if (!enabled)
                dc.FillSolidRect(area, RoleColor(*this, CCOL_STATICDARK));
            else
                FillFace(dc, *this, area, {CCOL_STATIC, CCOL_STATICDARK, CCOL_STATIC}, nullptr);
            break;
        default:
            if (!enabled)
                dc.FillSolidRect(area, RoleColor(*this, CCOL_BACKGROUND));
            else
                FillFace(dc, *this, area, {CCOL_BACKGROUND, CCOL_SHADOW, CCOL_LIGHT}, &m_light);
            break;
        }
        DrawBevels(dc, frame, {{light, shadow}});
    });
}

int CCoolStatic::GetBkBitmap(HBITMAP* bitmap)
{
    if (bitmap == nullptr || m_hWnd == nullptr)
        return 0;
    CClientDC dc(m_hWnd);
    CCoolBitmap* face = Face(dc.GetSafeHdc());
    *bitmap = face != nullptr ? face->GetHandle() : nullptr;
    return *bitmap != nullptr ? 1 : 0;
}

int CCoolStatic::GetBkRect(RECT* rect)
{
    if (rect == nullptr || m_hWnd == nullptr)
        return 0;
    GetClientRect(rect);
    ClientToScreen(rect);
    return 1;
}

void CCoolStatic::DrawContent(CCoolDC& dc, const RECT& client)
{
    const DWORD style = GetStyle();
    const DWORD type = style & SS_TYPEMASK;
    RECT area = client;
    InflateRect(&area, -kTextInset, -kTextInset);
    if (type == SS_BITMAP || type == SS_ICON) {
        const UINT kind = type == SS_BITMAP ? IMAGE_BITMAP : IMAGE_ICON;
        const auto image = reinterpret_cast<HANDLE>(SendMessage(STM_GETIMAGE, kind));
        if (image == nullptr)
            return;
        if (type == SS_ICON) {
            ::DrawIconEx(dc.GetSafeHdc(), area.left, area.top, static_cast<HICON>(image), 0, 0, 0, nullptr, DI_NORMAL);
            return;
        }
        BITMAP record = {};
        if (::GetObjectA(image, sizeof(record), &record) == 0)
            return;
        int x = area.left;
        int y = area.top;
        if (style & SS_CENTERIMAGE) {
            x = (client.right - record.bmWidth) / 2;
            y = (client.bottom - record.bmHeight) / 2;
        }
        CDC source;
        source.CreateCompatibleDC(dc.GetSafeHdc());
        CScopedSelect selected(source.GetSafeHdc(), image);
        dc.TransparentBlt(x, y, record.bmWidth, record.bmHeight, source.GetSafeHdc(), 0, 0, kMagenta);
        return;
    }
    const std::string text = GetWindowText();
    UINT format = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
    switch (type) {
    case SS_CENTER:
        format |= DT_CENTER | DT_WORDBREAK;
        break;
    case SS_RIGHT:
        format |= DT_RIGHT | DT_WORDBREAK;
        break;
    case SS_LEFTNOWORDWRAP:
    case SS_SIMPLE:
        format |= DT_LEFT | DT_SINGLELINE;
        break;
    default:
        format |= DT_LEFT | DT_WORDBREAK;
        break;
    }
    if (style & SS_CENTERIMAGE)
        format = (format & ~DT_WORDBREAK) | DT_SINGLELINE | DT_VCENTER;
    const bool display = GetStyleNumber() == 1;
    const bool lit = m_hover.IsHot() && (m_options & kNoHoverHighlight) == 0;
    int role = display ? CCOL_STATICBRIGHT : CCOL_TEXT;
    if (!IsWindowEnabled())
        role = display ? CCOL_STATIC : CCOL_TEXTDISABLED;
    else if (lit)
        role = CCOL_TEXTHOT;
    DrawCoolCaption(dc, text, area, format,
                    {RoleColor(*this, role), (m_flags & kEmbossText) != 0, RoleColor(*this, CCOL_LIGHT),
                     RoleColor(*this, CCOL_SHADOW)});
}

void CCoolStatic::Paint(CCoolDC& dc, const RECT& client)
{
    CCoolBitmap* face = Face(dc.GetSafeHdc());
    if (face != nullptr)
        face->Draw(dc.GetSafeHdc(), 0, 0);
    DrawContent(dc, client);
}

bool CCoolStatic::FaceKey(std::string* key)
{
    *key = FaceKeyOf({static_cast<long long>(GetStyle()), GetStyleNumber(), m_hover.IsHot(), IsWindowEnabled(),
                      m_options, static_cast<long long>(SendMessage(STM_GETIMAGE, IMAGE_BITMAP)),
                      static_cast<long long>(SendMessage(STM_GETIMAGE, IMAGE_ICON))},
                     GetWindowText());
    return true;
}

bool CCoolStatic::WantsMouse() const
{
    return (m_options & kHoverScroll) != 0 || (m_options & kNoHoverHighlight) == 0;
}

bool CCoolStatic::ShowsOnlyBackground() const
{
    // A hover-scrolling static scrolls wherever the pointer is over it.
    if ((m_options & kHoverScroll) != 0)
        return false;
    // A container: its pixels are the background between its children.
    if (::GetWindow(m_hWnd, GW_CHILD) != nullptr)
        return true;
    const DWORD type = static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE)) & SS_TYPEMASK;
    if (type == SS_BITMAP || type == SS_ICON)
        return false;
    return ::GetWindowTextLengthA(m_hWnd) == 0;
}

void CCoolStatic::OnMouseMove(POINT point)
{
    if (!WantsMouse())
        return;
    m_hover.OnMouseMove(m_hWnd, point);
    if (!m_hover.IsHot() || (m_options & kHoverScroll) == 0)
        return;
    RECT client = {};
    GetClientRect(&client);
    m_scrollStep = ScrollStepAt(point.y, client.bottom);
    if (!m_scrollTimer.IsRunning())
        m_scrollTimer.Start(m_hWnd, kStaticScrollTimer, kHoverTimerPeriod);
}

void CCoolStatic::OnScrollTick()
{
    m_scrollValue += m_scrollStep;
    RepaintWithParent();
}

void CCoolStatic::StopScrolling()
{
    m_scrollTimer.Stop();
    m_scrollStep = 0;
}

void CCoolStatic::RepaintWithParent()
{
    if (m_hWnd == nullptr)
        return;
    if (GetExStyle() & WS_EX_TRANSPARENT) {
        RECT rect = {};
        GetWindowRect(&rect);
        ::MapWindowPoints(nullptr, GetParent(), reinterpret_cast<POINT*>(&rect), 2);
        ::InvalidateRect(GetParent(), &rect, TRUE);
    }
    Invalidate(false);
}

// A static that frames other controls passes its scheme on to them as a container does.
void CCoolStatic::PassSchemeOn()
{
    if (::GetWindow(m_hWnd, GW_CHILD) != nullptr)
        SpreadScheme(m_hWnd, *this);
}

LRESULT CCoolStatic::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    const auto passOn = [this] { PassSchemeOn(); };
    if (m_relay.HandleFrame(message, passOn, &result))
        return result;
    if (message == WM_COOL_SYSCOLORS) {
        UseWindowsColors();
        m_relay.Changed(passOn);
        return 1;
    }
    if (HandleSchemeAndPaint(message, wParam, lParam, &result)) {
        if (ChangesScheme(message))
            m_relay.Changed(passOn);
        return result;
    }
    switch (message) {
    case WM_NCHITTEST:
        // A static is transparent to the mouse unless it hovers over something of
        // its own: what lies below or beside it gets the pointer.
        if (WantsMouse())
            return ShowsOnlyBackground() ? HTTRANSPARENT : HTCLIENT;
        break;
    case WM_MOUSEMOVE:
        OnMouseMove({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        break;
    case WM_MOUSELEAVE:
        m_hover.OnMouseLeave();
        break;
    case WM_TIMER:
        if (wParam == kStaticScrollTimer) {
            OnScrollTick();
            return 0;
        }
        break;
    case WM_DESTROY:
        m_hover.OnDestroy();
        StopScrolling();
        break;
    case WM_ENABLE:
        m_faces.Drop();
        return Hidden(message, wParam, lParam);
    case WM_SETTEXT:
    case STM_SETIMAGE:
    case STM_SETICON:
    case WM_SETFONT:
        return Hidden(message, wParam, lParam);
    case WM_WINDOWPOSCHANGED:
        // Moved or resized: a transparent face shows another part of the parent.
        if ((reinterpret_cast<const WINDOWPOS*>(lParam)->flags & (SWP_NOMOVE | SWP_NOSIZE)) !=
            (SWP_NOMOVE | SWP_NOSIZE))
            m_faces.Drop();
        break;
    case WM_DISPLAYCHANGE:
        m_faces.Drop();
        break;
    default:
        break;
    }
    return CStatic::WindowProc(message, wParam, lParam);
}
