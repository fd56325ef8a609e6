// The notification-area icon owner: the record the shell gets, one icon however
// often it is shown, and deletion when the owner goes.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "notify_recorder.h"
#include "platform/tray_icon.h"
#include "support/arch_layout.h"

TEST(TrayIcon, RecordIsTheClassicFormWithMessageIconAndTip)
{
    static_assert(sizeof(void*) != 4 || kNotifyIconRecordSize == 488, "488 bytes on x86");
    NotifyRecorder recorder;
    HWND owner = GetDesktopWindow();
    HICON icon = LoadIconA(nullptr, IDI_APPLICATION);
    const std::string longTip(100, 'x');
    {
        CTrayIcon tray;
        ASSERT_TRUE(tray.Add(owner, 1, 0x514, icon, longTip.c_str()));
        ASSERT_EQ(1u, recorder.Calls().size());
        const NOTIFYICONDATAA& record = recorder.Calls()[0].record;
        EXPECT_EQ(static_cast<DWORD>(NIM_ADD), recorder.Calls()[0].action);
        EXPECT_EQ(OnArch(488, 504), record.cbSize); // the classic form of each architecture
        EXPECT_EQ(owner, record.hWnd);
        EXPECT_EQ(1u, record.uID);
        EXPECT_EQ(7u, record.uFlags);
        EXPECT_EQ(0x514u, record.uCallbackMessage);
        EXPECT_EQ(icon, record.hIcon);
        EXPECT_EQ(std::string(63, 'x'), record.szTip);

        // Shown again: updated in place, still one icon.
        ASSERT_TRUE(tray.Add(owner, 1, 0x514, icon, "again"));
        EXPECT_EQ(1, recorder.Count(NIM_MODIFY));
        EXPECT_EQ(1, recorder.IconsShown());
    }
    // The owner went: the icon is gone, named by window and ID.
    EXPECT_EQ(0, recorder.IconsShown());
    const NOTIFYICONDATAA& removal = recorder.Calls().back().record;
    EXPECT_EQ(owner, removal.hWnd);
    EXPECT_EQ(1u, removal.uID);
    EXPECT_EQ(OnArch(488, 504), removal.cbSize);
}

TEST(TrayIcon, RefusedIconIsNotDeletedLater)
{
    NotifyRecorder recorder;
    recorder.Answer(FALSE);
    {
        CTrayIcon tray;
        EXPECT_FALSE(tray.Add(GetDesktopWindow(), 1, 0x514, nullptr, "tip"));
        EXPECT_FALSE(tray.IsAdded());
        EXPECT_FALSE(tray.Add(nullptr, 1, 0x514, nullptr, "tip"));
    }
    EXPECT_EQ(0, recorder.Count(NIM_DELETE));
}

TEST(TrayIcon, AnIconTheShellLostIsAddedAnewAndARefusedOneIsNotShown)
{
    NotifyRecorder recorder;
    HWND owner = GetDesktopWindow();
    CTrayIcon tray;
    ASSERT_TRUE(tray.Add(owner, 1, 0x514, nullptr, "tip"));

    // The shell restarted: the change is refused, so the icon is added again.
    recorder.RestartShell();
    EXPECT_TRUE(tray.Add(owner, 1, 0x514, nullptr, "tip"));
    EXPECT_EQ(2, recorder.Count(NIM_ADD));
    EXPECT_EQ(1, recorder.IconsShown());
    EXPECT_TRUE(tray.IsAdded());

    // A shell that refuses the new icon: not reported shown.
    recorder.RestartShell();
    recorder.Answer(FALSE);
    EXPECT_FALSE(tray.Add(owner, 1, 0x514, nullptr, "tip"));
    EXPECT_FALSE(tray.IsAdded());
    // Asked again once the shell takes icons: added.
    recorder.Answer(TRUE);
    EXPECT_TRUE(tray.Add(owner, 1, 0x514, nullptr, "tip"));
    EXPECT_EQ(1, recorder.IconsShown());
}
