#pragma once
// The 35 global hotkeys: ID, modifier set (MOD_ALT 1, MOD_CONTROL 2, MOD_SHIFT 4)
// and virtual-key code, in the order of registration and of the in-window lookup.

#include <windows.h>

constexpr int kHotkeyCount = 35;

struct HotkeyEntry {
    DWORD id;
    DWORD modifiers;
    DWORD key;
};
static_assert(sizeof(HotkeyEntry) == 12, "three 32-bit words per entry");

extern const HotkeyEntry kHotkeyTable[kHotkeyCount];

// The first entry with exactly this modifier set and key, or null.
const HotkeyEntry* FindHotkey(DWORD modifiers, DWORD key);
