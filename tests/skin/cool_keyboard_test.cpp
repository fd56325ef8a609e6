// Skinning changes how the controls look, never what the keyboard does: the same
// keys on the one-of-each dialog, skinned and not, reach, toggle and move alike.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "one_of_each_dialog.h"
#include "skin_test_ids.h"

namespace {

// Dispatches this thread's messages for a while, keys through the dialog manager.
void PumpDialog(HWND dialog, DWORD ms)
{
    const DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (IsDialogMessageA(dialog, &message))
                continue;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while (GetTickCount() - start < ms);
}

void Press(HWND dialog, BYTE key)
{
    keybd_event(key, 0, 0, 0);
    keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
    PumpDialog(dialog, 60);
}

// What the keys did: where the focus is and what each control holds.
std::string State(OneOfEachDialog& dialog)
{
    const HWND d = dialog.m_hWnd;
    auto check = [&](int id) { return std::to_string(SendMessageA(GetDlgItem(d, id), BM_GETCHECK, 0, 0)); };
    const int focusId = GetFocus() ? GetDlgCtrlID(GetFocus()) : 0;
    return "focus " + std::to_string(focusId) + " check " + check(IDC_CHECK) + " radios " + check(IDC_RADIO1) +
           check(IDC_RADIO2) + " push-like " + check(IDC_PUSHLIKE) + " combo " +
           std::to_string(SendMessageA(GetDlgItem(d, IDC_COMBO), CB_GETCURSEL, 0, 0)) + " list " +
           std::to_string(SendMessageA(GetDlgItem(d, IDC_LIST), LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                       LVNI_FOCUSED)) +
           " scroll codes " + std::to_string(dialog.scrollCodes.size()) + " tab " +
           std::to_string(SendMessageA(GetDlgItem(d, IDC_TAB), TCM_GETCURSEL, 0, 0));
}

std::vector<std::string> RunKeys(bool skinned)
{
    std::vector<std::string> states;
    OneOfEachDialog dialog(skinned);
    if (!dialog.Open(0, 0, true))
        return states;
    SetForegroundWindow(dialog.m_hWnd);
    SendMessageA(dialog.m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(dialog.GetDlgItem(IDC_PUSH)), TRUE);
    PumpDialog(dialog.m_hWnd, 100);
    // Tab through every stop, then back to the first.
    for (int i = 0; i < 11; ++i) {
        states.push_back(State(dialog));
        Press(dialog.m_hWnd, VK_TAB);
    }
    states.push_back(State(dialog));
    const struct {
        int control;
        BYTE key;
    } steps[] = {
        {IDC_CHECK, VK_SPACE}, {IDC_CHECK, VK_SPACE}, {IDC_RADIO1, VK_DOWN}, {IDC_PUSHLIKE, VK_SPACE},
        {IDC_COMBO, VK_DOWN},  {IDC_LIST, VK_DOWN},   {IDC_SCROLL, VK_RIGHT}, {IDC_TAB, VK_RIGHT},
        {IDC_PUSH, VK_SPACE},
    };
    for (const auto& step : steps) {
        SendMessageA(dialog.m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(dialog.GetDlgItem(step.control)), TRUE);
        PumpDialog(dialog.m_hWnd, 30);
        Press(dialog.m_hWnd, step.key);
        states.push_back(State(dialog));
    }
    int clicks = 0;
    for (const auto& command : dialog.commands)
        clicks += command.first == IDC_PUSH && command.second == BN_CLICKED ? 1 : 0;
    states.push_back("push clicks " + std::to_string(clicks));
    return states;
}

} // namespace

TEST(CoolKeyboard, KeysActAsOnThePlatformControls)
{
    const std::vector<std::string> platform = RunKeys(false);
    const std::vector<std::string> skinned = RunKeys(true);
    ASSERT_EQ(platform.size(), skinned.size());
    for (size_t i = 0; i < platform.size(); ++i)
        EXPECT_EQ(platform[i], skinned[i]) << "step " << i;
    // The keys really moved things (the comparison is not of two idle dialogs).
    ASSERT_GE(platform.size(), 2u);
    EXPECT_NE(platform.front(), platform[1]);
    EXPECT_EQ("push clicks 1", platform.back());
}
