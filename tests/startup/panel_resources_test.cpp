// The panel's own icon and tray menu, as the sheet and the tray load them.
#include "panel_ids.h"
#include "platform/owned_handle.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

TEST(PanelResources, IconInEverySizeTheSystemAsksFor)
{
    for (int size : {16, 32, 48}) {
        SCOPED_TRACE(size);
        COwnedIcon icon(static_cast<HICON>(
            LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_PANEL), IMAGE_ICON, size, size, 0)));
        ASSERT_TRUE(icon.IsHeld());
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon.Get(), &info));
        BITMAP colour = {};
        GetObjectA(info.hbmColor, sizeof(colour), &colour);
        EXPECT_EQ(size, colour.bmWidth);
        EXPECT_EQ(32, colour.bmBitsPixel);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
    EXPECT_NE(nullptr, LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_PANEL)));
}

TEST(PanelResources, TrayMenuShowsShowAndExit)
{
    COwnedMenu menu(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDM_TRAY)));
    ASSERT_TRUE(menu.IsHeld());
    ASSERT_EQ(1, GetMenuItemCount(menu.Get()));
    HMENU popup = GetSubMenu(menu.Get(), 0);
    ASSERT_NE(nullptr, popup);
    ASSERT_EQ(2, GetMenuItemCount(popup));
    const struct {
        UINT id;
        const char* text;
    } items[] = {{32773, "Show"}, {32772, "Exit"}};
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(items[i].id, GetMenuItemID(popup, i));
        char text[32] = {};
        GetMenuStringA(popup, static_cast<UINT>(i), text, sizeof(text), MF_BYPOSITION);
        EXPECT_STREQ(items[i].text, text);
    }
}
