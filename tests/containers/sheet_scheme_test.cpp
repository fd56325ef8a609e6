// One scheme change at the sheet reaches everything: the sheet's own background,
// every page (also one not shown yet) and the controls on them; pages show the
// sheet's background behind them without a seam.
#include <gtest/gtest.h>

#include "container_windows.h"
#include "skin/scheme/cool_messages.h"
#include "support/dib_canvas.h"
#include "support/message_pump.h"

namespace {

constexpr COLORREF kNewBackground = RGB(30, 160, 90);

// A point of the sheet's client area outside the tab control and the buttons.
POINT SheetOnlyPoint(const CCoolPropertySheet& sheet)
{
    RECT tab;
    GetWindowRect(sheet.GetTabControl(), &tab);
    MapWindowPoints(nullptr, sheet.m_hWnd, reinterpret_cast<POINT*>(&tab), 2);
    return {tab.left + 20, tab.bottom + 2};
}

POINT PageCentre(const CCoolPropertyPage& page, const CCoolPropertySheet& sheet)
{
    RECT rect;
    page.GetClientRect(&rect);
    POINT centre = {rect.right - 10, rect.bottom - 10};
    MapWindowPoints(page.m_hWnd, sheet.m_hWnd, &centre, 1);
    return centre;
}

class SheetScheme : public SharedSheetTest {
protected:
    void SetUp() override
    {
        ASSERT_NE(nullptr, s_two->sheet.m_hWnd);
        // Every test starts flat, with the default colours, on the first page.
        CCoolPropertySheet& sheet = s_two->sheet;
        sheet.SendMessage(WM_COOL_SETFLAGS, 0, RM_AUTOSHADES);
        sheet.SendMessage(WM_COOL_SETCOLOR, CCOL_BACKGROUND, CCoolScheme().m_colors[CCOL_BACKGROUND]);
        sheet.SetActivePage(0);
        PaintPending();
    }
};

} // namespace

TEST_F(SheetScheme, OneColourChangeRepaintsSheetPagesAndControls)
{
    TwoPageSheet& two = *s_two; // flat: every probe is exactly the background colour
    CCoolPropertySheet& sheet = two.sheet;
    ASSERT_NE(nullptr, sheet.m_hWnd);
    const COLORREF before = sheet.m_colors[CCOL_BACKGROUND];
    const POINT onSheet = SheetOnlyPoint(sheet);
    const POINT onPage = PageCentre(two.first, sheet);
    ASSERT_NE(nullptr, two.first.control);
    HWND control = two.first.control->m_hWnd;

    EXPECT_EQ(before, ScreenPixel(sheet.m_hWnd, onSheet.x, onSheet.y));
    EXPECT_EQ(before, ScreenPixel(sheet.m_hWnd, onPage.x, onPage.y));
    EXPECT_EQ(before, ScreenPixel(control, 5, 5));
    // The sheet's own skinned OK button: its flat face inside the bevels.
    ASSERT_NE(nullptr, sheet.GetCoolButton(IDOK));
    HWND ok = sheet.GetCoolButton(IDOK)->m_hWnd;
    EXPECT_EQ(before, ScreenPixel(ok, 3, 3));

    EXPECT_EQ(1, sheet.SendMessage(WM_COOL_SETCOLOR, CCOL_BACKGROUND, kNewBackground));
    PaintPending();
    EXPECT_EQ(kNewBackground, ScreenPixel(sheet.m_hWnd, onSheet.x, onSheet.y));
    EXPECT_EQ(kNewBackground, ScreenPixel(sheet.m_hWnd, onPage.x, onPage.y));
    EXPECT_EQ(kNewBackground, ScreenPixel(control, 5, 5));
    EXPECT_EQ(kNewBackground, ScreenPixel(ok, 3, 3));
    // Shades follow on the page and its control as on the sheet.
    EXPECT_EQ(sheet.m_colors[CCOL_LIGHT], two.first.m_colors[CCOL_LIGHT]);
    EXPECT_EQ(sheet.m_colors[CCOL_LIGHT], two.first.control->m_colors[CCOL_LIGHT]);

    // The second page may have no window yet: it shows the new colour when it comes.
    EXPECT_EQ(kNewBackground, two.second.m_colors[CCOL_BACKGROUND]);
    ASSERT_TRUE(sheet.SetActivePage(1));
    PaintPending();
    EXPECT_EQ(kNewBackground, ScreenPixel(sheet.m_hWnd, onPage.x, onPage.y));
    EXPECT_EQ(kNewBackground, ScreenPixel(two.second.control->m_hWnd, 5, 5));
}

