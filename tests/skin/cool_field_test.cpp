// Skinned combo boxes, edits and lists: faces and colours by style, the colour
// requests of their parts, and the magenta transfer that never shows magenta.
#include <gtest/gtest.h>

#include "one_of_each_dialog.h"
#include "skin_probe.h"
#include "skin_test_ids.h"
#include "support/message_pump.h"

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);

class FieldTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dialog.Open());
        dialog.ApplySet(FlatProbeSet());
        DrainMessages();
    }
    COLORREF Role(int role) const { return RoleOf(dialog, role); }

    OneOfEachDialog dialog;
};

// Magenta, or a mixture of magenta with something else that would show as a pink
// fringe.
bool LooksMagenta(COLORREF color)
{
    return GetRValue(color) > 200 && GetBValue(color) > 200 && GetGValue(color) < 80;
}

int MagentaPixels(const DibCanvas& canvas, SIZE size)
{
    int found = 0;
    for (int y = 0; y < size.cy; ++y)
        for (int x = 0; x < size.cx; ++x)
            found += LooksMagenta(canvas.Pixel(x, y)) ? 1 : 0;
    return found;
}

SIZE WindowSize(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

} // namespace

TEST_F(FieldTest, ComboBoxStylesAndColourRequests)
{
    const HWND combo = dialog.combo.m_hWnd;
    const SIZE size = ClientSize(combo);
    const RECT text = {4, 4, dialog.combo.ButtonRect().left - 2, size.cy - 4};
    // Style 0: the field in the background colour with the text colour; sunken.
    auto face = PrintFace(combo);
    EXPECT_EQ(Role(CCOL_SHADOW), face->Pixel(0, 0));
    EXPECT_EQ(Role(CCOL_LIGHT), face->Pixel(size.cx - 1, size.cy - 1));
    EXPECT_EQ(Role(CCOL_BACKGROUND), face->Pixel(2, size.cy / 2));
    EXPECT_TRUE(Contains(*face, text, Role(CCOL_TEXT)));
    // The drop-down button in the static shades.
    const RECT button = dialog.combo.ButtonRect();
    EXPECT_TRUE(Contains(*face, button, Role(CCOL_STATICBRIGHT)));
    HDC dc = GetDC(combo);
    EXPECT_NE(0, SendMessageA(combo, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc), 0));
    EXPECT_EQ(Role(CCOL_TEXT), GetTextColor(dc));
    EXPECT_EQ(Role(CCOL_BACKGROUND), GetBkColor(dc));

    // Style 1: dark static with the bright static colour.
    EXPECT_EQ(1, dialog.combo.SetStyle(1));
    EXPECT_EQ(0, dialog.combo.SetStyle(2));
    face = PrintFace(combo);
    EXPECT_EQ(Role(CCOL_STATICDARK), face->Pixel(2, size.cy / 2));
    EXPECT_TRUE(Contains(*face, text, Role(CCOL_STATICBRIGHT)));
    EXPECT_FALSE(Contains(*face, text, Role(CCOL_TEXT)));
    // A new brush each time, the previous one released.
    const DWORD gdiBefore = GdiObjectCount();
    for (int i = 0; i < 50; ++i)
        SendMessageA(combo, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), 0);
    EXPECT_EQ(Role(CCOL_STATICBRIGHT), GetTextColor(dc));
    EXPECT_EQ(Role(CCOL_STATICDARK), GetBkColor(dc));
    EXPECT_LE(GdiObjectCount(), gdiBefore + 1);
    ReleaseDC(combo, dc);

    // A selection change shows the new item.
    dialog.combo.SetCurSel(2);
    EXPECT_EQ("CD audio", dialog.combo.GetLBText(dialog.combo.GetCurSel()));
}

