#pragma once
// Colour roles, render-mode bits and colour arithmetic of the skinned windows.

#include <windows.h>

// The twelve colour roles of a scheme.
enum CoolColorRole {
    CCOL_BACKGROUND = 0,
    CCOL_LIGHT = 1,
    CCOL_SHADOW = 2,
    CCOL_STATICDARK = 3,
    CCOL_STATIC = 4,
    CCOL_STATICLIGHT = 5,
    CCOL_STATICBRIGHT = 6,
    CCOL_TEXTHOT = 7,
    CCOL_TEXT = 8,
    CCOL_TEXTDISABLED = 9,
    CCOL_PEAKLOW = 10,
    CCOL_PEAKHIGH = 11,
    CCOL_COUNT = 12,
};

// Render mode: the flags word as it travels in messages, colour sets and the registry.
enum CoolRenderMode : int {
    RM_REFLECTIONS = 1,  // shaded backgrounds; clear = flat fills
    RM_BLENDPICTURE = 2, // pictures blended over what lies below at the blend level
    RM_EMBOSSTEXT = 4,   // embossed captions
    RM_AUTOSHADES = 8,   // setting a base colour recomputes its shades
    RM_CARRIED = 16,     // no meaning of its own; carried unchanged
};

// The render mode of a new scheme and of every built-in colour set but one.
constexpr int kDefaultRenderMode = RM_REFLECTIONS | RM_AUTOSHADES;

// Brightens or darkens a colour by a factor; brightening spills into the other
// channels, so a saturated channel still lightens the colour.
COLORREF ScaleColor(COLORREF color, float factor);
