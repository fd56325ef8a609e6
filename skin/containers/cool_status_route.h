#pragma once
// Status texts arriving at a dialog or sheet: they are shown by its status bar, the
// descendant window with the class library's status bar ID.

#include <windows.h>

constexpr int kStatusBarId = 59393;

// Answers a status-text message: with a text pointer that text, else the string
// resource of the ID up to its first newline (ID 0: empty), goes to the status
// bar; the ID is remembered in lastId. Without a status bar nothing is shown.
LRESULT RouteStatusText(HWND window, WPARAM id, LPARAM text, UINT* lastId);

// The first descendant with that ID, or null.
HWND FindDescendant(HWND window, int id);
