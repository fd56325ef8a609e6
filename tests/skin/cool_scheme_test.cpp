// Colour arithmetic, scheme roles and render-mode flags of the skinned windows.
#include <gtest/gtest.h>

#include <cstring>

#include "skin/scheme/cool_color_set.h"
#include "skin/scheme/cool_scheme.h"

namespace {

class CountingScheme : public CCoolScheme {
public:
    void OnSchemeChanged() override { ++changes; }
    int changes = 0;
};

COLORREF Role(const CCoolScheme& scheme, int role)
{
    COLORREF color = 0xDEADBEEF;
    EXPECT_EQ(1, scheme.GetColor(role, &color));
    return color;
}

} // namespace

TEST(ScaleColor, BrighteningSpillsIntoTheOtherChannels)
{
    EXPECT_EQ(RGB(255, 165, 90), ScaleColor(RGB(200, 100, 50), 1.5f));
    EXPECT_EQ(0x404040u, ScaleColor(0x808080, 0.5f));
    EXPECT_EQ(0xFFFFFFu, ScaleColor(0xFFFFFF, 2.0f));
    EXPECT_EQ(0x000F0FFFu, ScaleColor(0x0000C8, 1.5f));
    EXPECT_EQ(0u, ScaleColor(0, 6.0f));
    // Rounding: 101 * 0.5 + 0.5 = 51.
    EXPECT_EQ(RGB(51, 0, 0), ScaleColor(RGB(101, 0, 0), 0.5f));
}

TEST(CoolScheme, NewSchemeDerivesItsShadesFromTheDefaults)
{
    CCoolScheme scheme;
    EXPECT_EQ(0x594437u, Role(scheme, CCOL_BACKGROUND));
    EXPECT_EQ(0x6BB6FAu, Role(scheme, CCOL_TEXT));
    EXPECT_EQ(0xB47800u, Role(scheme, CCOL_STATIC));
    EXPECT_EQ(0x0000FFu, Role(scheme, CCOL_PEAKHIGH));
    EXPECT_EQ(0x00FF00u, Role(scheme, CCOL_PEAKLOW));
    EXPECT_EQ(ScaleColor(0x594437, 1.7f), Role(scheme, CCOL_LIGHT));
    EXPECT_EQ(ScaleColor(0x594437, 0.5f), Role(scheme, CCOL_SHADOW));
    EXPECT_EQ(ScaleColor(0xB47800, 0.5f), Role(scheme, CCOL_STATICDARK));
    EXPECT_EQ(ScaleColor(0xB47800, 1.5f), Role(scheme, CCOL_STATICLIGHT));
    EXPECT_EQ(ScaleColor(0xB47800, 3.0f), Role(scheme, CCOL_STATICBRIGHT));
    EXPECT_EQ(ScaleColor(0x6BB6FA, 2.0f), Role(scheme, CCOL_TEXTHOT));
    EXPECT_EQ(ScaleColor(0x6BB6FA, 0.5f), Role(scheme, CCOL_TEXTDISABLED));
    EXPECT_EQ(kDefaultRenderMode, scheme.GetFlags());
    EXPECT_EQ(255, scheme.m_blendLevel);
    EXPECT_EQ(static_cast<int32_t>(0x80000033u), scheme.m_layout.flags);
    EXPECT_EQ(-1, scheme.m_layout.height);
}

TEST(CoolScheme, RolesOutsideTheTwelveAreStoredNowhere)
{
    CountingScheme scheme;
    COLORREF before[CCOL_COUNT];
    std::memcpy(before, scheme.m_colors, sizeof(before));
    scheme.SetColor(12, 0x123456);
    scheme.SetColor(-1, 0x123456);
    EXPECT_EQ(0, std::memcmp(before, scheme.m_colors, sizeof(before)));
    EXPECT_EQ(0, scheme.changes) << "nothing changed, no face is dropped";

    COLORREF untouched = 0xABCDEF;
    EXPECT_EQ(0, scheme.GetColor(12, &untouched));
    EXPECT_EQ(0xABCDEFu, untouched);
    EXPECT_EQ(0, scheme.GetColor(CCOL_TEXT, nullptr));
}

TEST(CoolScheme, ShadesFollowOnlyWithAutoShades)
{
    CountingScheme scheme;
    const COLORREF light = Role(scheme, CCOL_LIGHT);
    const COLORREF shadow = Role(scheme, CCOL_SHADOW);

    scheme.SetFlags(RM_REFLECTIONS);
    scheme.SetColor(CCOL_BACKGROUND, 0x202020);
    EXPECT_EQ(0x202020u, Role(scheme, CCOL_BACKGROUND));
    EXPECT_EQ(light, Role(scheme, CCOL_LIGHT));
    EXPECT_EQ(shadow, Role(scheme, CCOL_SHADOW));

    scheme.SetFlags(RM_REFLECTIONS | RM_AUTOSHADES);
    scheme.SetColor(CCOL_BACKGROUND, 0x202020);
    EXPECT_EQ(ScaleColor(0x202020, 1.7f), Role(scheme, CCOL_LIGHT));
    EXPECT_EQ(0x101010u, Role(scheme, CCOL_SHADOW));
    EXPECT_EQ(4, scheme.changes);
}

