// A modeless sheet with pages from resource and in-memory templates: every object
// meets its window, activation is announced, and destruction unlinks everything.
#include "platform/common_controls.h"
#include "platform/dialog_template.h"
#include "platform/property_page.h"
#include "platform/property_sheet.h"
#include "platform/win_app.h"

#include <gtest/gtest.h>

#include "platform_test_support.h"

namespace {

class CountingPage : public CPropertyPage {
public:
    int inits = 0;
    int activations = 0;
    int deactivations = 0;
    HWND initWindow = nullptr;
    HWND initParent = nullptr;
    bool mayLeave = true;

    BOOL OnInitDialog() override
    {
        ++inits;
        initWindow = m_hWnd;
        initParent = GetParent();
        return CPropertyPage::OnInitDialog();
    }
    bool OnSetActive() override
    {
        ++activations;
        return true;
    }
    bool OnKillActive() override
    {
        ++deactivations;
        return mayLeave;
    }
};

// Keeps the selection where it is when asked to (reflected TCN_SELCHANGING).
class LockableTab : public CTabCtrl {
public:
    bool locked = false;

protected:
    bool OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* result) override
    {
        if (message != WM_NOTIFY || reinterpret_cast<const NMHDR*>(lParam)->code != TCN_SELCHANGING || !locked)
            return false;
        *result = TRUE;
        return true;
    }
};

class TestSheet : public CPropertySheet {
public:
    int inits = 0;
    int keysSeen = 0;
    LockableTab tab;

    BOOL OnInitDialog() override
    {
        tab.SubclassDlgItem(kTabControlId, m_hWnd);
        const BOOL result = CPropertySheet::OnInitDialog();
        ++inits;
        return result;
    }
    bool PreTranslateMessage(MSG* message) override
    {
        if (message->message == WM_KEYDOWN && message->wParam == VK_F5) {
            ++keysSeen;
            return true;
        }
        return CPropertySheet::PreTranslateMessage(message);
    }
};

void ClickTab(HWND tab, int index)
{
    RECT rect;
    ASSERT_TRUE(::SendMessageA(tab, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect)));
    const LPARAM point = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    ::SendMessageA(tab, WM_LBUTTONDOWN, MK_LBUTTON, point);
    ::SendMessageA(tab, WM_LBUTTONUP, 0, point);
}

} // namespace

