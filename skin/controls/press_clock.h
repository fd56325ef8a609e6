#pragma once
// The clock the skinned sliders time mouse presses with: millisecond wall-clock time
// and the system's double-click time. By default they are Windows' own; a different
// table lets presses be timed without waiting.

#include <windows.h>

#include <cstdint>

struct PressClockFunctions {
    uint64_t (*nowMilliseconds)();
    UINT(WINAPI* doubleClickTime)();
};

const PressClockFunctions& WindowsPressClockFunctions();
const PressClockFunctions& PressClockApi();
void SetPressClockFunctions(const PressClockFunctions& functions);
void RestoreWindowsPressClockFunctions();
