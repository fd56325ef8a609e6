#include "skin/scheme/cool_color_set.h"

#include <cstdlib>
#include <ctime>

#include "platform/panel_values.h"
#include "skin/scheme/cool_scheme.h"

namespace {

constexpr COOLCOLORSET kHotMetal = {0x504141, 0xB9B9B9, 0xEB786E, 0x005AFF, 0x00FF00, 9};

constexpr COLORREF ColourOfRole(const COOLCOLORSET& set, int role)
{
    return role == CCOL_BACKGROUND ? set.background
        : role == CCOL_TEXT        ? set.text
        : role == CCOL_STATIC      ? set.statics
        : role == CCOL_PEAKHIGH    ? set.peakHigh
        : role == CCOL_PEAKLOW     ? set.peakLow
                                   : CLR_INVALID;
}

constexpr bool PanelColoursFallBackTo(const COOLCOLORSET& set)
{
    for (const PanelColourValue& colour : kPanelColours)
        if (ColourOfRole(set, colour.role) != colour.fallback)
            return false;
    return true;
}

static_assert(PanelColoursFallBackTo(kHotMetal), "the panel's default colours are the built-in set Hot Metal");

COLORREF RandomColor()
{
    const unsigned high = static_cast<unsigned>(std::rand()) & 0x7FFF;
    const unsigned low = static_cast<unsigned>(std::rand()) & 0x7FFF;
    return ((high << 15) + low) & 0xFFFFFF;
}

} // namespace

COOLCOLORSET MakeRandomColorSet()
{
    // Seeded once: two sets made within the same second must still differ.
    static bool seeded = false;
    if (!seeded) {
        const uint32_t seconds = static_cast<uint32_t>(std::time(nullptr));
        std::srand(seconds * seconds);
        seeded = true;
    }
    COOLCOLORSET set = {};
    set.background = RandomColor();
    set.statics = RandomColor();
    set.peakHigh = RandomColor();
    set.peakLow = RandomColor();
    set.text = RandomColor();
    set.renderMode = kDefaultRenderMode;
    return set;
}

BuiltInColorSets BuildBuiltInColorSets(const COOLCOLORSET* programDefault)
{
    BuiltInColorSets sets = {{
        {"- Default -", programDefault != nullptr ? *programDefault : kDefaultColorSet},
        {"- Random -", MakeRandomColorSet()},
        {"- Windows -", {}},
        {"Midnight Blue", kDefaultColorSet},
        {"Green", {0x5C5C34, 0x6BB6FA, 0x413C32, 0x0000FF, 0x00FFFF, 9}},
        {"Grey 1", {0x4E4E4E, 0xC9C9C9, 0xBABA74, 0xC2C260, 0x616130, 9}},
        {"Black/White", {0x383838, 0xFFFFFF, 0x404040, 0xAAAAAA, 0x666666, 8}},
        {"Grey 2", {0x626258, 0xC9C9C9, 0xBABA74, 0x0064C8, 0x00FF00, 9}},
        {"Hot Metal", kHotMetal},
    }};
    return sets;
}

bool WritePanelColorSet(const COOLCOLORSET& set)
{
    bool written = true;
    for (const PanelColourValue& colour : kPanelColours)
        written = WritePanelColour(colour, ColourOfRole(set, colour.role)) && written;
    return WritePanelRenderMode(static_cast<DWORD>(set.renderMode) | kStoredRenderModeBit) && written;
}

void ApplyColorSet(CCoolScheme& scheme, const COOLCOLORSET& set)
{
    for (const PanelColourValue& colour : kPanelColours)
        scheme.SetColor(colour.role, ColourOfRole(set, colour.role));
    scheme.SetFlags(set.renderMode | RM_AUTOSHADES);
}
