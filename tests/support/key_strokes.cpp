#include "support/key_strokes.h"

#include <vector>

#include "support/message_pump.h"

namespace {

INPUT Key(WORD key, bool up)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

void Send(std::vector<INPUT>& inputs)
{
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

} // namespace

bool PressChordUntil(const std::vector<WORD>& keys, const std::function<bool()>& done, DWORD timeoutMs)
{
    std::vector<INPUT> inputs;
    for (WORD key : keys)
        inputs.push_back(Key(key, false));
    for (auto key = keys.rbegin(); key != keys.rend(); ++key)
        inputs.push_back(Key(*key, true));
    Send(inputs);
    return PumpUntil(done, timeoutMs);
}

bool HoldKeyUntil(WORD key, int repeats, WORD modifier, const std::function<bool()>& done, DWORD timeoutMs)
{
    std::vector<INPUT> inputs;
    if (modifier != 0)
        inputs.push_back(Key(modifier, false));
    for (int i = 0; i <= repeats; ++i)
        inputs.push_back(Key(key, false));
    inputs.push_back(Key(key, true));
    if (modifier != 0)
        inputs.push_back(Key(modifier, true));
    Send(inputs);
    return PumpUntil(done, timeoutMs);
}

void KeyDown(WORD key, int times)
{
    std::vector<INPUT> inputs(static_cast<size_t>(times > 0 ? times : 1), Key(key, false));
    Send(inputs);
}

void KeyUp(WORD key)
{
    std::vector<INPUT> inputs(1, Key(key, true));
    Send(inputs);
}

HWND FocusOfThreadOf(HWND window)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    if (thread == 0 || !GetGUIThreadInfo(thread, &info))
        return nullptr;
    return info.hwndFocus;
}
