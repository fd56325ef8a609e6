#pragma once
// The cached background of a dialog or sheet: drawn on demand at the client size by
// the container's painter, dropped when it no longer fits (scheme change, resize,
// another display depth) so that the next paint draws it again.

#include <windows.h>

#include "skin/draw/cool_bitmap.h"
#include "skin/containers/cool_container_background.h"

class CCoolCachedBackground {
public:
    explicit CCoolCachedBackground(BackgroundPainter paint) : m_paint(std::move(paint)) {}
    CCoolCachedBackground(const CCoolCachedBackground&) = delete;
    CCoolCachedBackground& operator=(const CCoolCachedBackground&) = delete;

    // The background, drawn now when missing (empty for a window without client area).
    CCoolBitmap& Get(HWND window);
    // Its handle, held for drawing until the next use of the bitmap.
    HBITMAP Handle(HWND window);
    void Drop() { DropBitmap(m_bitmap); }

    // Resize: dropped, children laid out. Display depth change: dropped and
    // repainted when the depth differs from the background's.
    void OnWindowMessage(HWND window, UINT message, WPARAM wParam);

private:
    BackgroundPainter m_paint;
    CCoolBitmap m_bitmap;
};

// The client rectangle in screen coordinates; 0 for a null output.
int ClientRectOnScreen(HWND window, RECT* rect);