TEST_F(FieldTest, EditFacesByStyleAndFocus)
{
    const HWND edit = dialog.edit.m_hWnd;
    const SIZE size = ClientSize(edit);
    auto face = PrintFace(edit);
    EXPECT_EQ(Role(CCOL_BACKGROUND), face->Pixel(size.cx - 2, size.cy / 2));
    EXPECT_TRUE(Contains(*face, {0, 0, size.cx, size.cy}, Role(CCOL_TEXT)));
    EXPECT_FALSE(Contains(*face, {0, 0, size.cx, size.cy}, kMagenta));
    EXPECT_EQ(1, dialog.edit.SetStyle(1));
    face = PrintFace(edit);
    EXPECT_EQ(Role(CCOL_STATIC), face->Pixel(size.cx - 2, size.cy / 2));
    EXPECT_TRUE(Contains(*face, {0, 0, size.cx, size.cy}, Role(CCOL_STATICBRIGHT)));
    // Read-only text in the static colour.
    dialog.edit.SetReadOnly(true);
    face = PrintFace(edit);
    EXPECT_TRUE(Contains(*face, {0, 0, size.cx, size.cy}, Role(CCOL_STATIC)));
    EXPECT_FALSE(Contains(*face, {0, 0, size.cx, size.cy}, Role(CCOL_STATICBRIGHT)));
    dialog.edit.SetReadOnly(false);
    // The focus adds a frame in the static colour (style 0 shows it on the background).
    dialog.edit.SetStyle(0);
    SendMessageA(edit, WM_SETFOCUS, 0, 0);
    face = PrintFace(edit);
    EXPECT_EQ(Role(CCOL_STATIC), face->Pixel(0, size.cy / 2));
    SendMessageA(edit, WM_KILLFOCUS, 0, 0);
    EXPECT_EQ(Role(CCOL_BACKGROUND), PrintFace(edit)->Pixel(0, size.cy / 2));
}

TEST_F(FieldTest, ListFaceFrameAndItems)
{
    const HWND list = dialog.list.m_hWnd;
    const SIZE size = ClientSize(list);
    auto face = PrintFace(list);
    EXPECT_EQ(Role(CCOL_STATICDARK), face->Pixel(0, size.cy / 2));
    EXPECT_EQ(Role(CCOL_BACKGROUND), face->Pixel(size.cx - 3, size.cy - 3));
    EXPECT_TRUE(Contains(*face, {0, 0, size.cx, size.cy}, Role(CCOL_STATICBRIGHT)));
    // A selected item in the scheme's colours, not the system's highlight.
    dialog.list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    face = PrintFace(list);
    EXPECT_TRUE(Contains(*face, {0, 0, size.cx, size.cy}, Role(CCOL_STATIC)));
    EXPECT_FALSE(Contains(*face, {0, 0, size.cx, size.cy}, GetSysColor(COLOR_HIGHLIGHT)));
}

// After typing, scrolling and inserting, and right after each message before any
// repaint, no pixel of the field (frame included) is magenta or a pink fringe.
TEST_F(FieldTest, NoMagentaEverShows)
{
    dialog.ApplySet(BuildBuiltInColorSets(nullptr)[3].colors);
    DrainMessages();
    const HWND edit = dialog.edit.m_hWnd;
    const HWND list = dialog.list.m_hWnd;
    struct Step {
        const char* what;
        HWND window;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    std::vector<Step> steps;
    for (char c : std::string(" and the skinned edit scrolls along"))
        steps.push_back({"typing", edit, WM_CHAR, static_cast<WPARAM>(c), 1});
    steps.push_back({"back", edit, WM_KEYDOWN, VK_HOME, 1});
    steps.push_back({"select", edit, EM_SETSEL, 0, -1});
    steps.push_back({"replace", edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("Replaced")});
    steps.push_back({"end", edit, WM_KEYDOWN, VK_END, 1});
    static const char* const names[] = {"Left", "Right", "Centre", "Bass", "Side left", "Side right",
                                        "Rear left", "Rear right", "Line", "Aux", "Phone", "Video"};
    static LVITEMA items[12];
    for (int i = 0; i < 12; ++i) {
        items[i] = {};
        items[i].mask = LVIF_TEXT;
        items[i].iItem = 2;
        items[i].pszText = const_cast<char*>(names[i]);
        steps.push_back({"insert", list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&items[i])});
    }
    for (int i = 0; i < 6; ++i)
        steps.push_back({"scroll", list, WM_VSCROLL, SB_LINEDOWN, 0});
    steps.push_back({"page", list, WM_VSCROLL, SB_PAGEUP, 0});
    steps.push_back({"keys", list, WM_KEYDOWN, VK_END, 1});
    steps.push_back({"wheel", list, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0});
    steps.push_back({"delete", list, LVM_DELETEITEM, 0, 0});
    steps.push_back({"delete all", list, LVM_DELETEALLITEMS, 0, 0});
    for (const Step& step : steps) {
        SendMessageA(step.window, step.message, step.wParam, step.lParam);
        EXPECT_EQ(0, MagentaPixels(*CaptureShown(step.window, true), WindowSize(step.window))) << step.what << " (at once)";
        DrainMessages();
        EXPECT_EQ(0, MagentaPixels(*CaptureShown(step.window, true), WindowSize(step.window))) << step.what;
    }
    EXPECT_NE(std::string::npos, dialog.edit.GetWindowText().find("Replaced"));
    EXPECT_EQ(0, dialog.list.GetItemCount());
}
