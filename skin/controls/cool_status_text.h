#pragma once
// Status text of the application's main window while the mouse is over a control.

#include <windows.h>

class CCoolScheme;

// The window that shows status texts: the application's main window, else the
// control's top-level window.
HWND CoolStatusWindow(HWND control);

// Shows the scheme's status text when one is set, else the string resource of the
// control's ID.
void ShowStatusText(HWND control, const CCoolScheme& scheme);
void ClearStatusText(HWND control);