TEST(CoolScheme, RenderModeTravelsThroughTheInternalFlags)
{
    for (int mode = 0; mode < 32; ++mode) {
        const uint32_t others = 0xFFFFFFE0u;
        const uint32_t flags = CCoolScheme::ToInternalFlags(mode, others);
        EXPECT_EQ(others, flags & others) << mode;
        EXPECT_EQ(mode, CCoolScheme::ToRenderMode(flags)) << mode;
    }
    // Reflections on means the flat bit is clear.
    EXPECT_EQ(CCoolScheme::kAutoShades, CCoolScheme::ToInternalFlags(kDefaultRenderMode, 0));
    EXPECT_EQ(CCoolScheme::kFlat | CCoolScheme::kBlendPicture, CCoolScheme::ToInternalFlags(RM_BLENDPICTURE, 0));
    EXPECT_EQ(CCoolScheme::kEmbossText | CCoolScheme::kFlat, CCoolScheme::ToInternalFlags(RM_EMBOSSTEXT, 0));
    // Style bits survive a change of render mode.
    CCoolScheme scheme;
    scheme.m_flags |= 2u << CCoolScheme::kStyleShift;
    scheme.SetFlags(RM_EMBOSSTEXT);
    EXPECT_EQ(2u, (scheme.m_flags & CCoolScheme::kStyleMask) >> CCoolScheme::kStyleShift);
    int mode = -1;
    scheme.GetFlags(&mode);
    EXPECT_EQ(RM_EMBOSSTEXT, mode);
}

TEST(CoolScheme, WindowsColorsKeepPeakColoursAndRenderMode)
{
    CountingScheme scheme;
    scheme.SetColor(CCOL_PEAKLOW, 0x010203);
    scheme.SetColor(CCOL_PEAKHIGH, 0x040506);
    scheme.SetFlags(RM_REFLECTIONS | RM_EMBOSSTEXT | RM_AUTOSHADES);
    scheme.UseWindowsColors();

    const COLORREF caption = GetSysColor(COLOR_ACTIVECAPTION);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), Role(scheme, CCOL_BACKGROUND));
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), Role(scheme, CCOL_SHADOW));
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), Role(scheme, CCOL_LIGHT));
    EXPECT_EQ(GetSysColor(COLOR_BTNTEXT), Role(scheme, CCOL_TEXT));
    EXPECT_EQ(GetSysColor(COLOR_GRAYTEXT), Role(scheme, CCOL_TEXTDISABLED));
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHTTEXT), Role(scheme, CCOL_TEXTHOT));
    EXPECT_EQ(ScaleColor(caption, 6.0f), Role(scheme, CCOL_STATICBRIGHT));
    EXPECT_EQ(ScaleColor(caption, 3.0f), Role(scheme, CCOL_STATICLIGHT));
    EXPECT_EQ(ScaleColor(caption, 0.75f), Role(scheme, CCOL_STATICDARK));
    EXPECT_EQ(ScaleColor(caption, 1.5f), Role(scheme, CCOL_STATIC));
    EXPECT_EQ(0x010203u, Role(scheme, CCOL_PEAKLOW));
    EXPECT_EQ(0x040506u, Role(scheme, CCOL_PEAKHIGH));
    EXPECT_EQ(RM_REFLECTIONS | RM_EMBOSSTEXT | RM_AUTOSHADES, scheme.GetFlags());
}

TEST(CoolScheme, LightPointIsKept)
{
    CountingScheme scheme;
    scheme.SetLight(POINT{17, -4});
    POINT light = {};
    scheme.GetLight(&light);
    EXPECT_EQ(17, light.x);
    EXPECT_EQ(-4, light.y);
    EXPECT_EQ(1, scheme.changes);
    EXPECT_EQ(0, scheme.SetStyle(1));
    HBITMAP bitmap = reinterpret_cast<HBITMAP>(1);
    EXPECT_EQ(0, scheme.GetBkBitmap(&bitmap));
    EXPECT_EQ(nullptr, bitmap);
}

TEST(ColorSets, BuiltInTable)
{
    const BuiltInColorSets sets = BuildBuiltInColorSets(nullptr);
    EXPECT_STREQ("- Default -", sets[kColorSetDefault].name);
    EXPECT_STREQ("Midnight Blue", sets[3].name);
    EXPECT_EQ(0, std::memcmp(&sets[kColorSetDefault].colors, &sets[3].colors, sizeof(COOLCOLORSET)));
    EXPECT_STREQ("Hot Metal", sets[8].name);
    EXPECT_EQ(0xEB786Eu, sets[8].colors.statics);
    EXPECT_EQ(8, sets[6].colors.renderMode);

    const COOLCOLORSET own = {1, 2, 3, 4, 5, 0};
    const BuiltInColorSets withDefault = BuildBuiltInColorSets(&own);
    EXPECT_EQ(0, std::memcmp(&own, &withDefault[kColorSetDefault].colors, sizeof(COOLCOLORSET)));
}

TEST(ColorSets, RandomSetsAreFreshEachTime)
{
    const COOLCOLORSET first = MakeRandomColorSet();
    const COOLCOLORSET second = MakeRandomColorSet();
    EXPECT_EQ(9, first.renderMode);
    EXPECT_EQ(9, second.renderMode);
    EXPECT_NE(0, std::memcmp(&first, &second, sizeof(COOLCOLORSET)));
    for (COLORREF color : {first.background, first.text, first.statics, first.peakHigh, first.peakLow})
        EXPECT_EQ(0u, color & 0xFF000000u);
}
