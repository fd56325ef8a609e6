#pragma once
// What every skinned control class adds to its platform control class in the same
// way: the scheme, the scheme and paint messages, the platform's handling with the
// window hidden, and the whole face kept for the next paint.

#include <windows.h>

#include <initializer_list>
#include <string>

#include "skin/draw/cool_bitmap.h"
#include "skin/draw/cool_blend_hold.h"
#include "skin/controls/cool_control_messages.h"
#include "skin/draw/cool_hidden_paint.h"
#include "skin/controls/cool_layout.h"
#include "skin/draw/cool_memory_dc.h"
#include "skin/controls/cool_paint.h"
#include "skin/scheme/cool_scheme.h"

class CCoolDC;

template <typename TPlatform>
class CCoolControl : public TPlatform, public CCoolScheme {
public:
    // Derived classes call this first in their own.
    void OnSchemeChanged() override { DropWholeFace(); }

protected:
    // Draws the whole face into the work bitmap (client rectangle from (0, 0)).
    virtual void Paint(CCoolDC& dc, const RECT& client) = 0;
    // Everything the face shows besides the scheme and the size, as a key: a face
    // painted for the same key is shown again as it is. False when the face cannot
    // be kept (the platform draws part of it).
    virtual bool FaceKey(std::string* key) { return false; }
    // A key from numbers and a text.
    static std::string FaceKeyOf(std::initializer_list<long long> values, const std::string& text = std::string())
    {
        std::string key;
        for (long long value : values)
            key += std::to_string(value) + ',';
        return key + text;
    }
    // Repaints the face at the next paint; while a repaint is pending already, a
    // scheme change (a pass-on sends fourteen) costs the system nothing more.
    void RepaintFace(UINT redraw = RDW_INVALIDATE)
    {
        if (this->m_hWnd == nullptr || m_repaintPending)
            return;
        m_repaintPending = true;
        ::RedrawWindow(this->m_hWnd, nullptr, nullptr, redraw);
    }
    void DropWholeFace()
    {
        m_whole.AttachBitmap(nullptr);
        m_wholeKey.clear();
    }

    // The scheme messages, then WM_PAINT, WM_PRINTCLIENT and WM_ERASEBKGND.
    bool HandleSchemeAndPaint(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
    {
        if (HandleSchemeMessage(*this, message, wParam, lParam, result))
            return true;
        switch (message) {
        case WM_NCPAINT:
            m_repaintPending = false;
            return false;
        case WM_SIZE:
        case WM_WINDOWPOSCHANGED: // another place shows another part of the parent
        case WM_ENABLE:
        case WM_SETFONT:
        case WM_DISPLAYCHANGE:
            DropWholeFace();
            return false;
        case WM_PAINT:
        case WM_PRINTCLIENT: {
            if (message == WM_PAINT)
                m_repaintPending = false;
            std::string key;
            if (!FaceKey(&key))
                break;
            if (message == WM_PRINTCLIENT) {
                PaintWhole(reinterpret_cast<HDC>(wParam), key);
            } else {
                CCoolPaintDC dc(this->m_hWnd);
                PaintWhole(dc.GetSafeHdc(), key);
            }
            *result = 0;
            return true;
        }
        default:
            break;
        }
        return HandlePaintMessage(this->m_hWnd, m_layout, message, wParam,
                                  [this](CCoolDC& dc, const RECT& rect) { Paint(dc, rect); }, result);
    }
    // The platform's handling of the message, with the window hidden.
    LRESULT Hidden(UINT message, WPARAM wParam, LPARAM lParam)
    {
        CCoolHiddenPaint hidden(this->m_hWnd);
        return TPlatform::WindowProc(message, wParam, lParam);
    }

private:
    void PaintWhole(HDC target, const std::string& key)
    {
        CaptureLayout(this->m_hWnd, m_layout);
        RECT client = {};
        ::GetClientRect(this->m_hWnd, &client);
        if (target == nullptr || ::IsRectEmpty(&client))
            return;
        if (m_whole.GetWidth() != client.right || m_whole.GetHeight() != client.bottom || key != m_wholeKey) {
            DropWholeFace();
            CCoolMemoryDC dc(target, m_whole, client.right, client.bottom);
            if (!dc.IsValid())
                return;
            CScopedSelect font(dc.GetSafeHdc(), ControlFont(this->m_hWnd));
            Paint(dc, dc.Rect());
            m_wholeKey = key;
        }
        m_whole.Draw(target, 0, 0);
    }

    CCoolBlendHold m_blendLibrary;
    CCoolBitmap m_whole;
    std::string m_wholeKey;
    bool m_repaintPending = false;
};
