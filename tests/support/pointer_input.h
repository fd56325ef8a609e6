#pragma once
// The pointer as a hand moves it: in small steps from where it is, then buttons
// pressed and released through the system's input queue.
#include <windows.h>

void PointerTo(int x, int y);
void ClickAt(int x, int y, int clicks = 1);
// The middle of a window.
void ClickOn(HWND window, int clicks = 1);
