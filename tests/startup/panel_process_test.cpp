// The panel executable under Wine, started as a user starts it: a second start
// while the first runs, and a start without the card.
#include "startup/panel_process.h"

#include "driver/driver_keys.h"
#include "platform/panel_values.h"
#include "simcard/sim_mixer_store.h"
#include "support/message_pump.h"
#include "support/registry_guard.h"
#include "support/registry_tree_guard.h"

#include <gtest/gtest.h>

#include <set>

namespace {

const char* kProduct = "Halvard 5.1+";
const char* kSheetCaption = "Halvard";
constexpr DWORD kStartMs = 20000;

// The card's registry state that a panel on the simulated card changes.
class PanelProcessTest : public testing::Test {
protected:
    RegistryTreeGuard m_driverTree{HKEY_LOCAL_MACHINE, kDriverSettingsKey};
    RegistryTreeGuard m_mixerStore{HKEY_CURRENT_USER, SimMixerStore::DefaultKey()};
    RegistryValueGuard m_autostart{HKEY_LOCAL_MACHINE, kAutostartKey, kProduct};
};

HWND ForegroundWindowOfOurs()
{
    HWND window = CreateWindowExA(0, "STATIC", "test window", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 200, 80, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(window);
    DrainMessages();
    return window;
}

} // namespace

TEST_F(PanelProcessTest, ASecondStartEndsAtOnceAndLeavesTheFirstAlone)
{
    PanelProcess first("", "six");
    ASSERT_TRUE(first.Started()) << PanelExecutable();
    HWND firstWindow = first.WaitForWindow(kSheetCaption, kStartMs);
    ASSERT_NE(nullptr, firstWindow);
    HWND ours = ForegroundWindowOfOurs();
    ASSERT_EQ(ours, GetForegroundWindow());
    RECT before = {};
    GetWindowRect(firstWindow, &before);

    PanelProcess second("-minimize", "six");
    ASSERT_TRUE(second.Started());
    size_t secondWindows = 0;
    DWORD exitCode = 99;
    const DWORD start = GetTickCount();
    while (second.IsRunning() && GetTickCount() - start < kStartMs) {
        secondWindows += second.VisibleWindows().size();
        PumpFor(5);
    }
    ASSERT_TRUE(second.WaitForExit(0, &exitCode));
    EXPECT_EQ(0u, exitCode);
    EXPECT_EQ(0u, secondWindows);

    EXPECT_TRUE(first.IsRunning());
    EXPECT_EQ(ours, GetForegroundWindow()) << "the first is not brought forward";
    RECT after = {};
    GetWindowRect(firstWindow, &after);
    EXPECT_TRUE(EqualRect(&before, &after));
    EXPECT_EQ(std::vector<HWND>{firstWindow}, first.VisibleWindows());

    PostMessageA(firstWindow, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(first.WaitForExit(kStartMs, &exitCode));
    EXPECT_EQ(0u, exitCode);
    DestroyWindow(ours);
}

TEST_F(PanelProcessTest, WithoutTheCardOneMessageAndTheAutostartValueGoes)
{
    ASSERT_TRUE(WriteAutostart(kProduct, "\"C:\\Halvard\\Halvard 5.1+.exe\" -minimize"));
    // Without the simulated card the machine's own devices are asked, and Wine has no card.
    PanelProcess panel("", "");
    ASSERT_TRUE(panel.Started());
    std::set<HWND> boxes;
    std::string text;
    const DWORD start = GetTickCount();
    while (panel.IsRunning() && GetTickCount() - start < kStartMs) {
        for (HWND window : panel.VisibleWindows()) {
            if (boxes.insert(window).second) {
                char caption[64] = {};
                GetWindowTextA(window, caption, sizeof(caption));
                EXPECT_STREQ("Error", caption);
                text = MessageBoxText(window);
                PostMessageA(window, WM_COMMAND, IDOK, 0);
            }
        }
        PumpFor(10);
    }
    DWORD exitCode = 99;
    ASSERT_TRUE(panel.WaitForExit(0, &exitCode));
    EXPECT_EQ(1u, boxes.size());
    EXPECT_EQ("Unable to create Mixer! Please check driver & Hardware.", text);
    EXPECT_EQ(0u, exitCode);
    EXPECT_FALSE(IsAutostartOn(kProduct));
}
