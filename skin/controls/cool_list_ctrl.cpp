#include "skin/controls/cool_list_ctrl.h"

#include "skin/draw/cool_border.h"
#include "skin/controls/cool_control_messages.h"
#include "skin/draw/cool_dc.h"
#include "skin/draw/cool_fill.h"
#include "skin/draw/cool_hidden_paint.h"
#include "skin/controls/cool_paint.h"

namespace {
enum Face { kFaceNormal, kFaceFocused, kFaceCount };
}

CCoolListCtrl::CCoolListCtrl() : m_faces(kFaceCount) {}

CCoolListCtrl::~CCoolListCtrl()
{
    // A dialog's item outlives its object: it gets its own font back.
    if (m_hWnd != nullptr)
        m_transfer.LetGo(m_hWnd);
}

void CCoolListCtrl::OnSchemeChanged()
{
    CCoolControl<CListCtrl>::OnSchemeChanged();
    m_faces.Drop();
    m_colorsSet = false;
    RepaintFace(RDW_INVALIDATE | RDW_FRAME);
}

void CCoolListCtrl::SetListColors()
{
    if (m_colorsSet)
        return;
    m_colorsSet = true;
    SetBkColor(CCoolMagentaTransfer::kMagenta);
    SetTextBkColor(CCoolMagentaTransfer::kMagenta);
    SetTextColor(RoleColor(*this, CCOL_STATICBRIGHT));
}

void CCoolListCtrl::Paint(CCoolDC& dc, const RECT& client)
{
    SetListColors();
    const bool focused = ::GetFocus() == m_hWnd;
    m_faces.Draw(focused ? kFaceFocused : kFaceNormal, dc.GetSafeHdc(), 0, 0, client.right, client.bottom,
                 [this, focused](CCoolDC& faceDC, const RECT& area) {
                     FillFace(faceDC, *this, area, {CCOL_BACKGROUND, CCOL_STATICDARK, CCOL_STATIC}, nullptr);
                     const COLORREF frame = RoleColor(*this, focused ? CCOL_PEAKHIGH : CCOL_STATICDARK);
                     faceDC.Draw3dRect(area, frame, frame);
                 });
    m_transfer.Transfer(dc, client.right, client.bottom, [this](HDC content) {
        CListCtrl::WindowProc(WM_PAINT, reinterpret_cast<WPARAM>(content), 0);
    });
}

LRESULT CCoolListCtrl::CustomDraw(NMLVCUSTOMDRAW* draw)
{
    switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
        // Selected items in the scheme's colours instead of the system's.
        if (draw->nmcd.uItemState & CDIS_SELECTED) {
            draw->nmcd.uItemState &= ~CDIS_SELECTED;
            draw->clrText = RoleColor(*this, CCOL_TEXTHOT);
            draw->clrTextBk = RoleColor(*this, CCOL_STATIC);
        } else {
            draw->clrText = RoleColor(*this, CCOL_STATICBRIGHT);
            draw->clrTextBk = CCoolMagentaTransfer::kMagenta;
        }
        return CDRF_DODEFAULT;
    default:
        return CDRF_DODEFAULT;
    }
}

bool CCoolListCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_NOTIFY && lParam != 0) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        switch (header->code) {
        case NM_CUSTOMDRAW:
            *result = CustomDraw(reinterpret_cast<NMLVCUSTOMDRAW*>(lParam));
            return true;
        case LVN_INSERTITEM:
        case LVN_DELETEITEM:
        case LVN_DELETEALLITEMS:
            // The items moved: all of the content is drawn again. The parent
            // still gets the notification (its answer to LVN_DELETEALLITEMS counts).
            Invalidate(false);
            return false;
        default:
            break;
        }
    }
    return CListCtrl::OnChildNotify(message, wParam, lParam, result);
}

LRESULT CCoolListCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (m_transfer.HandleMessage(m_hWnd, *this, message, wParam, lParam,
                                 [this](UINT platformMessage, WPARAM first, LPARAM second) {
                                     return CListCtrl::WindowProc(platformMessage, first, second);
                                 },
                                 &result) ||
        HandleSchemeAndPaint(message, wParam, lParam, &result))
        return result;
    switch (message) {
    case WM_KEYDOWN:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
        // Scrolling moves pixels on the screen: the whole face is drawn again.
        Invalidate(false);
        return Hidden(message, wParam, lParam);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Invalidate(false);
        return Hidden(message, wParam, lParam);
    case WM_SIZE:
        m_faces.Drop();
        ::EnableScrollBar(m_hWnd, SB_BOTH, ESB_DISABLE_BOTH);
        ::EnableScrollBar(m_hWnd, SB_BOTH, ESB_ENABLE_BOTH);
        break;
    case WM_DISPLAYCHANGE:
        m_faces.Drop();
        break;
    default:
        break;
    }
    return CListCtrl::WindowProc(message, wParam, lParam);
}
