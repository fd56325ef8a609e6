#include "skin/controls/cool_combo_box.h"

#include <vector>

#include "skin/draw/cool_bevel.h"
#include "skin/draw/cool_caption.h"
#include "skin/controls/cool_control_messages.h"
#include "skin/controls/cool_focus_mark.h"
#include "skin/draw/cool_dc.h"
#include "skin/draw/cool_fill.h"
#include "skin/draw/cool_hidden_paint.h"
#include "skin/scheme/cool_messages.h"
#include "skin/controls/cool_paint.h"
#include "skin/scheme/cool_style_number.h"

namespace {

enum Face { kFaceField, kFaceButtonUp, kFaceButtonDown, kFaceCount };

constexpr int kTextInset = 3;

// Messages after which the platform combo box may draw its field at once.
bool PaintsAtOnce(UINT message, LPARAM lParam)
{
    switch (message) {
    case CB_SETCURSEL:
    case CB_SELECTSTRING:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_KEYDOWN:
    case WM_CHAR:
    case WM_MOUSEWHEEL:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_UPDATEUISTATE:
        return true;
    case WM_COMMAND:
        // From its own list or edit: the selection or text changed.
        return lParam != 0;
    default:
        return false;
    }
}

bool IsColorRequest(UINT message)
{
    return message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX || message == WM_CTLCOLORSTATIC;
}

} // namespace

CCoolComboBox::CCoolComboBox() : m_faces(kFaceCount), m_hover(*this, kComboHoverTimer) {}

CCoolComboBox::~CCoolComboBox() = default;

int CCoolComboBox::SetStyle(unsigned style) { return SetStyleNumber(*this, style, 1); }

void CCoolComboBox::OnSchemeChanged()
{
    CCoolControl<CComboBox>::OnSchemeChanged();
    m_faces.Drop();
    RepaintFace(RDW_INVALIDATE | RDW_ALLCHILDREN);
}

RECT CCoolComboBox::ButtonRect() const
{
    RECT client = {};
    GetClientRect(&client);
    const int edgeX = ::GetSystemMetrics(SM_CXEDGE);
    const int edgeY = ::GetSystemMetrics(SM_CYEDGE);
    const int width = ::GetSystemMetrics(SM_CXHTHUMB);
    return {client.right - edgeX - width, client.top + edgeY, client.right - edgeX, client.bottom - edgeY};
}

LRESULT CCoolComboBox::AnswerColorRequest(HDC dc)
{
    const bool statics = GetStyleNumber() == 1;
    const COLORREF background = RoleColor(*this, statics ? CCOL_STATICDARK : CCOL_BACKGROUND);
    // A new brush for each request; the previous one goes.
    m_listBrush.DeleteObject();
    m_listBrush.CreateSolidBrush(background);
    const CBorrowedDC lent(dc);
    lent.SetTextColor(RoleColor(*this, statics ? CCOL_STATICBRIGHT : CCOL_TEXT));
    lent.SetBkColor(background);
    return reinterpret_cast<LRESULT>(m_listBrush.GetHandle());
}

void CCoolComboBox::DrawButton(CCoolDC& dc, const RECT& rect, bool down)
{
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    m_faces.Draw(down ? kFaceButtonDown : kFaceButtonUp, dc.GetSafeHdc(), rect.left, rect.top, width, height,
                 [this, down](CCoolDC& faceDC, const RECT& area) {
                     FillFace(faceDC, *this, area, {CCOL_STATIC, CCOL_STATICDARK, CCOL_STATICLIGHT}, nullptr, 1);
                     const COLORREF light = RoleColor(*this, CCOL_STATICLIGHT);
                     const COLORREF dark = RoleColor(*this, CCOL_STATICDARK);
                     RECT inner = area;
                     DrawBevels(faceDC, inner, {down ? CoolBevel{dark, light} : CoolBevel{light, dark}});
                     const int w = area.right;
                     const int h = area.bottom;
                     const int shift = down ? 1 : 0;
                     const POINT corners[3] = {{w / 4 + shift, h * 3 / 8 + shift},
                                               {w - w / 4 + shift, h * 3 / 8 + shift},
                                               {w / 2 + shift, h * 5 / 8 + shift}};
                     faceDC.DrawShadedTriangle(corners, RoleColor(*this, CCOL_STATICBRIGHT),
                                               RoleColor(*this, CCOL_STATICLIGHT));
                 });
}

