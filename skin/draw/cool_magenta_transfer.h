#pragma once
// Magenta transfer: a control whose content the platform draws (edit text, list
// items) has it drawn on magenta into a memory bitmap; every pixel that is not
// magenta is then copied over the skinned face, so the content shows over the
// face and the platform's background never does.

#include <windows.h>

#include <functional>

#include "platform/gdi_object.h"
#include "skin/draw/cool_crisp_font.h"

class CCoolDC;
class CCoolScheme;

class CCoolMagentaTransfer {
public:
    static constexpr COLORREF kMagenta = RGB(255, 0, 255);

    // The brush to answer colour requests with (owned; made on first use).
    HBRUSH Brush();
    // Answers a colour request: the given text colour on a transparent background,
    // the magenta brush.
    LRESULT AnswerColorRequest(HDC dc, COLORREF text);
    // Lets paintContent draw into a magenta bitmap of width x height and copies it
    // over the face in dc at (0, 0).
    void Transfer(CCoolDC& dc, int width, int height, const std::function<void(HDC content)>& paintContent);

    // The platform's own handling of a message of the control.
    using Platform = std::function<LRESULT(UINT message, WPARAM wParam, LPARAM lParam)>;
    // What every such control does alike: the unsmoothed font before a paint and
    // in place of every font it is given, its own font back on WM_DESTROY, and the
    // border bevel over the platform's frame (WM_NCPAINT). True when handled.
    bool HandleMessage(HWND window, const CCoolScheme& scheme, UINT message, WPARAM wParam, LPARAM lParam,
                       const Platform& platform, LRESULT* result);
    // Before the object lets go of a window that stays (a dialog's item).
    void LetGo(HWND window) { m_font.Restore(window); }

private:
    CBrush m_brush;
    CCoolCrispFont m_font;
};
