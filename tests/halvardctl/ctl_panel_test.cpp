// The panel executable running beside halvardctl on the simulated card: the tool's
// change of the card's own settings reaches the panel, which reads them again, so
// that what it writes back at exit is the tool's value and not its own old one.
#include "halvardctl/ctl_process.h"
#include "halvardctl/ctl_test_support.h"
#include "startup/panel_process.h"

#include "driver/driver_keys.h"
#include "driver/spdif_settings.h"
#include "platform/panel_values.h"
#include "platform/registry.h"
#include "support/registry_guard.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr DWORD kStartMs = 20000;
constexpr WPARAM kTrayExit = 32772;

DWORD StoredSpdifNumber(const char* name)
{
    const StoredValue value = ReadMachineValue(kSpdifKey, name);
    DWORD number = 0xFFFFFFFF;
    if (value.found && value.data.size() == sizeof(number))
        std::memcpy(&number, value.data.data(), sizeof(number));
    return number;
}

class HalvardCtlPanelTest : public HalvardCtlTest {
protected:
    HalvardCtlPanelTest() { WriteGlobalHotKeysSwitch(false); }

    RegistryValueGuard m_autostart{HKEY_LOCAL_MACHINE, kAutostartKey, "Halvard 5.1+", kSharedSoftwareView};
};

TEST_F(HalvardCtlPanelTest, ThePanelTakesTheToolsCardSettingsAndKeepsThemAtExit)
{
    PanelProcess panel("", "six");
    const HWND sheet = panel.WaitForWindow("Halvard", kStartMs);
    ASSERT_NE(nullptr, sheet);
    // The panel loaded input off and the main mix as the output's source at its start.
    ASSERT_EQ(0u, RunCtl("set spdif.input on").exitCode);
    ASSERT_EQ(0u, RunCtl("set spdif.output input").exitCode);
    // Posted after the tool's messages, so the panel has read them again by now.
    PostMessageA(sheet, WM_COMMAND, kTrayExit, 0);
    DWORD exitCode = 0;
    ASSERT_TRUE(panel.WaitForExit(kStartMs, &exitCode));
    EXPECT_EQ(kSpdifInputOn, StoredSpdifNumber(kSpdifInputModeValue));
    EXPECT_EQ(kSpdifOutputInput, StoredSpdifNumber(kSpdifOutputSourceValue));
}

} // namespace
