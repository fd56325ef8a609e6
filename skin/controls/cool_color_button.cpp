#include "skin/controls/cool_color_button.h"

#include "platform/common_dialogs.h"
#include "skin/draw/cool_bevel.h"
#include "skin/draw/cool_dc.h"
#include "skin/draw/cool_fill.h"
#include "skin/scheme/cool_messages.h"

namespace {

// The parent's roles that fill the first custom colours, in this order.
constexpr int kParentRoles[] = {CCOL_BACKGROUND, CCOL_TEXT, CCOL_STATIC, CCOL_PEAKHIGH, CCOL_PEAKLOW};
constexpr int kSystemColors[] = {COLOR_BACKGROUND, COLOR_ACTIVECAPTION, COLOR_GRADIENTACTIVECAPTION, COLOR_INFOBK,
                                 COLOR_BTNHIGHLIGHT, COLOR_3DLIGHT, COLOR_BTNFACE, COLOR_BTNSHADOW};
constexpr int kWhiteSlots = 3;
static_assert(sizeof(kParentRoles) / sizeof(kParentRoles[0]) + kWhiteSlots
                      + sizeof(kSystemColors) / sizeof(kSystemColors[0])
                  == CCoolColorButton::kCustomColorCount,
              "sixteen custom colours");

constexpr int kSwatchInset = 3;

} // namespace

CCoolColorButton::CCoolColorButton() : m_color(m_colors[CCOL_BACKGROUND]) {}

void CCoolColorButton::SetColor(COLORREF color)
{
    m_color = color;
    OnSchemeChanged();
    if (m_hWnd != nullptr)
        Invalidate(false);
}

void CCoolColorButton::CustomColors(COLORREF (&colors)[kCustomColorCount]) const
{
    int slot = 0;
    const HWND parent = m_hWnd != nullptr ? GetParent() : nullptr;
    for (int role : kParentRoles) {
        COLORREF color = 0;
        if (parent != nullptr)
            ::SendMessageA(parent, WM_COOL_GETCOLOR, static_cast<WPARAM>(role), reinterpret_cast<LPARAM>(&color));
        colors[slot++] = color;
    }
    for (int white = 0; white < kWhiteSlots; ++white)
        colors[slot++] = 0xFFFFFF;
    for (int index : kSystemColors)
        colors[slot++] = ::GetSysColor(index);
}

bool CCoolColorButton::ChooseColor()
{
    COLORREF custom[kCustomColorCount];
    CustomColors(custom);
    CColorDialog chooser(m_color, CC_RGBINIT | CC_FULLOPEN, m_hWnd);
    chooser.m_cc.lpCustColors = custom;
    if (chooser.DoModal() != IDOK)
        return false;
    SetColor(chooser.GetColor());
    return true;
}

bool CCoolColorButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED)
        return CCoolButton::OnChildNotify(message, wParam, lParam, result);
    // A cancelled chooser keeps the click from the parent.
    if (ChooseColor())
        return false;
    *result = 0;
    return true;
}

RECT CCoolColorButton::SwatchRect(const RECT& face) const
{
    RECT swatch = face;
    InflateRect(&swatch, -kSwatchInset, -kSwatchInset);
    const int side = swatch.bottom - swatch.top;
    switch (GetStyle() & BS_CENTER) {
    case BS_RIGHT: // caption on the right: the square at the left
        swatch.right = swatch.left + side;
        break;
    case BS_LEFT: // caption on the left: the square at the right
        swatch.left = swatch.right - side;
        break;
    default:
        break;
    }
    return swatch;
}

void CCoolColorButton::DrawPushFace(CCoolDC& dc, const RECT& rect, bool down)
{
    FillFace(dc, *this, rect, {CCOL_BACKGROUND, CCOL_SHADOW, CCOL_BACKGROUND}, &m_light);
    const COLORREF light = RoleColor(*this, CCOL_LIGHT);
    const COLORREF shadow = RoleColor(*this, CCOL_SHADOW);
    RECT inner = rect;
    if (down)
        DrawBevels(dc, inner, {{shadow, light}, {shadow, light}});
    else
        DrawBevels(dc, inner, {{light, shadow}});

    RECT swatch = SwatchRect(rect);
    if (swatch.right <= swatch.left || swatch.bottom <= swatch.top)
        return;
    RECT framed = swatch;
    DrawBevels(dc, framed, {{shadow, light}});
    if (framed.right <= framed.left || framed.bottom <= framed.top)
        return;
    if (m_flags & kFlat) {
        dc.FillSolidRect(framed, m_color);
    } else {
        POINT centre = {(framed.left + framed.right) / 2, (framed.top + framed.bottom) / 2};
        dc.DrawShade(framed, ScaleColor(m_color, 0.75f), ScaleColor(m_color, 1.5f), &centre, 0);
    }
}
