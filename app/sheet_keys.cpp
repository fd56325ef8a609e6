#include "app/sheet_keys.h"

#include "app/hotkey_table.h"

namespace {

constexpr char kNoAccessKey = '-';

bool IsDown(int key)
{
    return (GetKeyState(key) & 0x8000) != 0;
}

// Upper case as the user's code page has it, so a label and a typed character
// agree beyond ASCII too.
char Upper(char c)
{
    char text[1] = {c};
    CharUpperBuffA(text, 1);
    return text[0];
}

SheetKeyDecision Decision(SheetKeyOutcome outcome, int value = 0)
{
    SheetKeyDecision decision;
    decision.outcome = outcome;
    decision.value = value;
    return decision;
}

SheetKeyDecision PlainKey(WPARAM key, int pageCount)
{
    if (key >= VK_F5 && key < static_cast<WPARAM>(VK_F5 + pageCount))
        return Decision(SheetKeyOutcome::SelectPage, static_cast<int>(key - VK_F5));
    if (key == VK_F1)
        return Decision(SheetKeyOutcome::Swallow);
    return Decision(SheetKeyOutcome::PassOn);
}

// The key code is compared as it is: letters and digits are upper case already,
// and upper-casing would turn function and keypad keys into letters (F4 into S).
SheetKeyDecision HotkeyInWindow(WPARAM key, const SheetKeyState& held)
{
    const DWORD modifiers = (held.alt ? MOD_ALT : 0) | (held.ctrl ? MOD_CONTROL : 0) | (held.shift ? MOD_SHIFT : 0);
    const HotkeyEntry* entry = FindHotkey(modifiers, static_cast<DWORD>(key));
    if (entry == nullptr)
        return Decision(SheetKeyOutcome::PassOn);
    return Decision(SheetKeyOutcome::RunHotkey, static_cast<int>(entry->id));
}

// Esc and Enter as the dialog manager would otherwise turn them into Cancel and
// OK, which end the sheet and with it the panel.
SheetKeyDecision EscapeOrEnter(WPARAM key, const SheetKeyContext& sheet)
{
    if (sheet.focusWantsKey)
        return Decision(SheetKeyOutcome::PassOn);
    if (key == VK_RETURN)
        return Decision(sheet.focusIsPushButton ? SheetKeyOutcome::PressButton : SheetKeyOutcome::Swallow);
    if (sheet.pointerCaptured)
        return Decision(SheetKeyOutcome::EndDrag);
    return Decision(sheet.trayIconShown ? SheetKeyOutcome::CloseSheet : SheetKeyOutcome::Swallow);
}

SheetKeyDecision AccessKey(WPARAM character, const std::string& accessKeys)
{
    const char typed = Upper(static_cast<char>(character));
    const std::string::size_type page = accessKeys.find(typed);
    if (page == std::string::npos)
        return Decision(SheetKeyOutcome::PassOn);
    return Decision(SheetKeyOutcome::SelectPage, static_cast<int>(page));
}

} // namespace

SheetKeyState CurrentSheetKeyState()
{
    SheetKeyState held;
    held.alt = IsDown(VK_MENU);
    held.ctrl = IsDown(VK_CONTROL);
    held.shift = IsDown(VK_SHIFT);
    held.windowsKey = IsDown(VK_LWIN) || IsDown(VK_RWIN);
    held.applicationsKey = IsDown(VK_APPS);
    return held;
}

SheetKeyDecision DecideSheetKey(UINT message, WPARAM key, const SheetKeyState& held, const SheetKeyContext& sheet)
{
    // With any modifier: the dialog manager does not look at them either.
    if (message == WM_KEYDOWN && (key == VK_ESCAPE || key == VK_RETURN))
        return EscapeOrEnter(key, sheet);
    if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) {
        if (!held.alt && !held.ctrl && !held.shift)
            return PlainKey(key, sheet.pageCount);
        if (!sheet.globalHotkeysRegistered && !held.windowsKey && !held.applicationsKey)
            return HotkeyInWindow(key, held);
        return Decision(SheetKeyOutcome::PassOn);
    }
    if (message == WM_SYSCHAR && key <= 0xFF)
        return AccessKey(key, sheet.accessKeys);
    return Decision(SheetKeyOutcome::PassOn);
}

std::string AccessKeysOf(const std::vector<std::string>& labels)
{
    std::string keys;
    for (const std::string& label : labels) {
        const std::string::size_type amp = label.find('&');
        keys.push_back(amp != std::string::npos && amp + 1 < label.size() ? Upper(label[amp + 1]) : kNoAccessKey);
    }
    return keys;
}
