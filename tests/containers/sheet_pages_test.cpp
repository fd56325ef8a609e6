// The sheet and its skinned pages: refreshing, the deactivation hook, the light
// point a new page takes and the background a page reports.
#include <gtest/gtest.h>

#include "container_windows.h"
#include "skin/scheme/cool_messages.h"
#include "support/message_pump.h"

TEST(SheetPages, RefreshDeactivationLightPointAndBackground)
{
    TwoPageSheet two;
    CCoolPropertySheet& sheet = two.sheet;
    ASSERT_NE(nullptr, sheet.m_hWnd);

    // Only pages with a window read their settings again.
    sheet.RefreshPages();
    EXPECT_EQ(1, two.first.refreshes);
    EXPECT_EQ(0, two.second.refreshes);
    EXPECT_EQ(0, two.first.GetPageWidth());
    EXPECT_EQ(0, two.first.GetPageHeight());

    // A page comes with the sheet's light point in its own coordinates.
    POINT light = {120, 90};
    sheet.SendMessage(WM_COOL_SETLIGHT, 0, reinterpret_cast<LPARAM>(&light));
    // The deactivation hook can keep a page in front.
    two.first.mayLeave = false;
    EXPECT_FALSE(sheet.SetActivePage(1));
    EXPECT_EQ(0, sheet.GetActiveIndex());
    two.first.mayLeave = true;
    ASSERT_TRUE(sheet.SetActivePage(1));
    POINT expected = light;
    MapWindowPoints(sheet.m_hWnd, two.second.m_hWnd, &expected, 1);
    EXPECT_EQ(expected.x, two.second.m_light.x);
    EXPECT_EQ(expected.y, two.second.m_light.y);
    sheet.RefreshPages();
    EXPECT_EQ(1, two.second.refreshes);

    // A page reports the sheet's background and rectangle as its own.
    HBITMAP fromSheet = nullptr;
    HBITMAP fromPage = nullptr;
    RECT sheetRect = {};
    RECT pageRect = {};
    ASSERT_EQ(1, sheet.GetBkBitmap(&fromSheet));
    ASSERT_EQ(1, static_cast<int>(two.second.SendMessage(WM_COOL_GETBKBITMAP, 0, reinterpret_cast<LPARAM>(&fromPage))));
    EXPECT_EQ(fromSheet, fromPage);
    ASSERT_EQ(1, two.second.GetBkRect(&pageRect));
    sheet.GetBkRect(&sheetRect);
    EXPECT_TRUE(EqualRect(&sheetRect, &pageRect));
    EXPECT_EQ(0, two.second.GetBkRect(nullptr));
    EXPECT_EQ(0, two.second.GetBkBitmap(nullptr));
}
