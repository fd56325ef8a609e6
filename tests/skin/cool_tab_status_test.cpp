// The skinned status bar and tab control: faces, disabled tabs, captions that read
// on their faces in every colour set, and the rule for leaving the selected tab
// (the tab under the click, not disabled, a page that agrees to be left).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "platform/dialog_template.h"
#include "platform/property_page.h"
#include "platform/property_sheet.h"
#include "one_of_each_dialog.h"
#include "skin/scheme/cool_color_set.h"
#include "skin/scheme/cool_contrast.h"
#include "skin_probe.h"
#include "support/message_pump.h"

namespace {

// Makes the position of the last message read (GetMessagePos) a point of the
// window, as a real click there would.
void MessagePosAt(HWND window, POINT client)
{
    POINT screen = client;
    ClientToScreen(window, &screen);
    SetCursorPos(screen.x, screen.y);
    constexpr UINT kMarker = WM_APP + 77;
    PostThreadMessageA(GetCurrentThreadId(), kMarker, 0, 0);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0 && !(message.hwnd == nullptr && message.message == kMarker))
        DispatchMessageA(&message);
}

POINT TabCentre(HWND tab, int index)
{
    RECT rect = {};
    SendMessageA(tab, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void ClickTab(HWND tab, int index)
{
    const POINT centre = TabCentre(tab, index);
    MessagePosAt(tab, centre);
    SendMessageA(tab, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centre.x, centre.y));
    SendMessageA(tab, WM_LBUTTONUP, 0, MAKELPARAM(centre.x, centre.y));
}

RECT TabArea(HWND tab, int index)
{
    RECT rect = {};
    SendMessageA(tab, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
    InflateRect(&rect, -2, -2);
    return rect;
}

class LeavablePage : public CPropertyPage {
public:
    bool mayLeave = true;
    int asked = 0;
    bool OnKillActive() override
    {
        ++asked;
        return mayLeave;
    }
};

class SkinnedTabSheet : public CPropertySheet {
public:
    CCoolTabCtrl tab;
    BOOL OnInitDialog() override
    {
        tab.SubclassDlgItem(kTabControlId, m_hWnd);
        return CPropertySheet::OnInitDialog();
    }
};

} // namespace

TEST(CoolStatusBar, PartsInSunkenFramesWithTheirTexts)
{
    OneOfEachDialog dialog;
    ASSERT_TRUE(dialog.Open());
    dialog.ApplySet(FlatProbeSet());
    DrainMessages();
    const HWND bar = dialog.status.m_hWnd;
    const SIZE size = ClientSize(bar);
    auto face = PrintFace(bar);
    // Part 0 ends at 120; each part framed dark over light.
    EXPECT_EQ(RoleOf(dialog, CCOL_SHADOW), face->Pixel(1, 2));
    EXPECT_EQ(RoleOf(dialog, CCOL_LIGHT), face->Pixel(118, size.cy - 2));
    EXPECT_EQ(RoleOf(dialog, CCOL_SHADOW), face->Pixel(121, 2));
    EXPECT_EQ(RoleOf(dialog, CCOL_LIGHT), face->Pixel(size.cx - 2, size.cy - 2));
    EXPECT_EQ(RoleOf(dialog, CCOL_BACKGROUND), face->Pixel(0, 0));
    const RECT first = {2, 3, 118, size.cy - 2};
    const RECT second = {122, 3, size.cx - 2, size.cy - 2};
    EXPECT_FALSE(Contains(*face, first, RoleOf(dialog, CCOL_TEXT)));
    EXPECT_TRUE(Contains(*face, second, RoleOf(dialog, CCOL_TEXT)));
    // A new text shows at the next paint: the cached face is dropped.
    dialog.status.SetText("Volume", 0);
    EXPECT_TRUE(Contains(*PrintFace(bar), first, RoleOf(dialog, CCOL_TEXT)));
}

TEST(CoolTabCtrl, SelectedUnselectedAndDisabledTabs)
{
    OneOfEachDialog dialog;
    ASSERT_TRUE(dialog.Open());
    dialog.ApplySet(FlatProbeSet());
    DrainMessages();
    const HWND tab = dialog.tab.m_hWnd;
    auto face = PrintFace(tab);
    const RECT selected = TabArea(tab, 0);
    const RECT other = TabArea(tab, 1);
    const RECT disabled = TabArea(tab, 2);
    EXPECT_EQ(RoleOf(dialog, CCOL_STATIC), face->Pixel(selected.left + 1, selected.top + 1));
    EXPECT_TRUE(Contains(*face, selected, RoleOf(dialog, CCOL_STATICBRIGHT)));
    EXPECT_EQ(RoleOf(dialog, CCOL_STATICDARK), face->Pixel(other.left + 1, other.top + 1));
    EXPECT_TRUE(Contains(*face, other, UnselectedTabCaptionColor(dialog.tab)));
    EXPECT_FALSE(Contains(*face, other, RoleOf(dialog, CCOL_STATICBRIGHT)));
    // The disabled tab has no caption: nothing but its fill inside its frame.
    EXPECT_EQ(RoleOf(dialog, CCOL_STATICDARK), face->Pixel(disabled.left + 1, disabled.top + 1));
    EXPECT_EQ((std::set<COLORREF>{RoleOf(dialog, CCOL_STATICDARK)}), ColorsIn(*face, disabled));
    dialog.tab.EnableTab(2, true);
    EXPECT_TRUE(Contains(*PrintFace(tab), disabled, UnselectedTabCaptionColor(dialog.tab)));
    dialog.tab.EnableTab(2, false);

    // Clicks: a disabled tab keeps the selection, another tab takes it.
    ClickTab(tab, 2);
    EXPECT_EQ(0, dialog.tab.GetCurSel());
    ClickTab(tab, 1);
    EXPECT_EQ(1, dialog.tab.GetCurSel());
    // A press whose position is on no tab changes nothing.
    MessagePosAt(tab, {2, ClientSize(tab).cy - 2});
    const POINT centre = TabCentre(tab, 0);
    SendMessageA(tab, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centre.x, centre.y));
    SendMessageA(tab, WM_LBUTTONUP, 0, MAKELPARAM(centre.x, centre.y));
    EXPECT_EQ(1, dialog.tab.GetCurSel());
    // Keys move as the platform's do, but not onto a disabled tab.
    SendMessageA(tab, WM_KEYDOWN, VK_LEFT, 1);
    EXPECT_EQ(0, dialog.tab.GetCurSel());
    SendMessageA(tab, WM_KEYDOWN, VK_RIGHT, 1);
    SendMessageA(tab, WM_KEYDOWN, VK_RIGHT, 1);
    EXPECT_EQ(1, dialog.tab.GetCurSel());
}

