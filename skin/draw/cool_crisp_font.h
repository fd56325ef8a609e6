#pragma once
// Text that the platform draws for a magenta transfer must not be smoothed: a
// smoothed glyph's edge pixels are mixtures with the magenta background, which the
// transfer would copy as pink fringes. The control gets a copy of its font without
// smoothing; the font it was given comes back before the window goes.

#include <windows.h>

#include "platform/gdi_object.h"

class CCoolCrispFont {
public:
    CCoolCrispFont() = default;
    CCoolCrispFont(const CCoolCrispFont&) = delete;
    CCoolCrispFont& operator=(const CCoolCrispFont&) = delete;

    // WM_SETFONT: the font to hand the platform control instead of the given one.
    HFONT Substitute(HFONT given);
    // Gives the window the unsmoothed copy of its font when it has another one.
    void Apply(HWND window);
    // Gives the window back the font it was given (before it is destroyed or let go).
    void Restore(HWND window);

private:
    HFONT m_given = nullptr;
    bool m_restoring = false;
    CFont m_crisp;
    // The copy before: the control may hold it until it has taken the new one.
    CFont m_previous;
};
