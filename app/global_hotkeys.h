#pragma once
// The 35 global hotkeys of a window, each held by an owner that unregisters it when
// it goes. Registering or unregistering tries every key even after a failure and
// then warns once.

#include "app/hotkey_table.h"
#include "platform/owned_handle.h"

#include <windows.h>

// Shown when some keys failed (fixed texts, not translated).
constexpr const char* kHotkeysNotSetWarning = "Warning: not all hotkeys could be set!";
constexpr const char* kHotkeysNotUnregisteredWarning = "Warning: not all hotkeys could be unregisterd!";

class CGlobalHotkeys {
public:
    // Registers (on) or unregisters (off) every key of the table for the window, in
    // table order; when any call fails, a message box owned by the window says so.
    // Keys already held for the window count as registered; unregistering asks the
    // system for every key, so one never obtained fails and warns. 0 without a
    // window (nothing done, state kept), else 1.
    int Register(HWND window, bool on);

    // Lets every held key go without a word (the sheet going away).
    void LetGo();

    // The state last asked for, even when not every key could follow it.
    bool IsRegistered() const { return m_registered; }
    // How many keys are held now.
    int HeldCount() const;

private:
    bool RegisterAll(HWND window);
    bool UnregisterAll(HWND window);

    COwnedHotKey m_keys[kHotkeyCount];
    bool m_registered = false;
};
