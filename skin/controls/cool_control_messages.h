#pragma once
// The scheme messages every skinned control answers in its window procedure, in one
// place: colours, light point, render mode, background and the layout record.

#include <windows.h>

class CCoolScheme;

// True when the message is a scheme message; result then holds the answer. Setting
// messages call the scheme's operations, so the control's OnSchemeChanged runs.
bool HandleSchemeMessage(CCoolScheme& scheme, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
