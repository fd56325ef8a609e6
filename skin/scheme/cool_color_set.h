#pragma once
// Colour sets: the five user-visible colours and the render mode, as stored in
// the registry (24 bytes, byte for byte), and the nine built-in sets.

#include <windows.h>

#include <array>
#include <cstdint>

#include "skin/scheme/cool_colors.h"

class CCoolScheme;

struct COOLCOLORSET {
    COLORREF background; // role CCOL_BACKGROUND
    COLORREF text;       // role CCOL_TEXT
    COLORREF statics;    // role CCOL_STATIC
    COLORREF peakHigh;   // role CCOL_PEAKHIGH
    COLORREF peakLow;    // role CCOL_PEAKLOW
    int32_t renderMode;
};
static_assert(sizeof(COOLCOLORSET) == 24, "colour sets are stored as 24 bytes");

// The colours and render mode of every new scheme; the built-in sets "- Default -"
// (unless the program has its own) and "Midnight Blue".
constexpr COOLCOLORSET kDefaultColorSet = {0x594437, 0x6BB6FA, 0xB47800, 0x0000FF, 0x00FF00, kDefaultRenderMode};

enum BuiltInColorSet {
    kColorSetDefault = 0,
    kColorSetRandom = 1,
    kColorSetWindows = 2, // holds nothing; choosing it takes the Windows colours
    kBuiltInColorSetCount = 9,
};

struct NamedColorSet {
    const char* name;
    COOLCOLORSET colors;
};

using BuiltInColorSets = std::array<NamedColorSet, kBuiltInColorSetCount>;

// The built-in table; entry 0 is the program's own default set when one is given.
BuiltInColorSets BuildBuiltInColorSets(const COOLCOLORSET* programDefault);

// A fresh random set (render mode 9) from the C library's generator, seeded from
// the clock on first use.
COOLCOLORSET MakeRandomColorSet();

// Stores the set as the panel's own colours, then its render mode with
// RM_AUTOSHADES; false when a value could not be written.
bool WritePanelColorSet(const COOLCOLORSET& set);
// Sets the colours on the scheme in the order the panel applies them (background,
// text, static, peak high, peak low), then the render mode with RM_AUTOSHADES.
void ApplyColorSet(CCoolScheme& scheme, const COOLCOLORSET& set);
