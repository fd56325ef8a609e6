// Hovering a skinned control shows its string in the status bar of its dialog;
// leaving clears it.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "containers_test_ids.h"
#include "platform/dialog_template.h"
#include "skin/controls/cool_button.h"
#include "skin/containers/cool_dialog.h"
#include "skin/containers/cool_status_route.h"
#include "support/message_pump.h"

namespace {

std::string TextOf(HWND window)
{
    char text[128] = "";
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

} // namespace

TEST(StatusHover, HoveringAButtonShowsItsStringAndLeavingClearsIt)
{
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    CDialogTemplate top(WS_POPUP, 0, 0, 0, 160, 90, "Status");
    CCoolDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(top.Get(), nullptr));
    dialog.SetWindowPos(nullptr, 0, 0, 300, 200, SWP_NOZORDER | SWP_NOACTIVATE);
    CCoolButton button;
    ASSERT_TRUE(button.Create("BUTTON", "Hover me", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, {20, 20, 140, 60},
                              dialog.m_hWnd, IDS_TEST_STATUS));
    const HWND bar = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, dialog.m_hWnd,
                                     reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kStatusBarId)), nullptr, nullptr);
    dialog.SpreadScheme();
    dialog.ShowWindow(SW_SHOWNOACTIVATE);
    PumpFor(50);

    // The pointer moves onto the button as the user's would.
    POINT inside = {80, 40};
    dialog.ClientToScreen(&inside);
    SetCursorPos(inside.x, inside.y);
    PumpUntil([&] { return !TextOf(bar).empty(); }, 1000);
    EXPECT_EQ("Status line", TextOf(bar));

    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    PumpUntil([&] { return TextOf(bar).empty(); }, 1000);
    EXPECT_EQ("", TextOf(bar));
    button.DestroyWindow();
    dialog.DestroyWindow();
}