TEST_F(SheetScheme, WindowsColoursAndRenderModeReachEveryPageAndControl)
{
    TwoPageSheet& two = *s_two;
    EXPECT_EQ(1, two.sheet.SendMessage(WM_COOL_SYSCOLORS));
    EXPECT_EQ(1, two.sheet.SendMessage(WM_COOL_SETFLAGS, 0, RM_REFLECTIONS | RM_EMBOSSTEXT | RM_AUTOSHADES));
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(face, two.sheet.m_colors[CCOL_BACKGROUND]);
    for (const CCoolScheme* scheme : {static_cast<const CCoolScheme*>(&two.first),
                                      static_cast<const CCoolScheme*>(&two.second),
                                      static_cast<const CCoolScheme*>(two.first.control.get())}) {
        EXPECT_EQ(face, scheme->m_colors[CCOL_BACKGROUND]);
        EXPECT_EQ(two.sheet.m_colors[CCOL_STATIC], scheme->m_colors[CCOL_STATIC]);
        EXPECT_EQ(RM_REFLECTIONS | RM_EMBOSSTEXT | RM_AUTOSHADES, scheme->GetFlags());
    }
}

TEST_F(SheetScheme, PageBackgroundContinuesTheSheetsWithoutSeam)
{
    TwoPageSheet& two = *s_two;
    CCoolPropertySheet& sheet = two.sheet;
    sheet.SendMessage(WM_COOL_SETFLAGS, 0, RM_REFLECTIONS | RM_AUTOSHADES);
    // The light in the page's corner makes a steep shade across the page's edges.
    RECT page;
    two.first.GetWindowRect(&page);
    MapWindowPoints(nullptr, sheet.m_hWnd, reinterpret_cast<POINT*>(&page), 2);
    POINT light = {page.left + 5, page.top + 5};
    sheet.SendMessage(WM_COOL_SETLIGHT, 0, reinterpret_cast<LPARAM>(&light));
    // Without the tab control between them, sheet and page pixels meet directly.
    ShowWindow(sheet.GetTabControl(), SW_HIDE);
    sheet.Invalidate();
    PaintPending();

    HBITMAP cache = nullptr;
    ASSERT_EQ(1, sheet.GetBkBitmap(&cache));
    ASSERT_NE(nullptr, cache);
    const int midX = (page.left + page.right) / 2;
    const int midY = (page.top + page.bottom) / 2;
    const POINT across[] = {
        {page.left - 2, midY}, {page.left - 1, midY}, {page.left, midY}, {page.left + 1, midY},
        {midX, page.top - 2},  {midX, page.top - 1},  {midX, page.top},  {midX, page.top + 1},
        {page.right - 1, midY}, {page.right, midY},   {midX, page.bottom - 1}, {midX, page.bottom},
    };
    for (const POINT& p : across)
        EXPECT_EQ(BitmapPixel(cache, p.x, p.y), ScreenPixel(sheet.m_hWnd, p.x, p.y)) << p.x << "," << p.y;
    // Neighbours across an edge differ only as much as the shade does.
    for (int i = 0; i + 1 < 4; ++i)
        EXPECT_TRUE(ColorsNear(ScreenPixel(sheet.m_hWnd, across[i].x, across[i].y),
                               ScreenPixel(sheet.m_hWnd, across[i + 1].x, across[i + 1].y), 6));
    EXPECT_NE(BitmapPixel(cache, light.x, light.y), BitmapPixel(cache, page.right - 1, page.bottom - 1))
        << "the shade must vary over the page for the check to mean anything";
    ShowWindow(sheet.GetTabControl(), SW_SHOWNA);
}
