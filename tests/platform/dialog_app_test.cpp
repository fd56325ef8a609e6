// A modal dialog returns the result of its button; the application's message loop
// ends when its main window is destroyed.
#include "platform/common_dialogs.h"
#include "platform/dialog.h"
#include "platform/dialog_template.h"
#include "platform/resource_string.h"
#include "platform/win_app.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform_test_support.h"

namespace {

constexpr WORD kGoButtonId = 1234;
constexpr UINT_PTR kPressTimer = 1;
constexpr UINT_PTR kGiveUpTimer = 2;

class PressingDialog : public CDialog {
public:
    bool initialised = false;

protected:
    BOOL OnInitDialog() override
    {
        initialised = true;
        SetTimer(kPressTimer, 50);
        SetTimer(kGiveUpTimer, 5000);
        return CDialog::OnInitDialog();
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_TIMER && wParam == kPressTimer) {
            KillTimer(kPressTimer);
            PostMessage(WM_COMMAND, MAKEWPARAM(kGoButtonId, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(kGoButtonId)));
            return 0;
        }
        if (message == WM_TIMER && wParam == kGiveUpTimer) {
            EndDialog(-2);
            return 0;
        }
        if (message == WM_COMMAND && LOWORD(wParam) == kGoButtonId) {
            EndDialog(kGoButtonId);
            return 0;
        }
        return CDialog::WindowProc(message, wParam, lParam);
    }
};

class OneWindowApp : public CWinApp {
public:
    CWnd window;
    bool exited = false;

    bool InitInstance() override
    {
        RECT rect = {0, 0, 100, 100};
        if (!window.CreateEx(0, TestWindowClass(), "Main", WS_OVERLAPPEDWINDOW, rect, nullptr, 0))
            return false;
        m_pMainWnd = &window;
        window.PostMessage(WM_CLOSE);
        return true;
    }
    int ExitInstance() override
    {
        exited = true;
        return CWinApp::ExitInstance();
    }
};

void CALLBACK GiveUp(HWND, UINT, UINT_PTR, DWORD)
{
    PostQuitMessage(99);
}

} // namespace

TEST(Dialog, ModalFromMemoryTemplateReturnsButtonResult)
{
    CDialogTemplate dialogTemplate(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME, 0, 20, 20, 120,
                                   60, "Modal");
    dialogTemplate.AddItem(WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 30, 20, 60, 14, kGoButtonId, 0x0080, "Go");
    PressingDialog dialog;
    dialog.InitModalIndirect(dialogTemplate.Get(), nullptr);
    EXPECT_EQ(kGoButtonId, dialog.DoModal());
    EXPECT_TRUE(dialog.initialised);
    EXPECT_FALSE(dialog.IsModeless());
    EXPECT_EQ(nullptr, dialog.m_hWnd);
}

TEST(Application, LoopEndsWhenMainWindowIsDestroyed)
{
    OneWindowApp app;
    EXPECT_EQ(&app, CWinApp::Current());
    const UINT_PTR guard = SetTimer(nullptr, 0, 5000, &GiveUp);
    EXPECT_EQ(0, app.Main());
    KillTimer(nullptr, guard);
    EXPECT_TRUE(app.exited);
    EXPECT_EQ(nullptr, app.m_pMainWnd);
    EXPECT_EQ(nullptr, app.window.m_hWnd);
}

TEST(Application, LoadsStringsByIdInTheUsersLanguage)
{
    EXPECT_EQ("Halvard 5.1+", CWinApp::LoadString(130));
    EXPECT_EQ("", CWinApp::LoadString(65000));

    // Into a buffer: exactly fitting, cut to the buffer and terminated, absent.
    char fits[13] = "";
    EXPECT_TRUE(LoadResourceString(130, fits, sizeof(fits)));
    EXPECT_STREQ("Halvard 5.1+", fits);
    char cut[8];
    std::memset(cut, 'x', sizeof(cut));
    EXPECT_TRUE(LoadResourceString(130, cut, sizeof(cut)));
    EXPECT_STREQ("Halvard", cut);
    char absent[8] = "old";
    EXPECT_FALSE(LoadResourceString(65000, absent, sizeof(absent)));
    EXPECT_STREQ("", absent);
    EXPECT_FALSE(LoadResourceString(130, absent, 0));
    EXPECT_FALSE(LoadResourceString(130, nullptr, 8));
}

TEST(FileDialog, FilterSeparatorsBecomeNuls)
{
    const std::string filter = FileDialogFilter("Halvard 5.1+ Mixer Settings(*.msp)|*.msp||");
    const std::string expected("Halvard 5.1+ Mixer Settings(*.msp)\0*.msp\0\0\0\0", 44);
    EXPECT_EQ(expected, filter);
    // Without the closing bars the list still ends with two NULs.
    EXPECT_EQ(std::string("A\0B\0\0", 5), FileDialogFilter("A|B"));
}

namespace {

constexpr WORD kFieldId = 1235;

// Records the notifications its controls send, as the dialog decodes them.
class ListeningDialog : public CDialog {
public:
    std::vector<std::string> heard;

protected:
    bool OnClicked(UINT id) override
    {
        heard.push_back("clicked " + std::to_string(id));
        return true;
    }
    bool OnCommand(UINT id, UINT code) override
    {
        // The field also tells of its focus and its updates.
        if (code == EN_CHANGE)
            heard.push_back("changed " + std::to_string(id));
        return true;
    }
    void OnCancel() override { heard.push_back("cancel"); }
};

} // namespace

TEST(Dialog, ControlNotificationsArriveDecodedAndMenuCommandsKeepTheirPath)
{
    CDialogTemplate dialogTemplate(WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 20, 20, 120, 60, "Listening");
    dialogTemplate.AddItem(WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 40, 14, kGoButtonId, 0x0080, "Go");
    dialogTemplate.AddItem(WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 60, 10, 40, 14, IDCANCEL, 0x0080, "Cancel");
    dialogTemplate.AddItem(WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 30, 90, 12, kFieldId, 0x0081, "");
    ListeningDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(dialogTemplate.Get(), nullptr));
    SendMessageA(dialog.GetDlgItem(kGoButtonId), BM_CLICK, 0, 0);
    SetWindowTextA(dialog.GetDlgItem(kFieldId), "typed");
    SendMessageA(dialog.GetDlgItem(IDCANCEL), BM_CLICK, 0, 0);
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(40001, 0), 0); // a menu command
    EXPECT_EQ((std::vector<std::string>{"clicked 1234", "changed 1235", "cancel"}),
              dialog.heard);
    dialog.DestroyWindow();
}
