#pragma once
// A skinned list view: the platform draws the items (by magenta transfer) over a
// face in the scheme's colours, framed in the peak colour while it has the focus.

#include <windows.h>

#include "platform/common_controls.h"
#include "skin/draw/cool_face_cache.h"
#include "skin/draw/cool_magenta_transfer.h"
#include "skin/controls/cool_control.h"
#include "skin/scheme/cool_scheme.h"

class CCoolDC;

class CCoolListCtrl : public CCoolControl<CListCtrl> {
public:
    CCoolListCtrl();
    ~CCoolListCtrl() override;

    void OnSchemeChanged() override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    void Paint(CCoolDC& dc, const RECT& client) override;
    void SetListColors();
    LRESULT CustomDraw(NMLVCUSTOMDRAW* draw);

    CCoolMagentaTransfer m_transfer;
    CCoolFaceCache m_faces;
    bool m_colorsSet = false;
};
