#pragma once
// Dispatching this thread's messages: posted change messages, timers and windows
// of the code under test.
#include <windows.h>

#include <functional>

// Dispatches every message pending now.
void DrainMessages();
// Dispatches messages until the condition holds or the time is up.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs);
void PumpFor(DWORD ms);
