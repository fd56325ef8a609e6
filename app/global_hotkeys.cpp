#include "app/global_hotkeys.h"

#include "platform/win_app.h"
#include "string_ids.h"

int CGlobalHotkeys::Register(HWND window, bool on)
{
    if (window == nullptr || !IsWindow(window))
        return 0;
    m_registered = on;
    const bool all = on ? RegisterAll(window) : UnregisterAll();
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

bool CGlobalHotkeys::UnregisterAll()
{
    bool all = true;
    for (COwnedHotKey& key : m_keys) {
        if (!key.IsHeld())
            continue;
        const WindowIdentifier held = key.Release();
        if (!UnregisterHotKey(held.window, held.id))
            all = false;
    }
    return all;
}

int CGlobalHotkeys::HeldCount() const
{
    int count = 0;
    for (const COwnedHotKey& key : m_keys)
        count += key.IsHeld() ? 1 : 0;
    return count;
}
