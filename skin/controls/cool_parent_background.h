#pragma once
// The part of a container's background that lies behind a control: controls that
// show their container through themselves (sliders, transparent statics) start
// their face with it.

#include <windows.h>

// The parent's background bitmap and its rectangle in screen coordinates, asked
// directly of a skinned parent object, else with WM_COOL_GETBKBITMAP and
// WM_COOL_GETBKRECT. False when the parent has no background to give.
bool GetParentBackground(HWND window, HBITMAP* bitmap, RECT* screenRect);

// Copies what lies behind the window's client area, width x height from its client
// origin, into the target at (x, y). False (and nothing drawn) without a parent
// background.
bool CopyParentBackground(HWND window, HDC target, int x, int y, int width, int height);
