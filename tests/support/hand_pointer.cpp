#include "support/hand_pointer.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>

#include "support/message_pump.h"

namespace {

constexpr int kStep = 3; // pixels between two reports

} // namespace

void SendPointer(DWORD flags, POINT screen)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = (screen.x * 65535 + GetSystemMetrics(SM_CXSCREEN) / 2) / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = (screen.y * 65535 + GetSystemMetrics(SM_CYSCREEN) / 2) / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof(input));
    DrainMessages();
}

void GlidePointerTo(POINT screen)
{
    POINT from = {};
    GetCursorPos(&from);
    const int distance = std::max(std::abs(screen.x - from.x), std::abs(screen.y - from.y));
    const int steps = distance / kStep + 1;
    for (int i = 1; i <= steps; ++i) {
        SendPointer(0, {from.x + (screen.x - from.x) * i / steps, from.y + (screen.y - from.y) * i / steps});
        if (i % 8 == 0)
            Sleep(5);
    }
    PumpFor(30);
}

void ClickAt(POINT screen)
{
    GlidePointerTo(screen);
    SendPointer(MOUSEEVENTF_LEFTDOWN, screen);
    PumpFor(30);
    SendPointer(MOUSEEVENTF_LEFTUP, screen);
    PumpFor(100);
}

POINT ScreenPointOf(HWND window, int clientX, int clientY)
{
    POINT point = {clientX, clientY};
    ClientToScreen(window, &point);
    return point;
}

void ClickTab(HWND tabControl, int index)
{
    RECT item = {};
    SendMessageA(tabControl, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    ClickAt(ScreenPointOf(tabControl, (item.left + item.right) / 2, (item.top + item.bottom) / 2));
}
