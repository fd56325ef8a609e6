#pragma once
// Helpers of the window class layer's tests.

#include <windows.h>

// Dispatches this thread's messages for the given time.
void PumpMessages(DWORD milliseconds);

// A registered window class for plain test windows.
const char* TestWindowClass();
