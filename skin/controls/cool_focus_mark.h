#pragma once
// The focus mark every skinned control shares: a dotted frame in the scheme's text
// colour, which each colour set keeps readable against its background. It shows
// while the control has the focus and its dialog shows keyboard cues, as the
// standard controls' focus rectangle does.

#include <windows.h>

// True when the window has the focus and the keyboard-cue state does not hide it.
bool ShowsFocusMark(HWND window);

// A one-pixel dotted frame along the inside of rect.
void DrawFocusMark(HDC dc, const RECT& rect, COLORREF color);
