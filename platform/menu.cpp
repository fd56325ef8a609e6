#include "platform/menu.h"

#include "platform/win_app.h"

bool CMenu::LoadMenu(UINT id)
{
    return Take(::LoadMenuA(CWinApp::ResourceHandle(), MAKEINTRESOURCEA(id)));
}

bool CMenu::Take(HMENU menu)
{
    if (!menu)
        return false;
    DestroyMenu();
    m_hMenu = menu;
    m_owned = true;
    return true;
}

HMENU CMenu::Detach()
{
    const HMENU menu = m_hMenu;
    m_hMenu = nullptr;
    m_owned = false;
    return menu;
}

bool CMenu::DestroyMenu()
{
    const bool owned = m_owned;
    const HMENU menu = Detach();
    return menu && (!owned || ::DestroyMenu(menu));
}