TEST(Sheet, ModelessSheetLinksPagesAndAnnouncesActivation)
{
    TestWindowClass();
    const size_t linkedBefore = CWnd::LinkedWindowCount();

    const CDialogTemplate memoryTemplate(WS_CHILD, 0, 0, 0, 200, 100, "A");
    EXPECT_EQ(26u, memoryTemplate.Size());

    CountingPage first;
    CountingPage second;
    CountingPage third;
    first.Construct(9101);
    second.Construct(9102);
    third.ConstructIndirect(memoryTemplate.Get());
    third.SetTitle("Memory");

    TestSheet sheet;
    sheet.Construct("Sheet");
    ASSERT_TRUE(sheet.AddPage(&first));
    ASSERT_TRUE(sheet.AddPage(&second));
    ASSERT_TRUE(sheet.AddPage(&third));
    EXPECT_FALSE(sheet.AddPage(&third));
    EXPECT_EQ(3, sheet.GetPageCount());
    EXPECT_EQ(&second, sheet.GetPage(1));

    ASSERT_TRUE(sheet.Create(nullptr, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX));
    EXPECT_TRUE(sheet.IsModeless());
    EXPECT_EQ(&sheet, CWnd::FromHandle(sheet.m_hWnd));
    EXPECT_EQ(1, sheet.inits);
    const DWORD asked = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    EXPECT_EQ(asked, sheet.GetStyle() & asked);
    EXPECT_FALSE(sheet.GetStyle() & (WS_VISIBLE | WS_POPUP));
    EXPECT_EQ(sheet.GetTabControl(), sheet.tab.m_hWnd);
    EXPECT_EQ(sheet.tab.m_hWnd, sheet.GetDlgItem(CPropertySheet::kTabControlId));
    EXPECT_NE(nullptr, sheet.GetDlgItem(IDOK));
    EXPECT_NE(nullptr, sheet.GetDlgItem(IDCANCEL));

    // Only the first page exists yet, with its own window, inside the sheet.
    EXPECT_EQ(1, first.inits);
    EXPECT_EQ(first.m_hWnd, first.initWindow);
    EXPECT_EQ(sheet.m_hWnd, first.initParent);
    EXPECT_EQ(&first, CWnd::FromHandle(first.m_hWnd));
    EXPECT_EQ(&sheet, first.GetSheet());
    EXPECT_EQ(1, first.activations);
    EXPECT_EQ(nullptr, second.m_hWnd);
    EXPECT_EQ(&first, sheet.GetActivePage());

    ASSERT_TRUE(sheet.SetActivePage(2));
    EXPECT_EQ(1, first.deactivations);
    EXPECT_EQ(1, third.inits);
    EXPECT_EQ(third.m_hWnd, third.initWindow);
    EXPECT_EQ(1, third.activations);
    EXPECT_EQ(2, sheet.GetActiveIndex());
    EXPECT_EQ("Memory", sheet.tab.GetItemText(2));

    // A tab change by the tab control.
    ClickTab(sheet.tab.m_hWnd, 1);
    EXPECT_EQ(1, third.deactivations);
    EXPECT_EQ(1, second.inits);
    EXPECT_EQ(1, second.activations);
    EXPECT_EQ(&second, sheet.GetActivePage());

    // The tab object answers first and can keep the selection.
    sheet.tab.locked = true;
    ClickTab(sheet.tab.m_hWnd, 0);
    EXPECT_EQ(1, sheet.GetActiveIndex());
    EXPECT_EQ(1, sheet.tab.GetCurSel());
    EXPECT_EQ(0, second.deactivations);
    sheet.tab.locked = false;

    // A page that refuses to be left stays active.
    second.mayLeave = false;
    EXPECT_FALSE(sheet.SetActivePage(&first));
    EXPECT_EQ(1, sheet.GetActiveIndex());
    second.mayLeave = true;
    EXPECT_TRUE(sheet.SetActivePage(&first));
    EXPECT_EQ(2, first.activations);

    sheet.EndDialog(IDOK);
    EXPECT_EQ(nullptr, sheet.m_hWnd);
    EXPECT_EQ(nullptr, sheet.tab.m_hWnd);
    EXPECT_EQ(nullptr, first.m_hWnd);
    EXPECT_EQ(nullptr, second.m_hWnd);
    EXPECT_EQ(nullptr, third.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandle(first.initWindow));
    EXPECT_EQ(linkedBefore, CWnd::LinkedWindowCount());
}

TEST(Sheet, MainWindowSeesKeysFirst)
{
    CountingPage page;
    page.Construct(9101);
    TestSheet sheet;
    sheet.Construct("Keys");
    sheet.AddPage(&page);
    ASSERT_TRUE(sheet.Create(nullptr, WS_CAPTION | WS_SYSMENU));

    CWinApp app;
    app.m_pMainWnd = &sheet;
    MSG key = {};
    key.hwnd = page.GetDlgItem(9111);
    ASSERT_NE(nullptr, key.hwnd);
    key.message = WM_KEYDOWN;
    key.wParam = VK_F5;
    EXPECT_TRUE(app.PreTranslateMessage(&key));
    EXPECT_EQ(1, sheet.keysSeen) << "offered once, not again on the way up";

    // Keys the main window leaves go on to the sheet's dialog handling.
    key.wParam = VK_TAB;
    EXPECT_TRUE(app.PreTranslateMessage(&key));
    EXPECT_EQ(1, sheet.keysSeen);

    // Destroying the main window asks the loop to end.
    sheet.DestroyWindow();
    EXPECT_EQ(nullptr, app.m_pMainWnd);
    MSG quit;
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}
