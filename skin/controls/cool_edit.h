#pragma once
// A skinned edit field: the platform draws the text (by magenta transfer) over a
// face in the scheme's colours; style 0 in the background colours, style 1 in the
// static shades.

#include <windows.h>

#include "platform/controls.h"
#include "skin/draw/cool_face_cache.h"
#include "skin/controls/cool_hover.h"
#include "skin/draw/cool_magenta_transfer.h"
#include "skin/controls/cool_control.h"
#include "skin/scheme/cool_scheme.h"
#include "skin/scheme/cool_style_number.h"

class CCoolDC;

class CCoolEdit : public CCoolControl<CEdit> {
public:
    CCoolEdit();
    ~CCoolEdit() override;

    // 0: background colours with the text colour; 1: static shades with the bright
    // static colour. 1 when set (or already set), 0 out of range.
    int SetStyle(unsigned style) override;
    unsigned GetStyleNumber() const { return StyleNumber(*this); }
    void OnSchemeChanged() override;
    bool IsHot() const { return m_hover.IsHot(); }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    void Paint(CCoolDC& dc, const RECT& client) override;

    CCoolMagentaTransfer m_transfer;
    CCoolFaceCache m_faces;
    CCoolHover m_hover;
    bool m_focus = false;
};
