#pragma once
// A skinned combo box: the field with the current item and the drop-down button
// drawn from cached faces in the static shades; its edit and list parts coloured
// by the style (0: background colours with the text colour, 1: static shades with
// the bright static colour).

#include <windows.h>

#include <string>

#include "platform/controls.h"
#include "platform/gdi_object.h"
#include "skin/draw/cool_face_cache.h"
#include "skin/controls/cool_hover.h"
#include "skin/controls/cool_control.h"
#include "skin/scheme/cool_scheme.h"
#include "skin/scheme/cool_style_number.h"

class CCoolDC;

class CCoolComboBox : public CCoolControl<CComboBox> {
public:
    CCoolComboBox();
    ~CCoolComboBox() override;

    int SetStyle(unsigned style) override;
    unsigned GetStyleNumber() const { return StyleNumber(*this); }
    void OnSchemeChanged() override;
    bool IsHot() const { return m_hover.IsHot(); }
    // The drop-down button's rectangle (client coordinates).
    RECT ButtonRect() const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    void Paint(CCoolDC& dc, const RECT& client) override;
    bool FaceKey(std::string* key) override;
    void DrawButton(CCoolDC& dc, const RECT& rect, bool down);
    LRESULT AnswerColorRequest(HDC dc);

    CCoolFaceCache m_faces;
    CCoolHover m_hover;
    CBrush m_listBrush;
    bool m_focus = false;
};
