#include "app/global_hotkeys.h"

#include "platform/win_app.h"
#include "string_ids.h"

int CGlobalHotkeys::Register(HWND window, bool on)
{
    if (window == nullptr || !IsWindow(window))
        return 0;
    m_registered = on;
    const bool all = on ? RegisterAll(window) : UnregisterAll(window);
    if (!all) {
        const std::string caption = CWinApp::LoadString(IDS_PRODUCT_NAME);
        MessageBoxA(window, on ? kHotkeysNotSetWarning : kHotkeysNotUnregisteredWarning, caption.c_str(), MB_OK);
    }
    return 1;
}

bool CGlobalHotkeys::RegisterAll(HWND window)
{
    bool all = true;
    for (int i = 0; i < kHotkeyCount; ++i) {
        const HotkeyEntry& entry = kHotkeyTable[i];
        COwnedHotKey& key = m_keys[i];
        if (key.IsHeld() && key.Get().window == window)
            continue;
        key.Reset(); // held for another window: that one lets go first
        const int id = static_cast<int>(entry.id);
        if (RegisterHotKey(window, id, entry.modifiers, entry.key))
            key.Reset({window, id});
        else
            all = false;
    }
    return all;
}

bool CGlobalHotkeys::UnregisterAll(HWND window)
{
    // Every key of the table is asked off for the window, also one never obtained:
    // the system refuses that one, and the user hears that not all keys went.
    bool all = true;
    for (int i = 0; i < kHotkeyCount; ++i) {
        COwnedHotKey& key = m_keys[i];
        const WindowIdentifier target =
            key.IsHeld() ? key.Release() : WindowIdentifier{window, static_cast<int>(kHotkeyTable[i].id)};
        if (!UnregisterHotKey(target.window, target.id))
            all = false;
    }
    return all;
}

void CGlobalHotkeys::LetGo()
{
    for (COwnedHotKey& key : m_keys)
        key.Reset();
    m_registered = false;
}

int CGlobalHotkeys::HeldCount() const
{
    int count = 0;
    for (const COwnedHotKey& key : m_keys)
        count += key.IsHeld() ? 1 : 0;
    return count;
}
