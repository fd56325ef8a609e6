#include "support/key_input.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "skin/containers/cool_status_route.h"
#include "support/message_pump.h"

namespace {

// A mouse's pace: a few pixels at a time, each step given time to arrive.
constexpr int kStepPixels = 6;
constexpr DWORD kStepMs = 8;
// After a button changes, the receiver acts before the hand goes on.
constexpr DWORD kButtonMs = 80;

void SendPointer(DWORD flags, POINT screen)
{
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    // Normalised to 0..65535, rounded up so that the system's truncation lands on the pixel.
    input.mi.dx = static_cast<LONG>((static_cast<long long>(screen.x) * 65536 + width - 1) / width);
    input.mi.dy = static_cast<LONG>((static_cast<long long>(screen.y) * 65536 + height - 1) / height);
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof(input));
}

} // namespace

void PressKeys(std::initializer_list<WORD> keys)
{
    std::vector<INPUT> inputs;
    for (WORD key : keys) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        inputs.push_back(input);
    }
    for (auto key = keys.end(); key != keys.begin();) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *--key;
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    PumpFor(400);
}

void TypeText(const std::string& text)
{
    for (char c : text) {
        INPUT keys[2] = {};
        for (INPUT& key : keys) {
            key.type = INPUT_KEYBOARD;
            key.ki.wScan = static_cast<WORD>(static_cast<unsigned char>(c));
            key.ki.dwFlags = KEYEVENTF_UNICODE;
        }
        keys[1].ki.dwFlags |= KEYEVENTF_KEYUP;
        SendInput(2, keys, sizeof(INPUT));
        PumpFor(40);
    }
    PumpFor(200);
}

POINT PointerPosition()
{
    POINT position = {};
    GetCursorPos(&position);
    return position;
}

bool GlideTo(POINT screen)
{
    const POINT from = PointerPosition();
    const int dx = screen.x - from.x;
    const int dy = screen.y - from.y;
    const int distance = std::max(std::abs(dx), std::abs(dy));
    const int steps = std::max(1, (distance + kStepPixels - 1) / kStepPixels);
    for (int step = 1; step <= steps; ++step) {
        SendPointer(0, {from.x + dx * step / steps, from.y + dy * step / steps});
        PumpFor(kStepMs);
    }
    // The system's scaling of the normalised coordinates may round by a pixel.
    const POINT reached = PointerPosition();
    return std::abs(reached.x - screen.x) <= 1 && std::abs(reached.y - screen.y) <= 1;
}

void LeftButton(bool down)
{
    SendPointer(down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP, PointerPosition());
    PumpFor(kButtonMs);
}

void Click()
{
    LeftButton(true);
    LeftButton(false);
}

void ClickAt(POINT screen)
{
    GlideTo(screen);
    Click();
}

void DragTo(POINT screen)
{
    LeftButton(true);
    GlideTo(screen);
    LeftButton(false);
}

HWND FindControl(HWND parent, int id)
{
    if (parent == nullptr)
        return nullptr;
    if (HWND child = GetDlgItem(parent, id))
        return child;
    return FindDescendant(parent, id);
}

POINT ScreenPoint(HWND window, POINT client)
{
    ClientToScreen(window, &client);
    return client;
}

POINT MiddleOf(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void ClickTab(HWND tabControl, int index)
{
    RECT item = {};
    SendMessageA(tabControl, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    ClickAt(ScreenPoint(tabControl, {(item.left + item.right) / 2, (item.top + item.bottom) / 2}));
}
