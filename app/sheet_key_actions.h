#pragma once
// What the keyboard policy of a sheet needs to know of its focused control and the
// pointer at a key, and the outcomes every sheet carries out alike: a drag ended,
// the close command, the focused push button pressed, a key swallowed.

#include <windows.h>

#include "app/sheet_keys.h"

// The pointer and focus part of the sheet's key context; the rest stays as given.
void AddFocusAndPointer(HWND sheet, const MSG& message, SheetKeyContext* context);

// Carries out a drag's end, the close command, a button press or a swallowed key;
// false for the outcomes the caller carries out itself (pages, hotkeys, dispatch).
bool CarryOutSheetKey(HWND sheet, const SheetKeyDecision& decision);

// Esc and Enter in a sheet without a tray icon, pages keys or hotkeys (the generic
// mixer sheet): true when the key was taken.
bool HandleSheetEscapeAndEnter(HWND sheet, const MSG& message);
