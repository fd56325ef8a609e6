#pragma once
// Keeps a window reachable: a window whose caption is not wholly within the work
// area of a present monitor (after a monitor went away or the resolution changed)
// is moved, as little as needed, so that it is; its size stays.

#include <windows.h>

// The caption's rectangle on the screen: the window's width, from its top to the
// top of its client area.
RECT CaptionRect(HWND window);
// Where a window's top-left corner must go so that a caption of that rectangle
// lies within the work area; a caption wider than the work area starts at its
// left edge. The corner stays where it is when the caption lies there already.
POINT CaptionPlacedIn(const RECT& caption, const RECT& workArea);
// Moves the window there within the work area of its nearest monitor; true when it
// moved.
bool KeepCaptionOnScreen(HWND window);
