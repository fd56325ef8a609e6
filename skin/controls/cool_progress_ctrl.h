#pragma once
// A skinned progress bar: the filled part is copied from a lit face, the rest from
// an unlit one, both cached side by side in one bitmap twice the bar's length;
// a one-pixel bevel frames it. Vertical bars (PBS_VERTICAL) fill from the bottom.
//
// Owns its cached bitmap.

#include <windows.h>

#include "platform/common_controls.h"
#include "skin/draw/cool_bitmap.h"
#include "skin/scheme/cool_scheme.h"

class CCoolDC;

class CCoolProgressCtrl : public CProgressCtrl, public CCoolScheme {
public:
    static const CRuntimeClass classCCoolProgressCtrl;
    const CRuntimeClass* GetRuntimeClass() const override { return &classCCoolProgressCtrl; }

    CCoolProgressCtrl() = default;

    void OnSchemeChanged() override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(CCoolDC& dc);
    void PaintFaces(CCoolDC& dc, int width, int height, bool vertical);

    CCoolBitmap m_faces; // unlit half first, lit half second, along the bar's axis
};
