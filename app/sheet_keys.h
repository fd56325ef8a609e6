#pragma once
// The keyboard inside the main sheet, decided before normal dispatch: F5 onwards
// select pages, F1 does nothing, the hotkeys work inside the sheet while they are
// not registered globally, and Alt with a page's access key selects that page.

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
};

struct SheetKeyDecision {
    SheetKeyOutcome outcome = SheetKeyOutcome::PassOn;
    int value = 0;
};

// What a key message does in a sheet with that many pages and those access keys
// (one upper-case character per page in tab order).
SheetKeyDecision DecideSheetKey(UINT message, WPARAM key, const SheetKeyState& held, int pageCount,
                                bool globalHotkeysRegistered, const std::string& accessKeys);

// The access keys of the tab labels: the character after each label's first "&",
// "-" for a label without one; upper-cased.
std::string AccessKeysOf(const std::vector<std::string>& labels);
