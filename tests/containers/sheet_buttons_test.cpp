// The sheet's standard buttons become skinned buttons with the same text, place,
// ID, style, font and state, and the tab control a skinned one, unless the sheet is
// a wizard; they still work as the sheet's buttons.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "container_windows.h"
#include "skin/controls/cool_button.h"
#include "skin/controls/cool_tab_ctrl.h"
#include "support/message_pump.h"

namespace {

struct ButtonFacts {
    int id;
    std::string text;
    RECT rect;
    DWORD style;
    bool enabled;
};

// Records every standard button as it is destroyed (they are replaced then; the
// enabled state seen there is no longer the original one).
class ButtonRecorder {
public:
    ButtonRecorder()
    {
        s_seen.clear();
        m_hook = SetWindowsHookExA(WH_CBT, &Hook, nullptr, GetCurrentThreadId());
    }
    ~ButtonRecorder() { UnhookWindowsHookEx(m_hook); }
    const std::vector<ButtonFacts>& Seen() const { return s_seen; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        const HWND window = reinterpret_cast<HWND>(wParam);
        char name[16] = "";
        if (code == HCBT_DESTROYWND && GetClassNameA(window, name, sizeof(name)) && lstrcmpiA(name, "Button") == 0 &&
            CWnd::FromHandle(window) == nullptr) {
            ButtonFacts facts = {GetDlgCtrlID(window), "", {}, static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)),
                                 IsWindowEnabled(window) != FALSE};
            char text[64] = "";
            GetWindowTextA(window, text, sizeof(text));
            facts.text = text;
            GetWindowRect(window, &facts.rect);
            MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&facts.rect), 2);
            s_seen.push_back(facts);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static std::vector<ButtonFacts> s_seen;
    HHOOK m_hook;
};
std::vector<ButtonFacts> ButtonRecorder::s_seen;

// The facts of a sheet's standard button that is not replaced.
ButtonFacts FactsOf(const CPropertySheet& sheet, int id)
{
    const HWND window = sheet.GetDlgItem(id);
    ButtonFacts facts = {id, "", {}, 0, false};
    if (window == nullptr)
        return facts;
    char text[64] = "";
    GetWindowTextA(window, text, sizeof(text));
    facts.text = text;
    GetWindowRect(window, &facts.rect);
    MapWindowPoints(nullptr, sheet.m_hWnd, reinterpret_cast<POINT*>(&facts.rect), 2);
    facts.style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
    facts.enabled = IsWindowEnabled(window) != FALSE;
    return facts;
}

void ExpectReplaced(CCoolPropertySheet& sheet, const ButtonFacts& old, bool checkEnabled = true)
{
    SCOPED_TRACE(old.text);
    const HWND now = sheet.GetDlgItem(old.id);
    ASSERT_NE(nullptr, now);
    CCoolButton* skinned = sheet.GetCoolButton(old.id);
    ASSERT_NE(nullptr, skinned);
    EXPECT_EQ(skinned, CWnd::FromHandle(now));
    EXPECT_EQ(old.text, skinned->GetWindowText());
    RECT rect;
    skinned->GetWindowRect(&rect);
    sheet.ScreenToClient(&rect);
    EXPECT_TRUE(EqualRect(&rect, &old.rect));
    EXPECT_EQ(old.style & 0xFF, skinned->GetStyle() & 0xFF);
    EXPECT_EQ(old.style & WS_VISIBLE, skinned->GetStyle() & WS_VISIBLE);
    if (checkEnabled) {
        EXPECT_EQ(old.enabled, skinned->IsWindowEnabled());
    }
    EXPECT_EQ(sheet.GetFont(), skinned->GetFont());
    EXPECT_EQ(sheet.m_hWnd, skinned->GetParent());
}

} // namespace

TEST(SheetButtons, StandardButtonsAndTabsBecomeSkinnedAndStillWork)
{
    // What the buttons are in a plain sheet of the same pages.
    std::vector<ButtonFacts> plainButtons;
    {
        ProbePage first("First");
        ProbePage second("Second");
        CPropertySheet plain("Two pages");
        plain.AddPage(&first);
        plain.AddPage(&second);
        ASSERT_TRUE(plain.Create(nullptr, WS_POPUP | WS_CAPTION | WS_SYSMENU));
        for (int id : {IDOK, IDCANCEL, static_cast<int>(CPropertySheet::kApplyButtonId), IDHELP})
            plainButtons.push_back(FactsOf(plain, id));
        plain.DestroyWindow();
    }
    TwoPageSheet two;
    CCoolPropertySheet& sheet = two.sheet;
    ASSERT_NE(nullptr, sheet.m_hWnd);
    EXPECT_EQ(&sheet.GetCoolTabCtrl(), CWnd::FromHandle(sheet.GetTabControl()));
    for (const ButtonFacts& old : plainButtons)
        if (!old.text.empty())
            ExpectReplaced(sheet, old);
    EXPECT_EQ(static_cast<DWORD>(BS_DEFPUSHBUTTON), sheet.GetCoolButton(IDOK)->GetStyle() & 0xFF);
    EXPECT_FALSE(sheet.GetCoolButton(CPropertySheet::kApplyButtonId)->IsWindowEnabled());
    // Skinned buttons carry the sheet's scheme.
    EXPECT_EQ(sheet.m_colors[CCOL_BACKGROUND], sheet.GetCoolButton(IDOK)->m_colors[CCOL_BACKGROUND]);

    // The sheet still drives them: a change enables Apply; Cancel ends the sheet.
    two.first.SetModified(true);
    EXPECT_TRUE(sheet.GetCoolButton(CPropertySheet::kApplyButtonId)->IsWindowEnabled());
    sheet.GetCoolButton(IDCANCEL)->SendMessage(BM_CLICK);
    PumpUntil([&] { return sheet.m_hWnd == nullptr; }, 2000);
    EXPECT_EQ(nullptr, sheet.m_hWnd);
}

TEST(SheetButtons, WizardKeepsItsTabControlAndGetsSkinnedWizardButtons)
{
    ButtonRecorder recorder;
    TwoPageSheet two(RM_AUTOSHADES, false);
    two.sheet.SetSheetFlags(PSH_WIZARD);
    ASSERT_TRUE(two.Create());
    CCoolPropertySheet& sheet = two.sheet;
    EXPECT_EQ(nullptr, sheet.GetCoolTabCtrl().m_hWnd);
    int replaced = 0;
    for (const ButtonFacts& old : recorder.Seen()) {
        ExpectReplaced(sheet, old, false);
        ++replaced;
    }
    // Back, Next, Finish and Cancel at least, and the sheet still drives them.
    EXPECT_GE(replaced, 4);
    ASSERT_NE(nullptr, sheet.GetCoolButton(0x3023));
    ASSERT_NE(nullptr, sheet.GetCoolButton(0x3024));
    EXPECT_NE(nullptr, sheet.GetCoolButton(0x3025));
    sheet.SendMessage(PSM_SETWIZBUTTONS, 0, PSWIZB_NEXT);
    EXPECT_FALSE(sheet.GetCoolButton(0x3023)->IsWindowEnabled());
    EXPECT_TRUE(sheet.GetCoolButton(0x3024)->IsWindowEnabled());
}