TEST(CoolTabCtrl, APageThatRefusesToBeLeftKeepsTheSelection)
{
    const CDialogTemplate page(WS_CHILD | WS_CAPTION, 0, 0, 0, 160, 80, "A");
    LeavablePage first;
    LeavablePage second;
    first.ConstructIndirect(page.Get());
    first.SetTitle("First");
    second.ConstructIndirect(page.Get());
    second.SetTitle("Second");
    SkinnedTabSheet sheet;
    sheet.Construct("Sheet");
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    ASSERT_TRUE(sheet.Create(nullptr, WS_POPUP | WS_CAPTION));
    ASSERT_EQ(sheet.GetTabControl(), sheet.tab.m_hWnd);

    first.mayLeave = false;
    ClickTab(sheet.tab.m_hWnd, 1);
    EXPECT_EQ(0, sheet.tab.GetCurSel());
    EXPECT_EQ(&first, sheet.GetActivePage());
    EXPECT_GE(first.asked, 1);

    first.mayLeave = true;
    ClickTab(sheet.tab.m_hWnd, 1);
    EXPECT_EQ(1, sheet.tab.GetCurSel());
    EXPECT_EQ(&second, sheet.GetActivePage());

    // A disabled tab is not even offered to the page.
    sheet.tab.EnableTab(0, false);
    const int asked = second.asked;
    ClickTab(sheet.tab.m_hWnd, 0);
    EXPECT_EQ(1, sheet.tab.GetCurSel());
    EXPECT_EQ(asked, second.asked);
    sheet.EndDialog(IDOK);
}

TEST(CoolTabCtrl, UnselectedCaptionsReadOnTheirFaceInEveryBuiltInSet)
{
    OneOfEachDialog dialog;
    ASSERT_TRUE(dialog.Open());
    const HWND tab = dialog.tab.m_hWnd;
    const RECT other = TabArea(tab, 1);
    const BuiltInColorSets sets = BuildBuiltInColorSets(nullptr);
    // Every set once, and the random set a hundred times more.
    std::vector<std::pair<std::string, COOLCOLORSET>> cases;
    for (const NamedColorSet& set : sets)
        cases.emplace_back(set.name, set.colors);
    for (int i = 0; i < 100; ++i)
        cases.emplace_back("random " + std::to_string(i), MakeRandomColorSet());
    double weakest = 21;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        if (c.first == sets[kColorSetWindows].name) {
            dialog.UseWindowsColors();
            dialog.PassSchemeOn();
        } else {
            dialog.ApplySet(c.second);
        }
        DrainMessages();
        // As drawn: the tab's fill and the caption's colour on it.
        auto face = PrintFace(tab);
        const COLORREF fill = face->Pixel(other.left + 1, other.top + 1);
        const COLORREF caption = UnselectedTabCaptionColor(dialog.tab);
        EXPECT_EQ(RoleOf(dialog.tab, CCOL_STATICDARK), fill);
        EXPECT_TRUE(Contains(*face, other, caption));
        const double ratio = ContrastRatio(fill, caption);
        EXPECT_GE(ratio, kReadableContrast);
        weakest = std::min(weakest, ratio);
    }
    RecordProperty("weakest_contrast", std::to_string(weakest));
    std::printf("weakest unselected tab caption contrast: %.2f : 1\n", weakest);
}
