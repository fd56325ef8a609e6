#pragma once
// Keys as a hand gives them, through the system's input queue, for tests that wait
// for what the keys do rather than for a fixed time: a chord, a key held down with
// the keyboard's repeats, and the focus of another program's window.
#include <windows.h>

#include <functional>
#include <vector>

// Modifiers and key down, then all up in reverse order; then this thread's messages
// are dispatched until done holds (true) or the time is up (false).
bool PressChordUntil(const std::vector<WORD>& keys, const std::function<bool()>& done, DWORD timeoutMs);

// The key goes down, repeats (as a held key repeats) and comes up, with the given
// modifier held throughout (0: none); then messages as above.
bool HoldKeyUntil(WORD key, int repeats, WORD modifier, const std::function<bool()>& done, DWORD timeoutMs);

// A key pressed (and repeated times - 1 more, as a held key repeats) without release,
// and its release.
void KeyDown(WORD key, int times = 1);
void KeyUp(WORD key);

// The window with the keyboard focus on the thread that owns the window (any process).
HWND FocusOfThreadOf(HWND window);
