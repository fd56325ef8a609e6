#pragma once
// The keyboard inside the main sheet, decided before normal dispatch: F5 onwards
// select pages, F1 does nothing, the hotkeys work inside the sheet while they are
// not registered globally, and Alt with a page's access key selects that page.
// Esc and Enter never end the sheet: Esc ends a drag, else closes the sheet as the
// caption's close button does while the tray icon is shown; Enter presses the
// focused push button. A control that takes either key itself (an open drop-down
// list) gets it.

#include <windows.h>

#include <string>
#include <vector>

struct SheetKeyState {
    bool alt = false;
    bool ctrl = false;
    bool shift = false;
    bool windowsKey = false; // either Windows key
    bool applicationsKey = false;
};

// The keys held now, from the thread's key state.
SheetKeyState CurrentSheetKeyState();

enum class SheetKeyOutcome {
    PassOn,     // normal dispatch
    Swallow,    // consumed, nothing done
    SelectPage, // consumed; value is the page index
    RunHotkey,  // consumed; value is the hotkey ID
    EndDrag,    // consumed; the pointer capture is to be released
    CloseSheet, // consumed; the close command, as from the caption's button
    PressButton, // consumed; the focused push button is to be pressed
};

struct SheetKeyDecision {
    SheetKeyOutcome outcome = SheetKeyOutcome::PassOn;
    int value = 0;
};

// The sheet at the moment of a key.
struct SheetKeyContext {
    int pageCount = 0;
    bool globalHotkeysRegistered = false;
    std::string accessKeys; // one upper-case character per page in tab order
    bool trayIconShown = false;
    bool pointerCaptured = false;   // a drag is in progress
    bool focusWantsKey = false;     // the focused control asks for this very key
    bool focusIsPushButton = false; // an enabled push button has the focus
};

// What a key message does in the sheet.
SheetKeyDecision DecideSheetKey(UINT message, WPARAM key, const SheetKeyState& held, const SheetKeyContext& sheet);

// The access keys of the tab labels: the character after each label's first "&",
// "-" for a label without one; upper-cased.
std::string AccessKeysOf(const std::vector<std::string>& labels);
