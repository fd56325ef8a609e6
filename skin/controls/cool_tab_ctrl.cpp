#include "skin/controls/cool_tab_ctrl.h"

#include <algorithm>

#include "platform/property_page.h"
#include "platform/property_sheet.h"
#include "skin/draw/cool_bevel.h"
#include "skin/draw/cool_caption.h"
#include "skin/controls/cool_control_messages.h"
#include "skin/draw/cool_dc.h"
#include "skin/draw/cool_fill.h"
#include "skin/draw/cool_hidden_paint.h"
#include "skin/controls/cool_paint.h"
#include "skin/scheme/cool_contrast.h"

namespace {

constexpr int kSelectedGrowth = 2; // the selected tab stands out by this much

// Messages after which the platform may draw the tabs at once, or that change them.
bool ChangesTabs(UINT message)
{
    switch (message) {
    case TCM_INSERTITEMA:
    case TCM_INSERTITEMW:
    case TCM_DELETEITEM:
    case TCM_DELETEALLITEMS:
    case TCM_SETITEMA:
    case TCM_SETITEMW:
    case TCM_SETCURSEL:
    case TCM_SETCURFOCUS:
    case TCM_SETITEMSIZE:
    case TCM_SETPADDING:
    case TCM_HIGHLIGHTITEM:
    case TCM_SETEXTENDEDSTYLE:
    case TCM_SETMINTABWIDTH:
    case TCM_DESELECTALL:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_KEYDOWN:
    case WM_SETFONT:
        return true;
    default:
        return false;
    }
}

} // namespace

CCoolTabCtrl::CCoolTabCtrl() = default;

CCoolTabCtrl::~CCoolTabCtrl() = default;

void CCoolTabCtrl::OnSchemeChanged()
{
    CCoolControl<CTabCtrl>::OnSchemeChanged();
    RepaintFace();
}

void CCoolTabCtrl::EnableTab(int index, bool enable)
{
    const auto found = std::find(m_disabled.begin(), m_disabled.end(), index);
    if (enable && found != m_disabled.end())
        m_disabled.erase(found);
    else if (!enable && found == m_disabled.end() && index >= 0)
        m_disabled.push_back(index);
    else
        return;
    OnSchemeChanged();
}

bool CCoolTabCtrl::IsTabEnabled(int index) const
{
    return std::find(m_disabled.begin(), m_disabled.end(), index) == m_disabled.end();
}

COLORREF UnselectedTabCaptionColor(const CCoolScheme& scheme)
{
    // Whichever of the set's text colour, black and white reads best on the face;
    // on any face one of black and white reaches 4.5 : 1.
    const COLORREF face = RoleColor(scheme, CCOL_STATICDARK);
    return MostContrasting(face, {RoleColor(scheme, CCOL_TEXT), RGB(0, 0, 0), RGB(255, 255, 255)});
}

void CCoolTabCtrl::DrawTab(CCoolDC& dc, int index, const RECT& rect, bool selected, RECT* frame)
{
    const COLORREF light = RoleColor(*this, CCOL_LIGHT);
    const COLORREF shadow = RoleColor(*this, CCOL_SHADOW);
    const bool buttons = (GetStyle() & TCS_BUTTONS) != 0;
    RECT inner = rect;
    RECT area = rect;
    CoolCaptionColors colors = {};
    if (buttons) {
        DrawBevels(dc, inner, {selected ? CoolBevel{shadow, light} : CoolBevel{light, shadow}});
        colors = {RoleColor(*this, selected ? CCOL_TEXT : CCOL_TEXTDISABLED), (m_flags & kEmbossText) != 0, shadow,
                  light};
    } else if (selected) {
        InflateRect(&area, kSelectedGrowth, 0);
        area.top -= kSelectedGrowth;
        area.top = std::max(area.top, 0L);
        // The page's frame turns sunken from the tab's bottom edge down.
        frame->top = rect.bottom;
        DrawBevels(dc, *frame, {{shadow, light}});
        inner = area;
        FillFace(dc, *this, area, {CCOL_STATIC, CCOL_STATICDARK, CCOL_STATIC}, nullptr);
        DrawBevels(dc, inner, {{shadow, light}, {shadow, light}});
        colors = {RoleColor(*this, CCOL_STATICBRIGHT), false, 0, 0};
    } else {
        dc.FillSolidRect(area, RoleColor(*this, CCOL_STATICDARK));
        DrawBevels(dc, inner, {{light, shadow}, {shadow, light}});
        colors = {UnselectedTabCaptionColor(*this), false, 0, 0};
    }
    if (!IsTabEnabled(index))
        return;
    const std::string text = GetItemText(index);
    DrawCoolCaption(dc, text, area, DT_CENTER | DT_VCENTER | DT_SINGLELINE, colors);
    if (selected && ::GetFocus() == m_hWnd && !(SendMessage(WM_QUERYUISTATE) & UISF_HIDEFOCUS)) {
        RECT focus = area;
        InflateRect(&focus, -3, -3);
        ::DrawFocusRect(dc.GetSafeHdc(), &focus);
    }
}

