#include "support/pointer_input.h"

#include "support/message_pump.h"


void PointerTo(int x, int y)
{
    POINT at = {};
    GetCursorPos(&at);
    constexpr int kSteps = 8;
    for (int step = 1; step <= kSteps; ++step) {
        SetCursorPos(at.x + (x - at.x) * step / kSteps, at.y + (y - at.y) * step / kSteps);
        PumpFor(15);
    }
}

void ClickAt(int x, int y, int clicks)
{
    PointerTo(x, y);
    for (int i = 0; i < clicks; ++i)
        for (DWORD flag : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}) {
            INPUT input = {};
            input.type = INPUT_MOUSE;
            input.mi.dwFlags = flag;
            SendInput(1, &input, sizeof(INPUT));
            // Quick enough for a double-click, slow enough for each to be seen.
            PumpFor(60);
        }
    PumpFor(300);
}

void ClickOn(HWND window, int clicks)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    ClickAt((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2, clicks);
}
