#include "skin/controls/cool_button.h"

#include <algorithm>

#include "platform/win_app.h"
#include "skin/draw/cool_bevel.h"
#include "skin/draw/cool_caption.h"
#include "skin/controls/cool_control_messages.h"
#include "skin/controls/cool_focus_mark.h"
#include "skin/draw/cool_fill.h"
#include "skin/draw/cool_hidden_paint.h"
#include "skin/draw/cool_memory_dc.h"
#include "skin/scheme/cool_messages.h"
#include "skin/controls/cool_paint.h"
#include "skin/controls/cool_parent_background.h"

namespace {

enum Face {
    kFaceUp,
    kFaceDown,
    kFacePushLikeChecked,
    kFaceBoxOff,
    kFaceBoxOn,
    kFaceBoxMixed,
    kFaceRadioOff,
    kFaceRadioOn,
    kFaceCount,
};

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr int kCaptionGap = 4;   // between indicator or picture and caption
constexpr int kFaceInset = 4;    // caption and picture inside a push face
constexpr int kGroupIndent = 8;  // group box caption from the left edge

bool Has(const RECT& rect) { return rect.right > rect.left && rect.bottom > rect.top; }

} // namespace

CCoolButton::CCoolButton() : m_faces(kFaceCount), m_hover(*this, kButtonHoverTimer) {}

CCoolButton::~CCoolButton() = default;

void CCoolButton::OnSchemeChanged()
{
    CCoolControl<CButton>::OnSchemeChanged();
    m_faces.Drop();
    RepaintFace();
}

bool CCoolButton::IsPushType() const
{
    const UINT type = GetStyle() & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_PUSHBOX || type == BS_USERBUTTON ||
           type == BS_OWNERDRAW;
}

bool CCoolButton::IsCheckType() const
{
    const UINT type = GetStyle() & BS_TYPEMASK;
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE;
}

