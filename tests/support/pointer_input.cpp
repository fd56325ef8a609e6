#include "support/pointer_input.h"

#include "support/message_pump.h"

#include <vector>

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
    std::vector<INPUT> presses;
    for (int i = 0; i < clicks; ++i)
        for (DWORD flag : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}) {
            INPUT input = {};
            input.type = INPUT_MOUSE;
            input.mi.dwFlags = flag;
            presses.push_back(input);
        }
    SendInput(static_cast<UINT>(presses.size()), presses.data(), sizeof(INPUT));
    PumpFor(300);
}

void ClickOn(HWND window, int clicks)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    ClickAt((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2, clicks);
}
