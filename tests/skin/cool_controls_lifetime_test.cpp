// A panel that lives for days: creating, painting, hovering and destroying each
// skinned control a thousand times leaves no GDI object, timer or window link
// behind.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>

#include "platform/window_timer.h"
#include "skin/controls/cool_button.h"
#include "skin/controls/cool_combo_box.h"
#include "skin/controls/cool_edit.h"
#include "skin/controls/cool_list_ctrl.h"
#include "skin/controls/cool_scroll_bar.h"
#include "skin/controls/cool_static.h"
#include "skin/controls/cool_status_bar_ctrl.h"
#include "skin/controls/cool_tab_ctrl.h"
#include "skin_test_windows.h"
#include "support/dib_canvas.h"
#include "support/message_pump.h"

namespace {

struct Kind {
    const char* name;
    const char* windowClass;
    DWORD style;
    std::function<std::unique_ptr<CWnd>()> make;
    std::function<void(CWnd&)> fill; // what the control holds
};

template <typename T>
std::function<std::unique_ptr<CWnd>()> Maker()
{
    return [] { return std::unique_ptr<CWnd>(new T()); };
}

} // namespace

TEST(CoolControlsLifetime, AThousandRoundsOfEachLeaveNothingBehind)
{
    const INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    StatusHost host(300, 200);
    DibCanvas canvas(120, 60);
    const Kind kinds[] = {
        {"push button", "BUTTON", BS_PUSHBUTTON, Maker<CCoolButton>(), nullptr},
        {"check box", "BUTTON", BS_AUTOCHECKBOX, Maker<CCoolButton>(),
         [](CWnd& w) { w.SendMessage(BM_SETCHECK, BST_CHECKED); }},
        {"radio", "BUTTON", BS_AUTORADIOBUTTON, Maker<CCoolButton>(), nullptr},
        {"group box", "BUTTON", BS_GROUPBOX, Maker<CCoolButton>(), nullptr},
        {"combo box", "COMBOBOX", CBS_DROPDOWNLIST, Maker<CCoolComboBox>(),
         [](CWnd& w) {
             w.SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Item"));
             w.SendMessage(CB_SETCURSEL, 0);
         }},
        {"edit", "EDIT", ES_AUTOHSCROLL | WS_BORDER, Maker<CCoolEdit>(), nullptr},
        {"list", WC_LISTVIEWA, LVS_LIST | WS_BORDER, Maker<CCoolListCtrl>(),
         [](CWnd& w) { static_cast<CListCtrl&>(w).InsertItem(0, "Item"); }},
        {"scroll bar", "SCROLLBAR", SBS_HORZ, Maker<CCoolScrollBar>(), nullptr},
        {"static", "STATIC", SS_LEFT, Maker<CCoolStatic>(),
         [](CWnd& w) { static_cast<CCoolStatic&>(w).SetOptions(CCoolStatic::kHoverScroll); }},
        {"status bar", STATUSCLASSNAMEA, CCS_NOPARENTALIGN | CCS_NORESIZE, Maker<CCoolStatusBarCtrl>(),
         [](CWnd& w) { static_cast<CStatusBarCtrl&>(w).SetText("Ready", 0); }},
        {"tab", WC_TABCONTROLA, 0, Maker<CCoolTabCtrl>(),
         [](CWnd& w) {
             static_cast<CCoolTabCtrl&>(w).EnableTab(1, false);
             TCITEMA item = {};
             item.mask = TCIF_TEXT;
             item.pszText = const_cast<char*>("Tab");
             w.SendMessage(TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
         }},
    };
    constexpr int kRounds = 1000;
    for (const Kind& kind : kinds) {
        // A first round: the system keeps some objects for a class once it was used.
        for (int warmUp = 0; warmUp < 2; ++warmUp) {
            std::unique_ptr<CWnd> control = kind.make();
            control->CreateEx(0, kind.windowClass, "Caption", WS_CHILD | WS_VISIBLE | kind.style, {10, 10, 130, 40},
                              host.m_hWnd, 100);
            if (kind.fill)
                kind.fill(*control);
            control->UpdateWindow();
        }
        DrainMessages();
        const DWORD gdiBefore = GdiObjectCount();
        const int timersBefore = CWindowTimer::LiveCount();
        const size_t linksBefore = CWnd::LinkedWindowCount();
        for (int round = 0; round < kRounds; ++round) {
            std::unique_ptr<CWnd> control = kind.make();
            ASSERT_TRUE(control->CreateEx(0, kind.windowClass, "Caption", WS_CHILD | WS_VISIBLE | kind.style,
                                          {10, 10, 130, 40}, host.m_hWnd, 100))
                << kind.name;
            if (kind.fill)
                kind.fill(*control);
            control->SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
            control->UpdateWindow();
            // Hovered: some rounds leave first, the others are destroyed while hot.
            control->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
            if (round % 2 == 0)
                control->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(500, 500));
            control->SendMessage(WM_SETFOCUS);
            control->SendMessage(WM_KILLFOCUS);
            control.reset();
        }
        DrainMessages();
        EXPECT_EQ(timersBefore, CWindowTimer::LiveCount()) << kind.name;
        EXPECT_EQ(linksBefore, CWnd::LinkedWindowCount()) << kind.name;
        EXPECT_EQ(gdiBefore, GdiObjectCount()) << kind.name;
    }
}