void CCoolComboBox::Paint(CCoolDC& dc, const RECT& client)
{
    const bool statics = GetStyleNumber() == 1;
    m_faces.Draw(kFaceField, dc.GetSafeHdc(), 0, 0, client.right, client.bottom,
                 [this, statics](CCoolDC& faceDC, const RECT& area) {
                     FillFace(faceDC, *this, area,
                              statics ? CoolFill{CCOL_STATICDARK, CCOL_STATICDARK, CCOL_STATIC}
                                      : CoolFill{CCOL_BACKGROUND, CCOL_SHADOW, CCOL_BACKGROUND},
                              nullptr);
                     RECT inner = area;
                     DrawBevels(faceDC, inner,
                                {{RoleColor(*this, CCOL_SHADOW), RoleColor(*this, CCOL_LIGHT)}});
                 });
    const RECT button = ButtonRect();
    DrawButton(dc, button, SendMessage(CB_GETDROPPEDSTATE) != 0);
    // With an edit part the edit shows the text itself.
    if ((GetStyle() & 3) != CBS_DROPDOWNLIST)
        return;
    RECT area = {client.left + ::GetSystemMetrics(SM_CXEDGE), client.top + ::GetSystemMetrics(SM_CYEDGE),
                 button.left - 1, client.bottom - ::GetSystemMetrics(SM_CYEDGE)};
    if (m_focus && ShowsFocusMark(m_hWnd))
        DrawFocusMark(dc.GetSafeHdc(), area, RoleColor(*this, CCOL_TEXT));
    InflateRect(&area, -kTextInset, 0);
    int role = statics ? CCOL_STATICBRIGHT : CCOL_TEXT;
    if (!IsWindowEnabled())
        role = CCOL_TEXTDISABLED;
    else if (IsHot() || m_focus)
        role = CCOL_TEXTHOT;
    const int selected = GetCurSel();
    DrawCoolCaption(dc, selected >= 0 ? GetLBText(selected) : std::string(), area,
                    DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS,
                    {RoleColor(*this, role), false, 0, 0});
}

bool CCoolComboBox::FaceKey(std::string* key)
{
    const int selected = GetCurSel();
    *key = FaceKeyOf({static_cast<long long>(GetStyle()), GetStyleNumber(), selected,
                      SendMessage(CB_GETDROPPEDSTATE), IsHot(), m_focus, IsWindowEnabled(),
                      static_cast<long long>(SendMessage(WM_QUERYUISTATE))},
                     selected >= 0 ? GetLBText(selected) : std::string());
    return true;
}

bool CCoolComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (IsColorRequest(message)) {
        *result = AnswerColorRequest(reinterpret_cast<HDC>(wParam));
        return true;
    }
    if (message == WM_COMMAND) {
        switch (HIWORD(wParam)) {
        case CBN_SELCHANGE:
        case CBN_DROPDOWN:
        case CBN_CLOSEUP:
            Invalidate(false);
            break;
        default:
            break;
        }
    }
    return CComboBox::OnChildNotify(message, wParam, lParam, result);
}

LRESULT CCoolComboBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (HandleSchemeAndPaint(message, wParam, lParam, &result))
        return result;
    if (IsColorRequest(message))
        return AnswerColorRequest(reinterpret_cast<HDC>(wParam));
    if (m_hover.HandleMessage(m_hWnd, message, wParam, lParam))
        return 0;
    switch (message) {
    case WM_NCPAINT:
        return 0;
    case WM_SIZE:
    case WM_DISPLAYCHANGE:
        m_faces.Drop();
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        m_focus = message == WM_SETFOCUS;
        return Hidden(message, wParam, lParam);
    default:
        if (PaintsAtOnce(message, lParam))
            return Hidden(message, wParam, lParam);
        break;
    }
    return CComboBox::WindowProc(message, wParam, lParam);
}
