#pragma once
// A skinned static control: a label or picture over a face like a dialog's (style
// 0), a display in the static shades (style 1), or over its container's background
// (style 2). It lights up under the mouse, can scroll a value while the mouse
// hovers over it, and is a container: it passes its scheme on to its own children.

#include <windows.h>

#include <string>

#include "platform/controls.h"
#include "platform/window_timer.h"
#include "skin/draw/cool_face_cache.h"
#include "skin/controls/cool_hover.h"
#include "skin/controls/cool_control.h"
#include "skin/scheme/cool_scheme.h"
#include "skin/scheme/cool_scheme_relay.h"
#include "skin/scheme/cool_style_number.h"

class CCoolDC;

class CCoolStatic : public CCoolControl<CStatic> {
public:
    // Option bits.
    static constexpr unsigned kHoverScroll = 2;
    static constexpr unsigned kNoHoverHighlight = 4;
    // State bits.
    static constexpr unsigned kStateHot = 4;

    CCoolStatic();
    ~CCoolStatic() override;

    // 0 like a dialog, 1 display, 2 transparent. 1 when set (or already set), 0 out
    // of range.
    int SetStyle(unsigned style) override;
    unsigned GetStyleNumber() const { return StyleNumber(*this); }
    void SetOptions(unsigned options);
    unsigned GetOptions() const { return m_options; }
    unsigned GetState() const { return m_hover.IsHot() ? kStateHot : 0; }

    // The hover-scrolled value and the step that each 100 ms tick adds to it.
    int GetScrollValue() const { return m_scrollValue; }
    void SetScrollValue(int value) { m_scrollValue = value; }
    int GetScrollStep() const { return m_scrollStep; }
    // Step for a point at height y of a control height high: -4 at the top, 0 in
    // the middle, +3 or +4 at the bottom.
    static int ScrollStepAt(int y, int height);

    // As a container: its face is the background its children show through.
    int GetBkBitmap(HBITMAP* bitmap) override;
    int GetBkRect(RECT* rect) override;
    void OnSchemeChanged() override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(CCoolDC& dc, const RECT& client) override;
    bool FaceKey(std::string* key) override;
    CCoolBitmap* Face(HDC compatible);
    void DrawContent(CCoolDC& dc, const RECT& client);
    bool WantsMouse() const;
    // No text or picture of its own (or a container): nothing to light up.
    bool ShowsOnlyBackground() const;
    void OnMouseMove(POINT point);
    void OnScrollTick();
    void StopScrolling();
    void RepaintWithParent();
    void PassSchemeOn();

    CCoolFaceCache m_faces;
    CCoolHover m_hover;
    CWindowTimer m_scrollTimer;
    unsigned m_options = 0;
    int m_scrollValue = 0;
    int m_scrollStep = 0;
    CCoolSchemeRelay m_relay;
};
