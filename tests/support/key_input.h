#pragma once
// Keys pressed as the keyboard makes them, through the system's input queue.

#include <windows.h>

#include <initializer_list>

// Modifiers down, key down, all up in reverse order; then the receiver is given
// time to act.
void PressKeys(std::initializer_list<WORD> keys);
