#include "skin/controls/press_clock.h"

namespace {

uint64_t WallClockMilliseconds()
{
    FILETIME now = {};
    GetSystemTimeAsFileTime(&now);
    const uint64_t ticks = (static_cast<uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    return ticks / 10000; // 100 ns units
}

const PressClockFunctions kWindows = {WallClockMilliseconds, ::GetDoubleClickTime};
PressClockFunctions g_current = kWindows;

} // namespace

const PressClockFunctions& WindowsPressClockFunctions() { return kWindows; }
const PressClockFunctions& PressClockApi() { return g_current; }
void SetPressClockFunctions(const PressClockFunctions& functions) { g_current = functions; }
void RestoreWindowsPressClockFunctions() { g_current = kWindows; }
