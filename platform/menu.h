#pragma once
// Menus. A loaded or created menu is owned and destroyed with the object; a
// submenu or system menu is borrowed and left alone.

#include <windows.h>

class CMenu {
public:
    CMenu() = default;
    ~CMenu() { DestroyMenu(); }
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    static CMenu Borrow(HMENU menu) { return CMenu(menu, false); }
    static CMenu GetSystemMenu(HWND window, bool revert) { return Borrow(::GetSystemMenu(window, revert)); }

    bool LoadMenu(UINT id);
    bool CreatePopupMenu() { return Take(::CreatePopupMenu()); }
    bool Attach(HMENU menu) { return Take(menu); }
    HMENU Detach();
    bool DestroyMenu();
    HMENU GetSafeHmenu() const { return m_hMenu; }

    CMenu GetSubMenu(int position) const { return Borrow(::GetSubMenu(m_hMenu, position)); }
    int GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }
    bool AppendMenu(UINT flags, UINT_PTR id, const char* text) const
    {
        return ::AppendMenuA(m_hMenu, flags, id, text) != FALSE;
    }
    bool SetDefaultItem(UINT item, bool byPosition) const { return ::SetMenuDefaultItem(m_hMenu, item, byPosition) != FALSE; }
    BOOL TrackPopupMenu(UINT flags, int x, int y, HWND owner) const
    {
        return ::TrackPopupMenu(m_hMenu, flags, x, y, 0, owner, nullptr);
    }

private:
    CMenu(HMENU menu, bool owned) : m_hMenu(menu), m_owned(owned) {}
    bool Take(HMENU menu);

    HMENU m_hMenu = nullptr;
    bool m_owned = false;
};
