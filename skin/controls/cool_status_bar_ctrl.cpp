#include "skin/controls/cool_status_bar_ctrl.h"

#include <vector>

#include "skin/draw/cool_bevel.h"
#include "skin/draw/cool_caption.h"
#include "skin/controls/cool_control_messages.h"
#include "skin/draw/cool_dc.h"
#include "skin/draw/cool_fill.h"
#include "skin/draw/cool_hidden_paint.h"
#include "skin/controls/cool_paint.h"

namespace {

constexpr int kMaxParts = 256; // the most parts a status bar holds
constexpr int kTextInset = 3;

// Messages after which the platform bar draws at once what it shows.
bool PaintsAtOnce(UINT message)
{
    switch (message) {
    case SB_SETTEXTA:
    case SB_SETTEXTW:
    case SB_SETPARTS:
    case SB_SIMPLE:
    case SB_SETICON:
    case WM_SETTEXT:
    case WM_ENABLE:
        return true;
    default:
        return false;
    }
}

// Other messages that change the face (size, font, depth).
bool ChangesFace(UINT message)
{
    return message == SB_SETMINHEIGHT || message == WM_SETFONT || message == WM_SIZE || message == WM_DISPLAYCHANGE;
}

} // namespace

CCoolStatusBarCtrl::CCoolStatusBarCtrl() = default;

CCoolStatusBarCtrl::~CCoolStatusBarCtrl() = default;

void CCoolStatusBarCtrl::OnSchemeChanged()
{
    CCoolControl<CStatusBarCtrl>::OnSchemeChanged();
    RepaintFace();
}

void CCoolStatusBarCtrl::DrawFace(CCoolDC& dc, const RECT& client)
{
    CScopedSelect font(dc.GetSafeHdc(), ControlFont(m_hWnd));
    FillFace(dc, *this, client, {CCOL_BACKGROUND, CCOL_SHADOW, CCOL_BACKGROUND}, &m_light);
    const bool simple = SendMessage(SB_ISSIMPLE) != 0;
    std::vector<int> edges(kMaxParts, 0);
    int count = simple ? 1 : GetParts(kMaxParts, edges.data());
    if (simple)
        edges[0] = -1;
    count = count < 0 ? 0 : (count > kMaxParts ? kMaxParts : count);
    const COLORREF light = RoleColor(*this, CCOL_LIGHT);
    const COLORREF shadow = RoleColor(*this, CCOL_SHADOW);
    const CoolCaptionColors colors = {RoleColor(*this, IsWindowEnabled() ? CCOL_TEXT : CCOL_TEXTDISABLED),
                                      (m_flags & kEmbossText) != 0, light, shadow};
    int left = 0;
    for (int part = 0; part < count; ++part) {
        const int right = edges[static_cast<size_t>(part)] < 0 ? client.right : edges[static_cast<size_t>(part)];
        if (right <= left)
            continue;
        RECT frame = {left + 1, client.top + 2, right - 1, client.bottom - 1};
        DrawBevels(dc, frame, {{shadow, light}});
        // SB_GETTEXT of the simple mode's part is 255.
        const std::string text = GetText(simple ? 255 : part);
        RECT area = frame;
        InflateRect(&area, -kTextInset, 0);
        DrawCoolCaption(dc, text, area, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX, colors);
        left = right;
    }
}

void CCoolStatusBarCtrl::Paint(CCoolDC& dc, const RECT& client) { DrawFace(dc, client); }

// Kept whole until something it shows changes (then dropped).
bool CCoolStatusBarCtrl::FaceKey(std::string* key)
{
    key->clear();
    return true;
}

LRESULT CCoolStatusBarCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (HandleSchemeAndPaint(message, wParam, lParam, &result))
        return result;
    if (PaintsAtOnce(message)) {
        DropWholeFace();
        return Hidden(message, wParam, lParam);
    }
    if (ChangesFace(message))
        DropWholeFace();
    return CStatusBarCtrl::WindowProc(message, wParam, lParam);
}