void CCoolTabCtrl::DrawFace(CCoolDC& dc, const RECT& client)
{
    CScopedSelect font(dc.GetSafeHdc(), ControlFont(m_hWnd));
    FillFace(dc, *this, client, {CCOL_BACKGROUND, CCOL_SHADOW, CCOL_LIGHT}, &m_light);
    const bool buttons = (GetStyle() & TCS_BUTTONS) != 0;
    const int count = GetItemCount();
    const int selected = GetCurSel();
    // The page area starts below the row of tabs.
    RECT frame = client;
    for (int i = 0; i < count; ++i) {
        RECT item = {};
        if (GetItemRect(i, &item))
            frame.top = std::max(frame.top, item.bottom);
    }
    if (!buttons) {
        RECT raised = frame;
        DrawBevels(dc, raised, {{RoleColor(*this, CCOL_LIGHT), RoleColor(*this, CCOL_SHADOW)}});
    }
    // Unselected tabs first: the selected one stands over its neighbours.
    for (int i = 0; i < count; ++i) {
        RECT item = {};
        if (i != selected && GetItemRect(i, &item))
            DrawTab(dc, i, item, false, &frame);
    }
    RECT item = {};
    if (selected >= 0 && GetItemRect(selected, &item))
        DrawTab(dc, selected, item, true, &frame);
}

int CCoolTabCtrl::KeyTarget(WPARAM key) const
{
    const int current = GetCurSel();
    switch (key) {
    case VK_LEFT:
    case VK_UP:
        return current - 1;
    case VK_RIGHT:
    case VK_DOWN:
        return current + 1;
    case VK_HOME:
        return 0;
    case VK_END:
        return GetItemCount() - 1;
    default:
        return -1;
    }
}

bool CCoolTabCtrl::PageAgreesToLeave() const
{
    CWnd* parent = GetParentWnd();
    if (parent == nullptr || !parent->IsKindOf(&CPropertySheet::classCPropertySheet))
        return true;
    const CPropertyPage* page = static_cast<CPropertySheet*>(parent)->GetActivePage();
    if (page == nullptr || page->m_hWnd == nullptr)
        return true;
    PSHNOTIFY notify = {};
    notify.hdr.hwndFrom = parent->m_hWnd;
    notify.hdr.code = static_cast<UINT>(PSN_KILLACTIVE);
    // A page linked to its object answers directly; a plain dialog page answers in
    // its message result.
    ::SetWindowLongPtrA(page->m_hWnd, DWLP_MSGRESULT, 0);
    const LRESULT answer = ::SendMessageA(page->m_hWnd, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notify));
    const LRESULT refusal = CWnd::FromHandle(page->m_hWnd) != nullptr
                                ? answer
                                : ::GetWindowLongPtrA(page->m_hWnd, DWLP_MSGRESULT);
    return refusal == 0;
}

bool CCoolTabCtrl::MaySelect()
{
    int target = m_keyTarget;
    if (m_mousePress) {
        // A click selects only the tab under the mouse.
        const DWORD position = ::GetMessagePos();
        TCHITTESTINFO hit = {{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))}, 0};
        ScreenToClient(&hit.pt);
        target = HitTest(&hit);
        if (target < 0)
            return false;
    }
    if (target >= 0 && !IsTabEnabled(target))
        return false;
    return PageAgreesToLeave();
}

bool CCoolTabCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_NOTIFY && lParam != 0) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->code == static_cast<UINT>(TCN_SELCHANGING)) {
            *result = MaySelect() ? FALSE : TRUE;
            return true;
        }
        if (header->code == static_cast<UINT>(TCN_SELCHANGE)) {
            DropWholeFace();
            Invalidate(false);
        }
    }
    return CTabCtrl::OnChildNotify(message, wParam, lParam, result);
}

void CCoolTabCtrl::Paint(CCoolDC& dc, const RECT& client) { DrawFace(dc, client); }

// Kept whole until something it shows changes (then dropped).
bool CCoolTabCtrl::FaceKey(std::string* key)
{
    key->clear();
    return true;
}

LRESULT CCoolTabCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (HandleSchemeAndPaint(message, wParam, lParam, &result))
        return result;
    switch (message) {
    case WM_LBUTTONDOWN: {
        m_mousePress = true;
        result = CTabCtrl::WindowProc(message, wParam, lParam);
        m_mousePress = false;
        DropWholeFace();
        Invalidate(false);
        return result;
    }
    case WM_SIZE:
    case WM_DISPLAYCHANGE:
        DropWholeFace();
        break;
    default:
        if (ChangesTabs(message)) {
            DropWholeFace();
            if (message == WM_KEYDOWN) {
                m_keyTarget = KeyTarget(wParam);
                // Not every platform asks before moving by keys: a key towards a
                // disabled tab does nothing.
                if (m_keyTarget >= 0 && m_keyTarget < GetItemCount() && !IsTabEnabled(m_keyTarget)) {
                    m_keyTarget = -1;
                    return 0;
                }
            }
            result = Hidden(message, wParam, lParam);
            m_keyTarget = -1;
            return result;
        }
        break;
    }
    return CTabCtrl::WindowProc(message, wParam, lParam);
}
