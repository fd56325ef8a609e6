#pragma once
// A skinned scroll bar control: it draws every part itself and handles the mouse
// itself (clicks on the arrows and the track, dragging the thumb), sending the
// parent the scroll codes a platform scroll bar sends. Keys stay the platform's.

#include <windows.h>

#include <string>

#include "platform/controls.h"
#include "skin/controls/cool_hover.h"
#include "skin/controls/cool_control.h"
#include "skin/scheme/cool_scheme.h"

class CCoolDC;

// Where the parts of a scroll bar lie, from its length, thickness, arrow size and
// what it holds (range, page, position). Along the bar, "low" is the top or left.
struct CoolScrollGeometry {
    RECT firstArrow;
    RECT secondArrow;
    RECT thumb;      // empty when the bar has no room for one
    RECT pageBefore; // between the first arrow and the thumb, inset across the bar
    RECT pageAfter;
};

// Thumb from a + (position - minimum) x T / n to a + (position - minimum + page) x
// T / n, with T the track length and n the number of positions; at least
// kMinimumThumb long where the track has room, and kept inside the track.
CoolScrollGeometry ComputeScrollGeometry(bool vertical, int length, int thickness, int arrow, int minimum,
                                         int maximum, int page, int position);
// The position a thumb starting at thumbStart stands for (track from arrow to
// length - arrow).
int ScrollPositionAt(int thumbStart, int length, int arrow, int minimum, int maximum);

class CCoolScrollBar : public CCoolControl<CScrollBar> {
public:
    enum Part { kNone, kFirstArrow, kSecondArrow, kThumb, kPageBefore, kPageAfter };
    static constexpr int kMinimumThumb = 6;
    static constexpr int kPageInset = 4;

    CCoolScrollBar();
    ~CCoolScrollBar() override;

    void OnSchemeChanged() override;
    bool IsVertical() const { return (GetStyle() & SBS_VERT) != 0; }
    bool IsDragging() const { return m_dragging; }
    bool IsHot() const { return m_hover.IsHot(); }
    // The part at a client point (kNone outside every part).
    Part PartAt(POINT point) const;
    const CoolScrollGeometry& Geometry() const { return m_parts; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Recompute();
    void Paint(CCoolDC& dc, const RECT& client) override;
    bool FaceKey(std::string* key) override;
    void DrawArrow(CCoolDC& dc, const RECT& rect, bool first, bool pressed);
    void OnButtonDown(POINT point);
    void OnDrag(POINT point);
    void OnButtonUp();
    void Send(int code, int position = 0) const;

    CoolScrollGeometry m_parts = {};
    Part m_pressed = kNone;
    bool m_dragging = false;
    POINT m_dragStart = {};
    int m_dragThumbStart = 0; // thumb's start along the bar when the drag began
    int m_dragPosition = 0;   // last position sent while dragging
    CCoolHover m_hover;
};
