#pragma once
// The pointer moved as a hand moves it, through the system's input queue: small
// steps from where it is, so that every window on the way sees it pass.

#include <windows.h>

// One report of the pointer at a screen point (a move, with button flags if any).
void SendPointer(DWORD flags, POINT screen);
// Moves the pointer to a screen point in steps of a few pixels.
void GlidePointerTo(POINT screen);
// Glides there, then presses and releases the left button.
void ClickAt(POINT screen);
// The screen point of a window's client point.
POINT ScreenPointOf(HWND window, int clientX, int clientY);
// Glides to the middle of a tab of a tab control and clicks it.
void ClickTab(HWND tabControl, int index);
