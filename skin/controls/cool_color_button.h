#pragma once
// A skinned button that shows one colour in a swatch and lets the user change it
// with the system's colour chooser. The click reaches the parent only when a colour
// was chosen; the parent then reads it with GetColor.

#include <windows.h>

#include "skin/controls/cool_button.h"

class CCoolColorButton : public CCoolButton {
public:
    // The chooser's sixteen custom colours.
    static constexpr int kCustomColorCount = 16;

    CCoolColorButton();

    // Stores the colour and shows it.
    void SetColor(COLORREF color);
    COLORREF GetColor() const { return m_color; }
    // The sixteen custom colours the chooser offers: the parent's background, text,
    // static, peak high and peak low colours, three white, then system colours.
    void CustomColors(COLORREF (&colors)[kCustomColorCount]) const;

    // CCoolScheme's SetColor stays reachable by role.
    using CCoolButton::SetColor;

protected:
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void DrawPushFace(CCoolDC& dc, const RECT& rect, bool down) override;

private:
    // Runs the chooser; true when the user took a colour.
    bool ChooseColor();
    RECT SwatchRect(const RECT& face) const;

    COLORREF m_color;
};
