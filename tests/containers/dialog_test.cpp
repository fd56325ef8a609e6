// The skinned dialog: the light point each child is given, the first colours taken
// from a skinned parent, flat, shaded and custom backgrounds, the cache dropped when
// it no longer fits, and controls kept in place when the dialog is resized.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "container_windows.h"
#include "skin/containers/cool_anchor_layout.h"
#include "skin/controls/cool_button.h"
#include "skin/scheme/cool_messages.h"
#include "support/dib_canvas.h"
#include "support/message_pump.h"

namespace {

RECT WindowRectIn(HWND window, HWND parent)
{
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool SameRect(const RECT& a, const RECT& b)
{
    return EqualRect(&a, &b) != FALSE;
}

COLORREF CachedPixel(CCoolScheme& scheme, int x, int y)
{
    HBITMAP cache = nullptr;
    scheme.GetBkBitmap(&cache);
    return BitmapPixel(cache, x, y);
}

} // namespace

TEST(CoolDialog, EachChildGetsItsLightPointFromTheDialogs)
{
    HostedDialog hosted(400, 300);
    const struct {
        RECT rect;
        POINT expected;
    } rows[] = {
        {{150, 100, 250, 200}, {50, 50}},  // centred on the light: its own centre
        {{300, 100, 380, 140}, {12, 24}},  // right half: left of its centre by 80 * 140 / 400
        {{0, 0, 100, 50}, {87, 45}},       // top left: 50 + 37 (truncated), 25 + 20
        {{190, 290, 211, 300}, {10, 1}},   // thin strip at the bottom edge: 10 - 0, 5 - 10 * 145 / 300
        {{-20, 150, 20, 170}, {40, 10}},   // partly outside: 20 + 40 * 200 / 400, 10 - 0
    };
    std::vector<std::unique_ptr<ProbeControl>> probes;
    for (const auto& row : rows)
        probes.push_back(std::make_unique<ProbeControl>(hosted.dialog.m_hWnd, row.rect, 2000));
    POINT light = {200, 150};
    EXPECT_EQ(1, hosted.dialog.SendMessage(WM_COOL_SETLIGHT, 0, reinterpret_cast<LPARAM>(&light)));
    for (size_t i = 0; i < probes.size(); ++i) {
        ASSERT_FALSE(probes[i]->lights.empty());
        EXPECT_EQ(rows[i].expected.x, probes[i]->lights.back().x) << "row " << i;
        EXPECT_EQ(rows[i].expected.y, probes[i]->lights.back().y) << "row " << i;
    }
    // A message without its point changes nothing and is not passed on.
    const size_t seen = probes[0]->lights.size();
    EXPECT_EQ(0, hosted.dialog.SendMessage(WM_COOL_SETLIGHT, 0, 0));
    EXPECT_EQ(seen, probes[0]->lights.size());
}

TEST(CoolDialog, TakesItsFirstColoursFromASkinnedParentOnly)
{
    HostedDialog outer(300, 200);
    // The plain host answers no scheme question: the defaults stay.
    EXPECT_EQ(CCoolScheme().m_colors[CCOL_BACKGROUND], outer.dialog.m_colors[CCOL_BACKGROUND]);
    EXPECT_EQ(CCoolScheme().GetFlags(), outer.dialog.GetFlags());

    outer.dialog.SendMessage(WM_COOL_SETFLAGS, 0, RM_EMBOSSTEXT); // also: shades no longer follow
    const COLORREF colours[] = {RGB(1, 2, 3), RGB(10, 20, 30), RGB(40, 50, 60), RGB(70, 80, 90), RGB(100, 110, 120)};
    const int roles[] = {CCOL_BACKGROUND, CCOL_TEXT, CCOL_STATIC, CCOL_PEAKLOW, CCOL_PEAKHIGH};
    for (int i = 0; i < 5; ++i)
        outer.dialog.SendMessage(WM_COOL_SETCOLOR, static_cast<WPARAM>(roles[i]), static_cast<LPARAM>(colours[i]));
    outer.dialog.SendMessage(WM_COOL_SETCOLOR, CCOL_SHADOW, RGB(200, 0, 0)); // not asked for

    CDialogTemplate innerTemplate(WS_CHILD | WS_VISIBLE, 0, 0, 0, 50, 30, "Inner");
    CCoolDialog inner;
    ASSERT_TRUE(inner.CreateIndirect(innerTemplate.Get(), outer.dialog.m_hWnd));
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(colours[i], inner.m_colors[roles[i]]) << "role " << roles[i];
    EXPECT_EQ(RM_EMBOSSTEXT, inner.GetFlags());
    EXPECT_NE(RGB(200, 0, 0), inner.m_colors[CCOL_SHADOW]);
    inner.DestroyWindow();
}

TEST(CoolDialog, FlatShadedAndCustomBackgrounds)
{
    HostedDialog hosted(200, 100);
    CCoolDialog& dialog = hosted.dialog;
    dialog.SendMessage(WM_COOL_SETFLAGS, 0, RM_AUTOSHADES);
    PaintPending();
    EXPECT_EQ(dialog.m_colors[CCOL_BACKGROUND], CachedPixel(dialog, 100, 50));
    EXPECT_EQ(dialog.m_colors[CCOL_BACKGROUND], ScreenPixel(dialog.m_hWnd, 150, 80));

    // Shaded: the light colour at the light point, the shadow in the corners.
    POINT light = {100, 50};
    dialog.SendMessage(WM_COOL_SETLIGHT, 0, reinterpret_cast<LPARAM>(&light));
    dialog.SendMessage(WM_COOL_SETFLAGS, 0, RM_REFLECTIONS | RM_AUTOSHADES);
    EXPECT_TRUE(ColorsNear(dialog.m_colors[CCOL_LIGHT], CachedPixel(dialog, 100, 50), 3));
    EXPECT_TRUE(ColorsNear(dialog.m_colors[CCOL_SHADOW], CachedPixel(dialog, 0, 0), 3));
    EXPECT_TRUE(ColorsNear(dialog.m_colors[CCOL_SHADOW], CachedPixel(dialog, 199, 99), 3));
    // Drawing did not move the dialog's own light point, even where shading clamps it.
    POINT corner = {0, 0};
    dialog.SendMessage(WM_COOL_SETLIGHT, 0, reinterpret_cast<LPARAM>(&corner));
    CachedPixel(dialog, 0, 0);
    EXPECT_EQ(0, dialog.m_light.x);
    EXPECT_EQ(0, dialog.m_light.y);

    // A custom background is shown stretched instead, and reported as the background.
    DibCanvas source(4, 4, RGB(255, 0, 0));
    HBITMAP custom = CreateCompatibleBitmap(source.dc(), 4, 4);
    {
        HDC memory = CreateCompatibleDC(source.dc());
        HGDIOBJ old = SelectObject(memory, custom);
        BitBlt(memory, 0, 0, 4, 4, source.dc(), 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
    }
    dialog.SetCustomBackground(custom);
    PaintPending();
    EXPECT_EQ(RGB(255, 0, 0), ScreenPixel(dialog.m_hWnd, 150, 80));
    HBITMAP reported = nullptr;
    EXPECT_EQ(1, dialog.GetBkBitmap(&reported));
    EXPECT_EQ(custom, reported);
    dialog.SetCustomBackground(nullptr);
    PaintPending();
    EXPECT_NE(RGB(255, 0, 0), ScreenPixel(dialog.m_hWnd, 150, 80));
    EXPECT_EQ(0, dialog.GetBkRect(nullptr));
    EXPECT_EQ(0, dialog.GetBkBitmap(nullptr));
}

TEST(CoolDialog, CacheIsDroppedWhenItNoLongerFits)
{
    HostedDialog hosted(120, 80);
    CCoolDialog& dialog = hosted.dialog;
    dialog.SendMessage(WM_COOL_SETFLAGS, 0, RM_AUTOSHADES);
    HBITMAP first = nullptr;
    dialog.GetBkBitmap(&first);
    const int depth = GetDeviceCaps(GetDC(nullptr), BITSPIXEL);

    HBITMAP same = nullptr;
    dialog.SendMessage(WM_DISPLAYCHANGE, static_cast<WPARAM>(depth), MAKELPARAM(1280, 1024));
    dialog.GetBkBitmap(&same);
    EXPECT_EQ(first, same);

    dialog.SendMessage(WM_DISPLAYCHANGE, 16, MAKELPARAM(1280, 1024));
    dialog.SendMessage(WM_COOL_SETCOLOR, CCOL_BACKGROUND, RGB(9, 9, 9));
    EXPECT_EQ(RGB(9, 9, 9), CachedPixel(dialog, 60, 40)) << "a colour change is drawn anew";

    dialog.SetWindowPos(nullptr, 0, 0, 150, 90, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    HBITMAP resized = nullptr;
    dialog.GetBkBitmap(&resized);
    BITMAP record = {};
    GetObjectA(resized, sizeof(record), &record);
    EXPECT_EQ(150, record.bmWidth);
    EXPECT_EQ(90, record.bmHeight);
}

TEST(CoolDialog, ResizingKeepsDefaultAnchoredControlsAndMovesAnchoredOnes)
{
    HostedDialog hosted(200, 100);
    CCoolDialog& dialog = hosted.dialog;
    ProbeControl fixed(dialog.m_hWnd, {10, 10, 70, 30}, 2001);
    ProbeControl stretched(dialog.m_hWnd, {10, 40, 170, 60}, 2002);
    ProbeControl divided(dialog.m_hWnd, {0, 70, 0, 90}, 2003);
    ProbeControl unpainted(dialog.m_hWnd, {100, 10, 150, 30}, 2004);
    CCoolButton button;
    ASSERT_TRUE(button.Create("BUTTON", "Fixed", WS_CHILD | WS_VISIBLE, {80, 10, 140, 34}, dialog.m_hWnd, 2005));
    dialog.SpreadScheme();
    PaintPending();
    // Captured on the first paint; then the record's anchors are changed.
    ASSERT_GE(fixed.m_layout.flags, 0);
    ASSERT_GE(button.m_layout.flags, 0);
    stretched.m_layout.flags = kAnchorLeft | kAnchorRight | kAnchorTop | kFixedHeight;
    // Stretching with no width and no right margin: the width would divide by 0.
    divided.m_layout = CoolLayout{kAnchorLeft | kAnchorTop | kFixedHeight, 0, 0, 70, 10, 0, 20};
    ShowWindow(unpainted.m_hWnd, SW_HIDE); // never painted: not captured
    unpainted.m_layout.flags = static_cast<int32_t>(0x80000000u | kAnchorRight);

    dialog.SetWindowPos(nullptr, 0, 0, 320, 160, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PaintPending();
    RECT rect = WindowRectIn(fixed.m_hWnd, dialog.m_hWnd);
    EXPECT_TRUE(SameRect(rect, RECT{10, 10, 70, 30}));
    rect = WindowRectIn(button.m_hWnd, dialog.m_hWnd);
    EXPECT_TRUE(SameRect(rect, RECT{80, 10, 140, 34}));
    rect = WindowRectIn(stretched.m_hWnd, dialog.m_hWnd);
    EXPECT_TRUE(SameRect(rect, RECT{10, 40, 290, 60})) << rect.right;
    rect = WindowRectIn(divided.m_hWnd, dialog.m_hWnd);
    EXPECT_TRUE(SameRect(rect, RECT{0, 70, 0, 90}));
    rect = WindowRectIn(unpainted.m_hWnd, dialog.m_hWnd);
    EXPECT_TRUE(SameRect(rect, RECT{100, 10, 150, 30}));
}

TEST(CoolDialog, DraggedMinimisedItShowsItsIcon)
{
    HostedDialog hosted(200, 100);
    HICON icon = LoadIconA(nullptr, IDI_INFORMATION);
    hosted.dialog.SetDialogIcon(icon);
    EXPECT_EQ(reinterpret_cast<LRESULT>(icon), hosted.dialog.SendMessage(WM_QUERYDRAGICON));
}
