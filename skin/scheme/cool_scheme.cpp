#include "skin/scheme/cool_scheme.h"

#include <cstring>

#include "skin/scheme/cool_color_set.h"

namespace {

bool IsRole(int role) { return role >= 0 && role < CCOL_COUNT; }

} // namespace

CCoolScheme::CCoolScheme()
    : m_flags(ToInternalFlags(kDefaultColorSet.renderMode, 0)),
      m_layout{static_cast<int32_t>(0x80000033u), -1, -1, -1, -1, -1, -1},
      m_colors{},
      m_blendLevel(255),
      m_light{0, 0}
{
    // Virtual calls resolve to this class here: the derived window does not exist yet.
    CCoolScheme::SetColor(CCOL_BACKGROUND, kDefaultColorSet.background);
    CCoolScheme::SetColor(CCOL_TEXT, kDefaultColorSet.text);
    CCoolScheme::SetColor(CCOL_STATIC, kDefaultColorSet.statics);
    CCoolScheme::SetColor(CCOL_PEAKHIGH, kDefaultColorSet.peakHigh);
    CCoolScheme::SetColor(CCOL_PEAKLOW, kDefaultColorSet.peakLow);
}

CCoolScheme::~CCoolScheme() = default;

void CCoolScheme::SetColor(int role, COLORREF color)
{
    COLORREF before[CCOL_COUNT];
    std::memcpy(before, m_colors, sizeof(before));
    if (IsRole(role))
        m_colors[role] = color;
    if (m_flags & kAutoShades)
        DeriveShades(role);
    // The same colours again (a container passes its whole scheme on to every child)
    // keep the faces already drawn.
    if (std::memcmp(before, m_colors, sizeof(before)) != 0)
        OnSchemeChanged();
}

void CCoolScheme::DeriveShades(int role)
{
    switch (role) {
    case CCOL_BACKGROUND:
        m_colors[CCOL_SHADOW] = ScaleColor(m_colors[CCOL_BACKGROUND], 0.5f);
        m_colors[CCOL_LIGHT] = ScaleColor(m_colors[CCOL_BACKGROUND], 1.7f);
        break;
    case CCOL_STATIC:
        m_colors[CCOL_STATICDARK] = ScaleColor(m_colors[CCOL_STATIC], 0.5f);
        m_colors[CCOL_STATICLIGHT] = ScaleColor(m_colors[CCOL_STATIC], 1.5f);
        m_colors[CCOL_STATICBRIGHT] = ScaleColor(m_colors[CCOL_STATIC], 3.0f);
        break;
    case CCOL_TEXT:
        m_colors[CCOL_TEXTDISABLED] = ScaleColor(m_colors[CCOL_TEXT], 0.5f);
        m_colors[CCOL_TEXTHOT] = ScaleColor(m_colors[CCOL_TEXT], 2.0f);
        break;
    default:
        break;
    }
}

void CCoolScheme::SetFlags(int renderMode)
{
    const uint32_t before = m_flags;
    m_flags = ToInternalFlags(renderMode, m_flags);
    if (m_flags != before)
        OnSchemeChanged();
}

int CCoolScheme::SetStyle(unsigned) { return 0; }

int CCoolScheme::GetBkBitmap(HBITMAP* bitmap)
{
    if (bitmap != nullptr)
        *bitmap = nullptr;
    return 0;
}

int CCoolScheme::GetBkRect(RECT*) { return 0; }

void CCoolScheme::OnSchemeChanged() {}

int CCoolScheme::GetColor(int role, COLORREF* color) const
{
    if (color == nullptr || !IsRole(role))
        return 0;
    *color = m_colors[role];
    return 1;
}

void CCoolScheme::GetFlags(int* renderMode) const
{
    if (renderMode != nullptr)
        *renderMode = ToRenderMode(m_flags);
}

void CCoolScheme::SetLight(POINT light)
{
    if (m_light.x == light.x && m_light.y == light.y)
        return;
    m_light = light;
    OnSchemeChanged();
}

void CCoolScheme::GetLight(POINT* light) const
{
    if (light != nullptr)
        *light = m_light;
}

void CCoolScheme::UseWindowsColors()
{
    const uint32_t autoShades = m_flags & kAutoShades;
    m_flags &= ~kAutoShades;
    const COLORREF caption = GetSysColor(COLOR_ACTIVECAPTION);
    SetColor(CCOL_BACKGROUND, GetSysColor(COLOR_BTNFACE));
    SetColor(CCOL_SHADOW, GetSysColor(COLOR_BTNSHADOW));
    SetColor(CCOL_LIGHT, GetSysColor(COLOR_BTNHIGHLIGHT));
    SetColor(CCOL_TEXT, GetSysColor(COLOR_BTNTEXT));
    SetColor(CCOL_TEXTDISABLED, GetSysColor(COLOR_GRAYTEXT));
    SetColor(CCOL_TEXTHOT, GetSysColor(COLOR_HIGHLIGHTTEXT));
    SetColor(CCOL_STATICBRIGHT, ScaleColor(caption, 6.0f));
    SetColor(CCOL_STATICLIGHT, ScaleColor(caption, 3.0f));
    SetColor(CCOL_STATICDARK, ScaleColor(caption, 0.75f));
    SetColor(CCOL_STATIC, ScaleColor(caption, 1.5f));
    m_flags |= autoShades;
    OnSchemeChanged();
}

namespace {

// Render-mode bits and the internal flag bits that hold them; reflections are kept
// inverted (the internal bit means flat fills).
struct RenderBit {
    int mode;
    uint32_t flag;
};
constexpr RenderBit kRenderModeBits[] = {
    {RM_BLENDPICTURE, CCoolScheme::kBlendPicture},
    {RM_EMBOSSTEXT, CCoolScheme::kEmbossText},
    {RM_AUTOSHADES, CCoolScheme::kAutoShades},
    {RM_CARRIED, CCoolScheme::kCarried},
};

} // namespace

uint32_t CCoolScheme::ToInternalFlags(int renderMode, uint32_t flags)
{
    uint32_t bits = (renderMode & RM_REFLECTIONS) ? 0 : kFlat;
    for (const RenderBit& bit : kRenderModeBits)
        if (renderMode & bit.mode)
            bits |= bit.flag;
    return (flags & ~kRenderBits) | bits;
}

int CCoolScheme::ToRenderMode(uint32_t flags)
{
    int mode = (flags & kFlat) ? 0 : RM_REFLECTIONS;
    for (const RenderBit& bit : kRenderModeBits)
        if (flags & bit.flag)
            mode |= bit.mode;
    return mode;
}