bool CCoolButton::IsRadioType() const
{
    const UINT type = GetStyle() & BS_TYPEMASK;
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

bool CCoolButton::IsGroupBox() const { return (GetStyle() & BS_TYPEMASK) == BS_GROUPBOX; }

int CCoolButton::SetBitmaps(const char* normal, const char* down, const char* hot, const char* focus,
                            const char* disabled, bool resize)
{
    const char* names[kPictureCount] = {normal, down, hot, focus, disabled};
    bool all = true;
    for (int i = 0; i < kPictureCount; ++i) {
        m_pictures[i].AttachBitmap(nullptr);
        if (names[i] == nullptr)
            continue;
        const auto picture = static_cast<HBITMAP>(
            ::LoadImageA(CWinApp::ResourceHandle(), names[i], IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
        if (picture != nullptr)
            m_pictures[i].AttachBitmap(picture);
        else
            all = false;
    }
    DropWholeFace();
    if (m_hWnd != nullptr) {
        if (resize && m_pictures[kPictureNormal].GetWidth() > 0)
            SetWindowPos(nullptr, 0, 0, m_pictures[kPictureNormal].GetWidth(), m_pictures[kPictureNormal].GetHeight(),
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        Invalidate(false);
    }
    if (m_pictures[kPictureNormal].GetWidth() == 0)
        return kPicturesNone;
    return all ? kPicturesAll : kPicturesPartial;
}

RECT CCoolButton::IndicatorRect(CCoolDC& dc, const RECT& client) const
{
    // As high as the letter "X" in the button's font.
    const int size = dc.GetTextExtent("X", 1).cy;
    const DWORD style = GetStyle();
    RECT box = {client.left, 0, client.left + size, 0};
    if (style & BS_LEFTTEXT)
        OffsetRect(&box, client.right - client.left - size, 0);
    switch (style & BS_VCENTER) {
    case BS_TOP:
        box.top = client.top;
        break;
    case BS_BOTTOM:
        box.top = client.bottom - size;
        break;
    default:
        box.top = client.top + (client.bottom - client.top - size) / 2;
        break;
    }
    box.bottom = box.top + size;
    return box;
}

RECT CCoolButton::GroupCaptionRect(CCoolDC& dc, const RECT& client) const
{
    const std::string text = GetWindowText();
    const SIZE extent = dc.GetTextExtent(text.empty() ? "X" : text.c_str(), text.empty() ? 1 : static_cast<int>(text.size()));
    if (text.empty())
        return {client.left + kGroupIndent, client.top, client.left + kGroupIndent, client.top + extent.cy};
    return {client.left + kGroupIndent, client.top, client.left + kGroupIndent + extent.cx + 4, client.top + extent.cy};
}

void CCoolButton::LayoutFace(CCoolDC& dc, const RECT& client, RECT* text, RECT* picture)
{
    *picture = RECT{};
    if (IsGroupBox()) {
        *text = GroupCaptionRect(dc, client);
        OffsetRect(text, 2, 0);
        return;
    }
    RECT area = client;
    if (IsPushType() || (GetStyle() & BS_PUSHLIKE)) {
        InflateRect(&area, -kFaceInset, -kFaceInset);
    } else {
        const RECT box = IndicatorRect(dc, client);
        if (GetStyle() & BS_LEFTTEXT)
            area.right = box.left - kCaptionGap;
        else
            area.left = box.right + kCaptionGap;
    }
    *text = area;
    const int width = m_pictures[kPictureNormal].GetWidth();
    const int height = m_pictures[kPictureNormal].GetHeight();
    if (width <= 0)
        return;
    const int top = area.top + (area.bottom - area.top - height) / 2;
    if (GetWindowTextLengthA(m_hWnd) == 0) {
        const int left = area.left + (area.right - area.left - width) / 2;
        *picture = {left, top, left + width, top + height};
        *text = RECT{};
        return;
    }
    *picture = {area.left, top, area.left + width, top + height};
    text->left = picture->right + kCaptionGap;
}

void CCoolButton::DrawPushFace(CCoolDC& dc, const RECT& rect, bool down)
{
    const int face = down ? kFaceDown : kFaceUp;
    m_faces.Draw(face, dc.GetSafeHdc(), rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 [this, down](CCoolDC& faceDC, const RECT& area) {
                     FillFace(faceDC, *this, area, {CCOL_BACKGROUND, CCOL_SHADOW, CCOL_BACKGROUND}, &m_light);
                     const COLORREF light = RoleColor(*this, CCOL_LIGHT);
                     const COLORREF shadow = RoleColor(*this, CCOL_SHADOW);
                     RECT inner = area;
                     if (down)
                         DrawBevels(faceDC, inner, {{shadow, light}, {light, shadow}, {shadow, light}});
                     else
                         DrawBevels(faceDC, inner, {{light, shadow}, {light, shadow}});
                 });
}

void CCoolButton::DrawPushLikeFace(CCoolDC& dc, const RECT& rect, bool checked, bool pressed)
{
    if (!checked) {
        DrawPushFace(dc, rect, pressed);
        return;
    }
    m_faces.Draw(kFacePushLikeChecked, dc.GetSafeHdc(), rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, [this](CCoolDC& faceDC, const RECT& area) {
                     FillFace(faceDC, *this, area, {CCOL_BACKGROUND, CCOL_SHADOW, CCOL_BACKGROUND}, &m_light);
                     const COLORREF light = RoleColor(*this, CCOL_LIGHT);
                     const COLORREF shadow = RoleColor(*this, CCOL_SHADOW);
                     RECT inner = area;
                     DrawBevels(faceDC, inner, {{shadow, light}, {shadow, light}, {light, shadow}});
                 });
}

void CCoolButton::DrawCheckFace(CCoolDC& dc, const RECT& rect, int check)
{
    const RECT box = IndicatorRect(dc, rect);
    const int face = check == BST_CHECKED ? kFaceBoxOn : check == BST_INDETERMINATE ? kFaceBoxMixed : kFaceBoxOff;
    const int size = box.right - box.left;
    if (!m_faces.Get(face, dc.GetSafeHdc(), size, size, [this, face](CCoolDC& faceDC, const RECT& area) {
            const bool on = face != kFaceBoxOff;
            const COLORREF light = RoleColor(*this, CCOL_LIGHT);
            const COLORREF shadow = RoleColor(*this, CCOL_SHADOW);
            RECT inner = area;
            InflateRect(&inner, -1, -1);
            // Unchecked: dark to static; checked: the brighter shade.
            FillFace(faceDC, *this, inner,
                     on ? CoolFill{CCOL_STATIC, CCOL_STATIC, CCOL_STATICLIGHT}
                        : CoolFill{CCOL_STATICDARK, CCOL_STATICDARK, CCOL_STATIC},
                     nullptr, 1);
            inner = area;
            DrawBevels(faceDC, inner, {on ? CoolBevel{shadow, light} : CoolBevel{light, shadow}});
            const int size = area.right - area.left;
            const COLORREF mark = RoleColor(*this, CCOL_STATICBRIGHT);
            if (face == kFaceBoxMixed) {
                RECT square = area;
                InflateRect(&square, -size / 4 - 1, -size / 4 - 1);
                faceDC.FillSolidRect(square, mark);
            } else if (on) {
                CPen pen;
                pen.CreatePen(PS_SOLID, size >= 12 ? 2 : 1, mark);
                CScopedSelect withPen(faceDC.GetSafeHdc(), pen.GetHandle());
                faceDC.MoveTo(size * 1 / 4, size / 2);
                faceDC.LineTo(size * 7 / 16, size * 11 / 16);
                faceDC.LineTo(size * 3 / 4, size * 5 / 16);
            }
        }))
        return;
    PutIndicator(dc, face, box, false);
}

void CCoolButton::DrawRadioFace(CCoolDC& dc, const RECT& rect, int check)
{
    const RECT box = IndicatorRect(dc, rect);
    const bool on = check == BST_CHECKED;
    const int face = on ? kFaceRadioOn : kFaceRadioOff;
    const int size = box.right - box.left;
    if (!m_faces.Get(face, dc.GetSafeHdc(), size, size, [this, on](CCoolDC& faceDC, const RECT& area) {
            // Magenta corners stay transparent when the face is put down.
            faceDC.FillSolidRect(area, kMagenta);
            const COLORREF light = RoleColor(*this, CCOL_LIGHT);
            const COLORREF shadow = RoleColor(*this, CCOL_SHADOW);
            const int size = area.right - area.left;
            RECT inner = area;
            InflateRect(&inner, -1, -1);
            const COLORREF flat = RoleColor(*this, on ? CCOL_STATIC : CCOL_STATICDARK);
            CBrush brush;
            brush.CreateSolidBrush(flat);
            {
                CScopedSelect withBrush(faceDC.GetSafeHdc(), brush.GetHandle());
                CScopedSelect withPen(faceDC.GetSafeHdc(), GetStockObject(NULL_PEN));
                Ellipse(faceDC.GetSafeHdc(), inner.left, inner.top, inner.right + 1, inner.bottom + 1);
            }
            if ((m_flags & kFlat) == 0) {
                POINT centre = {size / 2, size / 2};
                faceDC.DrawShadedEllipse(inner, flat, RoleColor(*this, on ? CCOL_STATICLIGHT : CCOL_STATIC), &centre);
            }
            CPen upper;
            CPen lower;
            upper.CreatePen(PS_SOLID, 1, on ? shadow : light);
            lower.CreatePen(PS_SOLID, 1, on ? light : shadow);
            {
                CScopedSelect withPen(faceDC.GetSafeHdc(), upper.GetHandle());
                Arc(faceDC.GetSafeHdc(), 0, 0, size, size, size, 0, 0, size);
            }
            {
                CScopedSelect withPen(faceDC.GetSafeHdc(), lower.GetHandle());
                Arc(faceDC.GetSafeHdc(), 0, 0, size, size, 0, size, size, 0);
            }
            if (on) {
                const int dot = size / 3 + 1;
                const int at = (size - dot) / 2;
                CBrush mark;
                mark.CreateSolidBrush(RoleColor(*this, CCOL_STATICBRIGHT));
                CScopedSelect withBrush(faceDC.GetSafeHdc(), mark.GetHandle());
                CScopedSelect withPen(faceDC.GetSafeHdc(), GetStockObject(NULL_PEN));
                Ellipse(faceDC.GetSafeHdc(), at, at, at + dot + 1, at + dot + 1);
            }
        }))
        return;
    PutIndicator(dc, face, box, true);
}

void CCoolButton::PutIndicator(CCoolDC& dc, int face, const RECT& where, bool transparent)
{
    CCoolBitmap* bitmap = m_faces.Get(face, dc.GetSafeHdc(), where.right - where.left, where.bottom - where.top, {});
    if (bitmap == nullptr)
        return;
    const int width = where.right - where.left;
    const int height = where.bottom - where.top;
    const BYTE level = static_cast<BYTE>(m_blendLevel & 0xFF);
    if ((m_flags & kBlendPicture) == 0 || level == 255) {
        if (transparent)
            bitmap->DrawTransparent(dc, where.left, where.top, kMagenta);
        else
            bitmap->Draw(dc.GetSafeHdc(), where.left, where.top);
        return;
    }
    // Blended: the face is first put over a copy of what lies below, then that
    // copy is blended back, so transparent corners stay what was there.
    CCoolMemoryDC below(dc.GetSafeHdc(), width, height);
    if (!below.IsValid())
        return;
    below.BitBlt(0, 0, width, height, dc.GetSafeHdc(), where.left, where.top, SRCCOPY);
    if (transparent)
        bitmap->DrawTransparent(below, 0, 0, kMagenta);
    else
        bitmap->Draw(below.GetSafeHdc(), 0, 0);
    dc.AlphaBlend(where.left, where.top, width, height, below.GetSafeHdc(), 0, 0, width, height, level, 0);
}

void CCoolButton::DrawGroupBox(CCoolDC& dc, const RECT& rect, const RECT& caption)
{
    RECT frame = rect;
    frame.top = (caption.top + caption.bottom) / 2;
    const int saved = ::SaveDC(dc.GetSafeHdc());
    if (Has(caption))
        ::ExcludeClipRect(dc.GetSafeHdc(), caption.left, caption.top, caption.right + 4, caption.bottom);
    const COLORREF light = RoleColor(*this, CCOL_LIGHT);
    const COLORREF shadow = RoleColor(*this, CCOL_SHADOW);
    DrawBevels(dc, frame, {{shadow, light}, {light, shadow}});
    ::RestoreDC(dc.GetSafeHdc(), saved);
}

void CCoolButton::DrawPicture(CCoolDC& dc, const RECT& where)
{
    int state = kPictureNormal;
    if (!IsWindowEnabled())
        state = kPictureDisabled;
    else if (IsPressed() || CheckState() == BST_CHECKED)
        state = kPictureDown;
    else if (IsHot())
        state = kPictureHot;
    else if (m_focus)
        state = kPictureFocus;
    CCoolBitmap& picture = m_pictures[state].GetWidth() > 0 ? m_pictures[state] : m_pictures[kPictureNormal];
    picture.DrawTransparent(dc, where.left, where.top, m_transparent);
}

void CCoolButton::DrawCaption(CCoolDC& dc, const RECT& rect)
{
    const std::string text = GetWindowText();
    if (text.empty() || !Has(rect))
        return;
    const DWORD style = GetStyle();
    UINT format = 0;
    const bool centred = IsPushType() || (style & BS_PUSHLIKE);
    switch (style & BS_CENTER) {
    case BS_LEFT:
        format |= DT_LEFT;
        break;
    case BS_RIGHT:
        format |= DT_RIGHT;
        break;
    case BS_CENTER:
        format |= DT_CENTER;
        break;
    default:
        format |= centred ? DT_CENTER : DT_LEFT;
        break;
    }
    RECT area = rect;
    if (IsGroupBox()) {
        format = DT_LEFT | DT_TOP | DT_SINGLELINE;
    } else if (style & BS_MULTILINE) {
        // Several lines: measured first, then placed as the vertical style says.
        format |= DT_WORDBREAK;
        RECT measured = rect;
        const int height = dc.DrawText(text.c_str(), static_cast<int>(text.size()), &measured, format | DT_CALCRECT);
        if ((style & BS_VCENTER) == BS_BOTTOM)
            area.top = rect.bottom - height;
        else if ((style & BS_VCENTER) != BS_TOP)
            area.top = rect.top + (rect.bottom - rect.top - height) / 2;
    } else {
        format |= DT_SINGLELINE;
        switch (style & BS_VCENTER) {
        case BS_TOP:
            format |= DT_TOP;
            break;
        case BS_BOTTOM:
            format |= DT_BOTTOM;
            break;
        default:
            format |= DT_VCENTER;
            break;
        }
    }
    if (SendMessage(WM_QUERYUISTATE) & UISF_HIDEACCEL)
        format |= DT_HIDEPREFIX;
    int role = CCOL_TEXT;
    if (!IsWindowEnabled())
        role = CCOL_TEXTDISABLED;
    else if (!IsGroupBox() && (IsHot() || m_focus))
        role = CCOL_TEXTHOT;
    DrawCoolCaption(dc, text, area, format,
                  {RoleColor(*this, role), (m_flags & kEmbossText) != 0, RoleColor(*this, CCOL_LIGHT),
                   RoleColor(*this, CCOL_SHADOW)});
}

void CCoolButton::Paint(CCoolDC& dc, const RECT& client)
{
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    const bool pushLike = (GetStyle() & BS_PUSHLIKE) != 0 && (IsCheckType() || IsRadioType());
    if (!IsPushType() && !pushLike && !CopyParentBackground(m_hWnd, dc.GetSafeHdc(), 0, 0, width, height))
        dc.FillSolidRect(client, RoleColor(*this, CCOL_BACKGROUND));
    RECT text = {};
    RECT picture = {};
    LayoutFace(dc, client, &text, &picture);
    bool down = false;
    if (IsGroupBox()) {
        DrawGroupBox(dc, client, GroupCaptionRect(dc, client));
    } else if (pushLike) {
        down = CheckState() != BST_UNCHECKED || IsPressed();
        DrawPushLikeFace(dc, client, CheckState() != BST_UNCHECKED, IsPressed());
    } else if (IsCheckType()) {
        DrawCheckFace(dc, client, CheckState());
    } else if (IsRadioType()) {
        DrawRadioFace(dc, client, CheckState());
    } else {
        down = IsPressed();
        DrawPushFace(dc, client, down);
    }
    if (down) {
        OffsetRect(&text, 1, 1);
        OffsetRect(&picture, 1, 1);
    }
    if (Has(picture))
        DrawPicture(dc, picture);
    DrawCaption(dc, text);
    if (m_focus && !IsGroupBox() && ShowsFocusMark(m_hWnd))
        DrawFocusMark(dc.GetSafeHdc(), FocusMarkRect(dc, client, text), RoleColor(*this, CCOL_TEXT));
}

// Round the caption area of a push button, inside its bevels; round the caption
// of a box or radio, as far as the client area allows.
RECT CCoolButton::FocusMarkRect(CCoolDC& dc, const RECT& client, const RECT& text)
{
    RECT mark = client;
    if (IsPushType() || (GetStyle() & BS_PUSHLIKE)) {
        InflateRect(&mark, -kFaceInset, -kFaceInset);
        return mark;
    }
    const std::string caption = GetWindowText();
    if (caption.empty() || !Has(text))
        return client;
    RECT measured = text;
    dc.DrawText(caption.c_str(), static_cast<int>(caption.size()), &measured, DT_CALCRECT | DT_SINGLELINE);
    const int height = measured.bottom - measured.top;
    mark.left = text.left - 1;
    mark.right = std::min(measured.right + 2, client.right);
    mark.top = std::max(client.top, text.top + (text.bottom - text.top - height) / 2 - 1);
    mark.bottom = std::min(client.bottom, mark.top + height + 2);
    return mark;
}

bool CCoolButton::FaceKey(std::string* key)
{
    // A group box shows what lies inside it: it is drawn anew each time.
    if (IsGroupBox())
        return false;
    *key = FaceKeyOf({static_cast<long long>(GetStyle()), static_cast<long long>(GetState()), IsHot(), m_focus,
                      IsWindowEnabled(), static_cast<long long>(SendMessage(WM_QUERYUISTATE))},
                     GetWindowText());
    return true;
}

void CCoolButton::NotifyParent(WORD code) const
{
    ::SendMessageA(GetParent(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), code), reinterpret_cast<LPARAM>(m_hWnd));
}

LRESULT CCoolButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if ((message != WM_PAINT || !IsGroupBox()) && HandleSchemeAndPaint(message, wParam, lParam, &result))
        return result;
    // A group box is no target of the mouse.
    if ((message != WM_MOUSEMOVE || !IsGroupBox()) && m_hover.HandleMessage(m_hWnd, message, wParam, lParam))
        return 0;
    switch (message) {
    case WM_PAINT: {
        // A group box covers the controls inside it: those draw themselves.
        const std::vector<RECT> inside = OverlappingSiblings(m_hWnd);
        HandlePaintMessage(m_hWnd, m_layout, message, wParam,
                           [this](CCoolDC& dc, const RECT& rect) { Paint(dc, rect); }, &result, &inside);
        return result;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        m_focus = message == WM_SETFOCUS;
        return Hidden(message, wParam, lParam);
    case WM_ENABLE:
        m_faces.Drop();
        return Hidden(message, wParam, lParam);
    case WM_SETTEXT:
    case BM_SETCHECK:
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case WM_UPDATEUISTATE:
        return Hidden(message, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (GetStyle() & BS_NOTIFY) {
            m_pressNotified = true;
            NotifyParent(kNotifyPressed);
        }
        break;
    case WM_LBUTTONUP:
        if (m_pressNotified) {
            m_pressNotified = false;
            NotifyParent(kNotifyReleased);
        }
        break;
    case WM_SIZE:
    case WM_SETFONT:
    case WM_DISPLAYCHANGE:
        m_faces.Drop();
        break;
    default:
        break;
    }
    return CButton::WindowProc(message, wParam, lParam);
}
