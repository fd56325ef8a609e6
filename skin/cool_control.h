#pragma once
// What every skinned control class adds to its platform control class in the same
// way: the scheme, the scheme and paint messages, and the platform's handling with
// the window hidden.

#include <windows.h>

#include "skin/cool_control_messages.h"
#include "skin/cool_hidden_paint.h"
#include "skin/cool_paint.h"
#include "skin/cool_scheme.h"

class CCoolDC;

template <typename TPlatform>
class CCoolControl : public TPlatform, public CCoolScheme {
protected:
    // Draws the whole face into the work bitmap (client rectangle from (0, 0)).
    virtual void Paint(CCoolDC& dc, const RECT& client) = 0;

    // The scheme messages, then WM_PAINT, WM_PRINTCLIENT and WM_ERASEBKGND.
    bool HandleSchemeAndPaint(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
    {
        return HandleSchemeMessage(*this, message, wParam, lParam, result) ||
               HandlePaintMessage(this->m_hWnd, m_layout, message, wParam,
                                  [this](CCoolDC& dc, const RECT& rect) { Paint(dc, rect); }, result);
    }
    // The platform's handling of the message, with the window hidden.
    LRESULT Hidden(UINT message, WPARAM wParam, LPARAM lParam)
    {
        CCoolHiddenPaint hidden(this->m_hWnd);
        return TPlatform::WindowProc(message, wParam, lParam);
    }
};
