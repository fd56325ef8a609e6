// The sheet in the notification area: the icon is added once whenever it is asked
// for, closing hides the sheet while the icon is there, a double-click brings it
// back, the tray menu opens only when there is one, and the icon goes with the window.
#include <gtest/gtest.h>

#include <cstring>

#include "container_windows.h"
#include "containers_test_ids.h"
#include "notify_recorder.h"
#include "platform/win_app.h"
#include "support/arch_layout.h"
#include "support/key_input.h"
#include "support/message_pump.h"

namespace {

using Sheet = CCoolPropertySheet;

// Counts popup menus that open, and closes each one at once.
class MenuWatcher {
public:
    MenuWatcher() { s_seen = 0; m_timer = SetTimer(nullptr, 0, 30, &MenuWatcher::Tick); }
    ~MenuWatcher() { KillTimer(nullptr, m_timer); }
    int Seen() const { return s_seen; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        HWND menu = FindWindowA("#32768", nullptr);
        if (menu != nullptr && IsWindowVisible(menu)) {
            ++s_seen;
            EndMenu();
        }
    }
    static int s_seen;
    UINT_PTR m_timer;
};
int MenuWatcher::s_seen = 0;

// Dispatches messages until the window is gone or the time is up; true when the
// application was told to end on the way.
bool PumpUntilGone(const CWnd& window, DWORD timeoutMs)
{
    bool quit = false;
    const DWORD start = GetTickCount();
    while (window.m_hWnd != nullptr && GetTickCount() - start < timeoutMs) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            quit = quit || message.message == WM_QUIT;
            DispatchMessageA(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    MSG message;
    return quit || PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

void TrayEvent(Sheet& sheet, UINT mouseMessage, UINT id = Sheet::kTrayIconId)
{
    sheet.SendMessage(Sheet::kTrayCallbackMessage, id, mouseMessage);
    PumpFor(150);
}

} // namespace

TEST(SheetTray, IconOnceCloseHidesDoubleClickRestoresAndMenus)
{
    NotifyRecorder recorder;
    TwoPageSheet two(RM_AUTOSHADES, false);
    Sheet& sheet = two.sheet;
    HICON icon = LoadIconA(nullptr, IDI_APPLICATION);

    // Asked for before the window exists: added with the window, once.
    sheet.SetTrayIcon(icon, Sheet::kNoTrayMenu);
    EXPECT_TRUE(sheet.IsTrayIconPresent());
    EXPECT_EQ(0, recorder.Count(NIM_ADD));
    ASSERT_TRUE(two.Create());
    ASSERT_EQ(1, recorder.Count(NIM_ADD));
    const NOTIFYICONDATAA& added = recorder.Calls()[0].record;
    EXPECT_EQ(sheet.m_hWnd, added.hWnd);
    EXPECT_EQ(1u, added.uID);
    EXPECT_EQ(0x514u, added.uCallbackMessage);
    EXPECT_EQ(OnArch(488, 504), added.cbSize); // the classic record of each architecture
    EXPECT_STREQ("Two pages", added.szTip);
    sheet.SetTrayIcon(icon, Sheet::kNoTrayMenu);
    EXPECT_EQ(1, recorder.IconsShown());

    CWinApp app;
    app.m_pMainWnd = &sheet;
    // Closing while the icon is there hides the sheet; the process goes on.
    sheet.SendMessage(WM_SYSCOMMAND, SC_CLOSE);
    EXPECT_FALSE(PumpUntilGone(sheet, 200));
    ASSERT_TRUE(IsWindow(sheet.m_hWnd));
    EXPECT_FALSE(sheet.IsWindowVisible());

    {
        // No menu: a right click shows nothing; another icon's events are not ours.
        MenuWatcher watcher;
        TrayEvent(sheet, WM_RBUTTONUP);
        TrayEvent(sheet, WM_CONTEXTMENU);
        EXPECT_EQ(0, watcher.Seen());
        TrayEvent(sheet, WM_LBUTTONDBLCLK, 2);
        EXPECT_FALSE(sheet.IsWindowVisible());
    }
    // A double-click brings it back, not left top-most.
    TrayEvent(sheet, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(sheet.IsWindowVisible());
    EXPECT_FALSE(sheet.GetExStyle() & WS_EX_TOPMOST);

    {
        // With a menu, a right click opens it; "Show" restores.
        sheet.SetTrayIcon(icon, IDM_TEST_TRAY);
        sheet.ShowWindow(SW_HIDE);
        MenuWatcher watcher;
        TrayEvent(sheet, WM_RBUTTONUP);
        EXPECT_EQ(1, watcher.Seen());
        sheet.SendMessage(WM_COMMAND, Sheet::kTrayShowCommand);
        DrainMessages();
        EXPECT_TRUE(sheet.IsWindowVisible());
    }

    // Without the icon, closing closes, and the application ends.
    sheet.RemoveTrayIcon();
    EXPECT_EQ(0, recorder.IconsShown());
    EXPECT_FALSE(sheet.IsTrayIconPresent());
    sheet.SendMessage(WM_SYSCOMMAND, SC_CLOSE);
    EXPECT_TRUE(PumpUntilGone(sheet, 2000));
    EXPECT_EQ(nullptr, sheet.m_hWnd);
    EXPECT_EQ(1, recorder.Count(NIM_DELETE));
}

TEST(SheetTray, ExitFromTheMenuEndsTheWindowAndDeletesTheIcon)
{
    NotifyRecorder recorder;
    TwoPageSheet two;
    Sheet& sheet = two.sheet;
    ASSERT_NE(nullptr, sheet.m_hWnd);
    const HWND window = sheet.m_hWnd;
    // Asked for after the window exists: added at once.
    sheet.SetTrayIcon(LoadIconA(nullptr, IDI_APPLICATION), IDM_TEST_TRAY);
    EXPECT_EQ(1, recorder.IconsShown());

    sheet.SendMessage(WM_COMMAND, Sheet::kTrayExitCommand);
    EXPECT_EQ(nullptr, sheet.m_hWnd);
    EXPECT_EQ(0, recorder.IconsShown());
    ASSERT_EQ(1, recorder.Count(NIM_DELETE));
    EXPECT_EQ(window, recorder.Calls().back().record.hWnd);
}

TEST(SheetTray, WinesTrayWindowShowsTheIconAndADoubleClickOnItRestoresTheSheet)
{
    TwoPageSheet two;
    Sheet& sheet = two.sheet;
    ASSERT_NE(nullptr, sheet.m_hWnd);
    sheet.SetTrayIcon(LoadIconA(nullptr, IDI_APPLICATION), Sheet::kNoTrayMenu);
    // Without a desktop tray, Wine shows its own window of icons.
    HWND tray = nullptr;
    PumpUntil([&] { return (tray = FindWindowA(nullptr, "Wine System Tray")) != nullptr && IsWindowVisible(tray); },
              3000);
    ASSERT_NE(nullptr, tray) << "no tray window";
    sheet.SendMessage(WM_SYSCOMMAND, SC_CLOSE);
    PumpFor(100);
    ASSERT_FALSE(sheet.IsWindowVisible());

    // The user double-clicks the first icon, as the pointer would.
    RECT area;
    GetWindowRect(tray, &area);
    const int size = area.bottom - area.top;
    GlideTo({area.left + size / 2, area.top + size / 2});
    Click();
    Click();
    EXPECT_TRUE(PumpUntil([&] { return sheet.IsWindowVisible(); }, 3000));
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    sheet.RemoveTrayIcon();
}

TEST(SheetTray, AfterTheShellRestartsTheIconComesBackAndCloseHidesOnlyWhileItIsShown)
{
    NotifyRecorder recorder;
    TwoPageSheet two;
    Sheet& sheet = two.sheet;
    ASSERT_NE(nullptr, sheet.m_hWnd);
    CWinApp app;
    app.m_pMainWnd = &sheet;
    sheet.SetTrayIcon(LoadIconA(nullptr, IDI_APPLICATION), Sheet::kNoTrayMenu);
    ASSERT_TRUE(sheet.IsTrayIconShown());
    const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");

    // The shell restarts and comes back refusing icons at first: the sheet is not
    // hidden where nothing could bring it back; the next start of the shell takes it.
    recorder.RestartShell();
    recorder.Answer(FALSE);
    sheet.SendMessage(taskbarCreated);
    EXPECT_FALSE(sheet.IsTrayIconShown());
    EXPECT_TRUE(sheet.IsTrayIconPresent()) << "still wanted";
    recorder.Answer(TRUE);
    sheet.SendMessage(taskbarCreated);
    EXPECT_TRUE(sheet.IsTrayIconShown());
    EXPECT_EQ(1, recorder.IconsShown());
    sheet.SendMessage(WM_SYSCOMMAND, SC_CLOSE);
    EXPECT_FALSE(PumpUntilGone(sheet, 200));
    EXPECT_FALSE(sheet.IsWindowVisible()) << "hidden while the icon is shown";

    // The icon lost for good: close acts as without a tray icon.
    sheet.ShowWindow(SW_SHOW);
    recorder.RestartShell();
    recorder.Answer(FALSE);
    sheet.SendMessage(taskbarCreated);
    sheet.SendMessage(WM_SYSCOMMAND, SC_CLOSE);
    EXPECT_TRUE(PumpUntilGone(sheet, 2000));
    EXPECT_EQ(nullptr, sheet.m_hWnd);
}
