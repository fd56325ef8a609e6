#include "skin/controls/cool_edit.h"

#include "skin/draw/cool_border.h"
#include "skin/controls/cool_control_messages.h"
#include "skin/draw/cool_dc.h"
#include "skin/draw/cool_fill.h"
#include "skin/draw/cool_hidden_paint.h"
#include "skin/draw/cool_memory_dc.h"
#include "skin/controls/cool_paint.h"
#include "skin/scheme/cool_style_number.h"

namespace {

enum Face { kFaceNormal, kFaceFocused, kFaceCount };

// Messages after which the platform edit may draw its text at once (content,
// selection, scrolling, focus, input).
bool PaintsAtOnce(UINT message)
{
    switch (message) {
    case WM_CHAR:
    case WM_KEYDOWN:
    case WM_IME_CHAR:
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
    case EM_REPLACESEL:
    case EM_SETSEL:
    case EM_SCROLL:
    case EM_LINESCROLL:
    case EM_SCROLLCARET:
    case EM_SETREADONLY:
    case EM_SETPASSWORDCHAR:
    case WM_SETTEXT:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_TIMER:
        return true;
    default:
        return false;
    }
}

} // namespace

CCoolEdit::CCoolEdit() : m_faces(kFaceCount), m_hover(*this, 0) {}

CCoolEdit::~CCoolEdit()
{
    // A dialog's item outlives its object: it gets its own font back.
    if (m_hWnd != nullptr)
        m_transfer.LetGo(m_hWnd);
}

int CCoolEdit::SetStyle(unsigned style) { return SetStyleNumber(*this, style, 1); }

void CCoolEdit::OnSchemeChanged()
{
    CCoolControl<CEdit>::OnSchemeChanged();
    m_faces.Drop();
    RepaintFace(RDW_INVALIDATE | RDW_FRAME);
}

void CCoolEdit::Paint(CCoolDC& dc, const RECT& client)
{
    const bool statics = GetStyleNumber() == 1;
    const int face = m_focus ? kFaceFocused : kFaceNormal;
    m_faces.Draw(face, dc.GetSafeHdc(), 0, 0, client.right, client.bottom,
                 [this, statics, face](CCoolDC& faceDC, const RECT& area) {
                     FillFace(faceDC, *this, area,
                              statics ? CoolFill{CCOL_STATIC, CCOL_STATICDARK, CCOL_STATIC}
                                      : CoolFill{CCOL_BACKGROUND, CCOL_SHADOW, CCOL_BACKGROUND},
                              nullptr);
                     if (face == kFaceFocused)
                         faceDC.Draw3dRect(area, RoleColor(*this, CCOL_STATIC), RoleColor(*this, CCOL_STATIC));
                 });
    m_transfer.Transfer(dc, client.right, client.bottom, [this](HDC content) {
        CEdit::WindowProc(WM_PAINT, reinterpret_cast<WPARAM>(content), 0);
    });
}

bool CCoolEdit::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const bool statics = GetStyleNumber() == 1;
    if (message == WM_CTLCOLOREDIT) {
        *result = m_transfer.AnswerColorRequest(reinterpret_cast<HDC>(wParam),
                                                RoleColor(*this, statics ? CCOL_STATICBRIGHT : CCOL_TEXT));
        return true;
    }
    if (message == WM_CTLCOLORSTATIC) {
        // Read-only and disabled fields.
        *result = m_transfer.AnswerColorRequest(reinterpret_cast<HDC>(wParam),
                                                RoleColor(*this, statics ? CCOL_STATIC : CCOL_TEXTDISABLED));
        return true;
    }
    return CEdit::OnChildNotify(message, wParam, lParam, result);
}

LRESULT CCoolEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (m_transfer.HandleMessage(m_hWnd, *this, message, wParam, lParam,
                                 [this](UINT platformMessage, WPARAM first, LPARAM second) {
                                     return CEdit::WindowProc(platformMessage, first, second);
                                 },
                                 &result) ||
        HandleSchemeAndPaint(message, wParam, lParam, &result))
        return result;
    switch (message) {
    case WM_MOUSEMOVE:
        if ((wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0)
            m_hover.OnMouseMove(m_hWnd, {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        else
            return Hidden(message, wParam, lParam); // selecting with the mouse
        break;
    case WM_MOUSELEAVE:
        m_hover.OnMouseLeave();
        break;
    case WM_DESTROY:
        m_hover.OnDestroy();
        break;
    case WM_SIZE:
    case WM_DISPLAYCHANGE:
        m_faces.Drop();
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        m_focus = message == WM_SETFOCUS;
        return Hidden(message, wParam, lParam);
    default:
        if (PaintsAtOnce(message))
            return Hidden(message, wParam, lParam);
        break;
    }
    return CEdit::WindowProc(message, wParam, lParam);
}
