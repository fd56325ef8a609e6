// Creating and destroying windows, dialogs and GDI objects leaves nothing behind.
#include "platform/dc.h"
#include "platform/dialog.h"
#include "platform/dialog_template.h"
#include "platform/gdi_object.h"
#include "platform/image_list.h"
#include "platform/menu.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "platform_test_support.h"
#include "support/message_pump.h"

namespace {

constexpr int kRounds = 200;

BOOL CALLBACK CountWindow(HWND, LPARAM count)
{
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

int ThreadWindowCount()
{
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

} // namespace

TEST(Resources, WindowsDialogsAndGdiObjectsAreReleased)
{
    const char* windowClass = TestWindowClass();
    const CDialogTemplate dialogTemplate(WS_POPUP | WS_CAPTION, 0, 0, 0, 80, 40, "A");
    const HANDLE process = GetCurrentProcess();
    const DWORD gdiBefore = GetGuiResources(process, GR_GDIOBJECTS);
    const DWORD userBefore = GetGuiResources(process, GR_USEROBJECTS);
    const int windowsBefore = ThreadWindowCount();
    const size_t linkedBefore = CWnd::LinkedWindowCount();

    std::vector<HGDIOBJ> gdiHandles;
    std::vector<HWND> windows;
    std::vector<HMENU> menus;
    for (int i = 0; i < kRounds; ++i) {
        CWnd window;
        ASSERT_TRUE(window.CreateEx(0, windowClass, "", WS_POPUP, {0, 0, 20, 20}, nullptr, 0));
        CDialog dialog;
        ASSERT_TRUE(dialog.CreateIndirect(dialogTemplate.Get(), window.m_hWnd));
        windows.push_back(window.m_hWnd);
        windows.push_back(dialog.m_hWnd);

        CClientDC screen(window.m_hWnd);
        CDC memory;
        ASSERT_TRUE(memory.CreateCompatibleDC(screen.GetSafeHdc()));
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.CreateCompatibleBitmap(screen.GetSafeHdc(), 16, 16));
        CPen pen;
        ASSERT_TRUE(pen.CreatePen(PS_SOLID, 1, RGB(1, 2, 3)));
        CBrush brush;
        ASSERT_TRUE(brush.CreateSolidBrush(RGB(4, 5, 6)));
        LOGFONTA logFont = {};
        logFont.lfHeight = 12;
        CFont font;
        ASSERT_TRUE(font.CreateFontIndirect(&logFont));
        {
            CScopedSelect selectBitmap(memory.GetSafeHdc(), bitmap.GetHandle());
            CScopedSelect selectPen(memory.GetSafeHdc(), pen.GetHandle());
            CScopedSelect selectBrush(memory.GetSafeHdc(), brush.GetHandle());
            CScopedSelect selectFont(memory.GetSafeHdc(), font.GetHandle());
            memory.FillSolidRect({0, 0, 16, 16}, RGB(7, 8, 9));
            memory.Draw3dRect({0, 0, 16, 16}, RGB(255, 255, 255), RGB(0, 0, 0));
            EXPECT_TRUE(screen.BitBlt(0, 0, 16, 16, memory.GetSafeHdc(), 0, 0, SRCCOPY));
        }
        gdiHandles.insert(gdiHandles.end(), {memory.GetSafeHdc(), bitmap.GetSafeHandle(), pen.GetSafeHandle(),
                                             brush.GetSafeHandle(), font.GetSafeHandle()});

        CGdiObject borrowed;
        borrowed.Borrow(GetStockObject(BLACK_BRUSH));

        CMenu menu;
        ASSERT_TRUE(menu.CreatePopupMenu());
        menu.AppendMenu(MF_STRING, 1, "Item");
        menus.push_back(menu.GetSafeHmenu());

        CImageList images;
        ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 1));
        EXPECT_EQ(0, images.Add(bitmap.GetHandle(), RGB(255, 0, 255)));
    }
    PumpFor(50);

    for (HGDIOBJ handle : gdiHandles)
        EXPECT_EQ(0u, GetObjectType(handle));
    EXPECT_NE(0u, GetObjectType(GetStockObject(BLACK_BRUSH))) << "a borrowed handle is left alone";
    for (HWND window : windows)
        EXPECT_FALSE(IsWindow(window));
    for (HMENU menu : menus)
        EXPECT_FALSE(IsMenu(menu));
    EXPECT_EQ(windowsBefore, ThreadWindowCount());
    EXPECT_EQ(linkedBefore, CWnd::LinkedWindowCount());

    const DWORD gdiAfter = GetGuiResources(process, GR_GDIOBJECTS);
    const DWORD userAfter = GetGuiResources(process, GR_USEROBJECTS);
    if (gdiBefore == 0 && userBefore == 0 && gdiAfter == 0 && userAfter == 0) {
        std::printf("GetGuiResources reports no counts here; handles were checked one by one instead\n");
    } else {
        EXPECT_EQ(gdiBefore, gdiAfter);
        EXPECT_EQ(userBefore, userAfter);
    }
}
