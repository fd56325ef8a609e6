#pragma once
// A rotary knob over a trackbar: dragging turns it either around its centre
// (rotary) or by vertical movement (linear: the default with TBS_VERT, Shift
// inverts the choice). The parent hears SB_THUMBTRACK while dragging and one
// SB_THUMBPOSITION on release, both as WM_HSCROLL with the position in the high word.
// Keys stay the trackbar's.
//
// Owns its cached face; borrows its parent.

#include <windows.h>

#include "platform/common_controls.h"
#include "skin/draw/cool_face_cache.h"
#include "skin/scheme/cool_scheme.h"

class CCoolDC;

class CCoolCircSlider : public CSliderCtrl, public CCoolScheme {
public:
    static const CRuntimeClass classCCoolCircSlider;
    const CRuntimeClass* GetRuntimeClass() const override { return &classCCoolCircSlider; }

    CCoolCircSlider();

    // Start of the knob's travel and its sweep, radians clockwise from 12 o'clock;
    // by default from 7:30 round to 4:30.
    void SetAngles(double startAngle, double sweepAngle);
    double GetStartAngle() const { return m_startAngle; }
    double GetSweepAngle() const { return m_sweepAngle; }
    // Linear drags past the ends wrap round (off by default: they stop there).
    void SetWrap(bool wrap) { m_wrap = wrap; }
    bool GetWrap() const { return m_wrap; }
    bool IsDragging() const { return m_dragging; }
    bool IsLinearDrag() const { return m_linear; }

    void OnSchemeChanged() override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(CCoolDC& dc);
    void PaintFace(CCoolDC& dc, const RECT& rect);
    void OnButtonDown(WPARAM wParam, POINT point);
    void OnDrag(POINT point);
    void OnButtonUp();
    void Notify(int code, int position) const;
    void ShowDragCursor() const;

    POINT m_dragStart = {0, 0};
    int m_dragStartPosition = 0;
    bool m_linear = false;
    double m_startAngle;
    double m_sweepAngle;
    bool m_wrap = false;
    bool m_dragging = false;
    CCoolFaceCache m_face{1};
};
