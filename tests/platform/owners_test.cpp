// Owners of device contexts, handles and timers: what they undo and what they leave.
#include "platform/dc.h"
#include "platform/owned_handle.h"
#include "platform/window_timer.h"
#include "platform/wnd.h"

#include <gtest/gtest.h>

#include "platform_test_support.h"

TEST(Owners, BorrowedContextIsNeverDeletedOwnedOneIs)
{
    const HDC lent = CreateCompatibleDC(nullptr);
    {
        CBorrowedDC borrowed(lent);
        EXPECT_FALSE(borrowed.IsOwner());
        EXPECT_EQ(borrowed.GetSafeHdc(), lent);
    }
    EXPECT_NE(GetObjectType(lent), 0u) << "a borrowed context was deleted";
    HDC owned = nullptr;
    {
        CDC dc;
        ASSERT_TRUE(dc.Attach(lent));
        EXPECT_TRUE(dc.IsOwner());
        owned = dc.GetSafeHdc();
        // Borrowing another context deletes the owned one first.
        const HDC other = CreateCompatibleDC(nullptr);
        ASSERT_TRUE(dc.Borrow(other));
        EXPECT_EQ(GetObjectType(owned), 0u);
        dc.DeleteDC();
        EXPECT_NE(GetObjectType(other), 0u);
        DeleteDC(other);
    }
}

TEST(Owners, HandleOwnersUndoOnceAndMoveOwnership)
{
    HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ASSERT_NE(event, nullptr);
    {
        COwnedKernelHandle first(event);
        COwnedKernelHandle second(std::move(first));
        EXPECT_FALSE(first.IsHeld());
        EXPECT_EQ(second.Get(), event);
        DWORD flags = 0;
        EXPECT_TRUE(GetHandleInformation(event, &flags));
    }
    DWORD flags = 0;
    EXPECT_FALSE(GetHandleInformation(event, &flags)) << "the handle outlived its owner";

    COwnedKernelHandle invalid(INVALID_HANDLE_VALUE);
    EXPECT_FALSE(invalid.IsHeld());

    HANDLE kept = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    {
        COwnedKernelHandle owner(kept);
        EXPECT_EQ(owner.Release(), kept);
    }
    EXPECT_TRUE(GetHandleInformation(kept, &flags));
    CloseHandle(kept);
}

TEST(Owners, HotKeyIsUnregisteredWithItsOwner)
{
    CWnd window;
    ASSERT_TRUE(window.CreateEx(0, TestWindowClass(), "", WS_POPUP, {0, 0, 20, 20}, nullptr, 0));
    {
        ASSERT_TRUE(RegisterHotKey(window.m_hWnd, 7, MOD_CONTROL | MOD_ALT | MOD_SHIFT, VK_F12));
        COwnedHotKey hotKey({window.m_hWnd, 7});
        EXPECT_FALSE(RegisterHotKey(window.m_hWnd, 8, MOD_CONTROL | MOD_ALT | MOD_SHIFT, VK_F12));
    }
    EXPECT_TRUE(RegisterHotKey(window.m_hWnd, 8, MOD_CONTROL | MOD_ALT | MOD_SHIFT, VK_F12));
    UnregisterHotKey(window.m_hWnd, 8);
    window.DestroyWindow();
}

TEST(Owners, TimersAreCountedAndKilled)
{
    CWnd window;
    ASSERT_TRUE(window.CreateEx(0, TestWindowClass(), "", WS_POPUP, {0, 0, 20, 20}, nullptr, 0));
    const int before = CWindowTimer::LiveCount();
    {
        CWindowTimer a;
        CWindowTimer b;
        ASSERT_TRUE(a.Start(window.m_hWnd, 676, 100));
        ASSERT_TRUE(a.Start(window.m_hWnd, 676, 50)); // a new period, still one timer
        ASSERT_TRUE(b.Start(window.m_hWnd, 777, 100));
        EXPECT_EQ(CWindowTimer::LiveCount(), before + 2);
        b.Stop();
        b.Stop();
        EXPECT_EQ(CWindowTimer::LiveCount(), before + 1);
    }
    EXPECT_EQ(CWindowTimer::LiveCount(), before);
    // A killed timer never ticks again.
    MSG message;
    Sleep(120);
    EXPECT_FALSE(PeekMessageA(&message, window.m_hWnd, WM_TIMER, WM_TIMER, PM_REMOVE));
    window.DestroyWindow();
}
