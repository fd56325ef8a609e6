// The panel executable stays reachable under Wine: hidden in the tray, its icon
// lost as a restarting shell loses it, the shell's "TaskbarCreated" brings the
// icon back and a double-click on it shows the sheet; a sheet hidden outside every
// screen comes back with its caption in the work area, and one that was on the
// screen comes back where it was.
#include "startup/panel_process.h"

#include "driver/driver_keys.h"
#include "platform/panel_values.h"
#include "platform/registry.h"
#include "simcard/sim_mixer_store.h"
#include "support/message_pump.h"
#include "support/pointer_input.h"
#include "support/registry_guard.h"
#include "support/registry_tree_guard.h"

#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

namespace {

const char* kProduct = "Halvard 5.1+";
const char* kSheetCaption = "Halvard";
constexpr DWORD kStartMs = 20000;
constexpr WPARAM kTrayShow = 32773;

class PanelReachableProcessTest : public testing::Test {
protected:
    PanelReachableProcessTest() { WriteGlobalHotKeysSwitch(false); }

    RegistryTreeGuard m_driverTree{HKEY_LOCAL_MACHINE, kDriverSettingsKey};
    RegistryTreeGuard m_mixerStore{HKEY_CURRENT_USER, SimMixerStore::DefaultKey()};
    RegistryValueGuard m_autostart{HKEY_LOCAL_MACHINE, kAutostartKey, kProduct, kSharedSoftwareView};
};

// The panel's icon, named as the shell names it: by window and ID.
NOTIFYICONDATAA IconName(HWND sheet)
{
    NOTIFYICONDATAA record = {};
    record.cbSize = NOTIFYICONDATAA_V2_SIZE;
    record.hWnd = sheet;
    record.uID = 1;
    return record;
}

// The shell changes only an icon it shows; a change of nothing tells whether it does.
bool IconShown(HWND sheet)
{
    NOTIFYICONDATAA record = IconName(sheet);
    return Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
}

RECT WorkAreaOf(HWND window)
{
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    return monitor.rcWork;
}

// From the top of the window to the top of its client area, its whole width.
RECT CaptionOf(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    POINT clientTop = {0, 0};
    ClientToScreen(window, &clientTop);
    rect.bottom = clientTop.y;
    return rect;
}

bool Within(const RECT& inner, const RECT& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right
        && inner.bottom <= outer.bottom && inner.bottom > inner.top;
}

// A double-click on the first icon of Wine's own tray window (shown where no
// desktop tray is); false when there is no such window.
bool DoubleClickFirstTrayIcon()
{
    HWND tray = nullptr;
    PumpUntil([&] { return (tray = FindWindowA(nullptr, "Wine System Tray")) != nullptr && IsWindowVisible(tray); },
              5000);
    if (tray == nullptr || !IsWindowVisible(tray))
        return false;
    RECT area = {};
    GetWindowRect(tray, &area);
    const int size = area.bottom - area.top;
    ClickAt(area.left + size / 2, area.top + size / 2, 2);
    PointerTo(GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) - 1);
    return true;
}

} // namespace

TEST_F(PanelReachableProcessTest, TheShellsRestartBringsTheIconBackAndTheSheetComesBackOnTheScreen)
{
    ASSERT_TRUE(WriteAutostart(kProduct, "\"C:\\Halvard\\Halvard 5.1+.exe\" -minimize"));
    PanelProcess panel("", "six");
    HWND sheet = panel.WaitForWindow(kSheetCaption, kStartMs);
    ASSERT_NE(nullptr, sheet);
    ASSERT_TRUE(panel.WaitForIdle(kStartMs));
    ASSERT_TRUE(IconShown(sheet));
    PostMessageA(sheet, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(sheet); }, kStartMs));

    // While hidden, its screen went away: the sheet now lies outside every screen.
    const int virtualRight = GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN);
    SetWindowPos(sheet, nullptr, virtualRight + 300, -2000, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    // The shell restarts: the icon is gone, then the shell says it is back.
    NOTIFYICONDATAA lost = IconName(sheet);
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &lost));
    ASSERT_FALSE(IconShown(sheet));
    SendNotifyMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(PumpUntil([&] { return IconShown(sheet); }, kStartMs)) << "the icon came back";

    // A double-click on the icon shows the sheet, its caption within the work area.
    ASSERT_TRUE(DoubleClickFirstTrayIcon()) << "no tray window";
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(sheet) && !IsIconic(sheet); }, kStartMs));
    PumpFor(300);
    EXPECT_TRUE(Within(CaptionOf(sheet), WorkAreaOf(sheet)));

    // A sheet that was on the screen comes back where it was.
    SetWindowPos(sheet, nullptr, 60, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    PostMessageA(sheet, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(sheet); }, kStartMs));
    PostMessageA(sheet, WM_COMMAND, kTrayShow, 0);
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(sheet); }, kStartMs));
    PumpFor(300);
    RECT rect = {};
    GetWindowRect(sheet, &rect);
    EXPECT_EQ(60, rect.left);
    EXPECT_EQ(40, rect.top);
    EXPECT_TRUE(panel.IsRunning());
}
