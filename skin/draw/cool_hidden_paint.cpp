#include "skin/draw/cool_hidden_paint.h"

CCoolHiddenPaint::CCoolHiddenPaint(HWND window) : m_window(window)
{
    const LONG style = ::GetWindowLongA(window, GWL_STYLE);
    if ((style & WS_VISIBLE) == 0)
        return;
    // The style word alone: ShowWindow would hide and show the window on screen.
    ::SetWindowLongA(window, GWL_STYLE, style & ~WS_VISIBLE);
    m_hid = true;
}

CCoolHiddenPaint::~CCoolHiddenPaint()
{
    if (!m_hid || !::IsWindow(m_window))
        return;
    ::SetWindowLongA(m_window, GWL_STYLE, ::GetWindowLongA(m_window, GWL_STYLE) | WS_VISIBLE);
    ::InvalidateRect(m_window, nullptr, FALSE);
}
