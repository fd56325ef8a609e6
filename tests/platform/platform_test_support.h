#pragma once
// Helpers of the window class layer's tests.

#include <windows.h>

// A registered window class for plain test windows.
const char* TestWindowClass();
