// Status texts sent to a container reach its status bar wherever it sits among the
// descendants: a text as given, a string resource up to its first newline, nothing
// for 0.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "containers_test_ids.h"
#include "skin/containers/cool_status_route.h"

namespace {

std::string TextOf(HWND window)
{
    char text[128] = "";
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

class StatusWindows : public testing::Test {
protected:
    void SetUp() override
    {
        INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
        top = CreateWindowExA(0, "STATIC", "top", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
        middle = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 300, 200, top, reinterpret_cast<HMENU>(5), nullptr,
                                 nullptr);
        bar = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD, 0, 0, 300, 20, middle,
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kStatusBarId)), nullptr, nullptr);
    }
    void TearDown() override { DestroyWindow(top); }

    HWND top = nullptr;
    HWND middle = nullptr;
    HWND bar = nullptr;
};

} // namespace

TEST_F(StatusWindows, TextsReachTheStatusBarAmongTheDescendants)
{
    ASSERT_EQ(bar, FindDescendant(top, kStatusBarId));
    UINT lastId = 77;
    RouteStatusText(top, IDS_TEST_STATUS, 0, &lastId);
    EXPECT_EQ("Status line", TextOf(bar));
    EXPECT_EQ(static_cast<UINT>(IDS_TEST_STATUS), lastId);

    RouteStatusText(top, 0, reinterpret_cast<LPARAM>("Given text"), &lastId);
    EXPECT_EQ("Given text", TextOf(bar));

    RouteStatusText(top, IDS_TEST_PLAIN, 0, &lastId);
    EXPECT_EQ("Plain status", TextOf(bar));

    RouteStatusText(top, 0, 0, &lastId);
    EXPECT_EQ("", TextOf(bar));
    EXPECT_EQ(0u, lastId);
}

TEST_F(StatusWindows, WithoutStatusBarNothingIsShown)
{
    DestroyWindow(bar);
    UINT lastId = 0;
    EXPECT_EQ(0, RouteStatusText(top, IDS_TEST_STATUS, 0, &lastId));
    EXPECT_EQ(static_cast<UINT>(IDS_TEST_STATUS), lastId);
    EXPECT_EQ(nullptr, FindDescendant(top, kStatusBarId));
    EXPECT_EQ("", TextOf(middle));
}
