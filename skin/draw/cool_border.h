#pragma once
// The non-client border of skinned fields (edits, lists): drawn over what the
// platform drew there, a light-over-dark bevel outermost, dark over light inside.

#include <windows.h>

class CCoolScheme;

// Border rings the window's styles give it (WS_BORDER, client and static edges).
int BorderRings(HWND window);
void DrawBorderBevel(HWND window, const CCoolScheme& scheme);
