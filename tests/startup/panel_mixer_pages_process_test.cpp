// The mixer pages of the panel executable under Wine, used with keys and the
// pointer on the simulated six-channel card: the master fader moved up,
// Ctrl+Alt+Space seen on the master's mute box, and "Mic" chosen as the record
// source with a click. The card's values are read from where the simulated card
// keeps them.
#include "startup/panel_process.h"

#include "dialogs/playback_ids.h"
#include "dialogs/record_ids.h"
#include "driver/driver_keys.h"
#include "mixer/controls/mixer_control_ids.h"
#include "platform/panel_values.h"
#include "platform/registry.h"
#include "simcard/sim_mixer_store.h"
#include "support/card_bench.h"
#include "support/message_pump.h"
#include "support/registry_guard.h"
#include "support/registry_tree_guard.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {

const char* kProduct = "Halvard 5.1+";
constexpr DWORD kStartMs = 20000;
constexpr int kRecordTab = 2; // Playback, Sources, Record on the six-channel card

struct SixChannelIds {
    DWORD master = 0, masterMute = 0, selector = 0;
};

SixChannelIds IdsOfTheSixChannelCard()
{
    CardBench bench;
    SixChannelIds ids;
    if (!bench.Start(SimCardModel::Six))
        return ids;
    MixerControlEntry* entry = nullptr;
    if (bench.Mixer().GetControl(0, -1, 0, entry))
        ids.master = entry->control.dwControlID;
    if (bench.Mixer().GetControl(0, -1, 1, entry))
        ids.masterMute = entry->control.dwControlID;
    if (bench.Mixer().GetDestinationControl(1, 0, entry))
        ids.selector = entry->control.dwControlID;
    return ids;
}

class PanelMixerPagesProcessTest : public testing::Test {
protected:
    PanelMixerPagesProcessTest()
    {
        RemoveAutostart(kProduct);
        WriteGlobalHotKeysSwitch(true);
    }

    RegistryTreeGuard m_driverTree{HKEY_LOCAL_MACHINE, kDriverSettingsKey};
    RegistryTreeGuard m_mixerStore{HKEY_CURRENT_USER, SimMixerStore::DefaultKey()};
    RegistryValueGuard m_autostart{HKEY_LOCAL_MACHINE, kAutostartKey, kProduct, kSharedSoftwareView};
};

} // namespace

TEST_F(PanelMixerPagesProcessTest, MasterFaderMuteHotkeyAndRecordSourceAsAUserMeetsThem)
{
    const SixChannelIds ids = IdsOfTheSixChannelCard();
    ASSERT_NE(0u, ids.selector);
    SimMixerStore().Save(0, ids.master, {0, 0});
    SimMixerStore().Save(0, ids.masterMute, {0});
    PanelProcess panel("", "six");
    const HWND sheet = panel.WaitForWindow("Halvard", kStartMs);
    ASSERT_NE(nullptr, sheet);
    PumpFor(500);
    HWND page = ShownPage(sheet);
    ASSERT_NE(nullptr, page);
    SetForegroundWindow(sheet);
    PumpUntil([&] { return GetForegroundWindow() == sheet; }, 3000);

    // Page Up on the master fader moves it up: the card's master volume follows.
    const HWND master = GetDlgItem(GetDlgItem(page, IDC_PLAYBACK_FADER_FIRST), kFaderFirstSliderId);
    ASSERT_NE(nullptr, master);
    PostMessageA(master, WM_KEYDOWN, VK_PRIOR, 0);
    PostMessageA(master, WM_KEYUP, VK_PRIOR, 0);
    PumpFor(400);
    const std::vector<LONG> volume = StoredMixerValues(ids.master, 2);
    ASSERT_EQ(2u, volume.size());
    EXPECT_GT(volume[0], 0);
    EXPECT_EQ(volume[0], volume[1]);

    // Ctrl+Alt+Space mutes the master; the page's box shows it.
    const HWND mute = GetDlgItem(page, IDC_PLAYBACK_MUTE_FIRST);
    EXPECT_EQ(BST_UNCHECKED, SendMessageA(mute, BM_GETCHECK, 0, 0));
    PressKeys({VK_CONTROL, VK_MENU, VK_SPACE});
    EXPECT_EQ(std::vector<LONG>{1}, StoredMixerValues(ids.masterMute, 1));
    EXPECT_EQ(BST_CHECKED, SendMessageA(mute, BM_GETCHECK, 0, 0));

    // "Mic" clicked on the Record page: the selector holds only the microphone.
    SendMessageA(sheet, PSM_SETCURSEL, kRecordTab, 0);
    PumpFor(500);
    page = ShownPage(sheet);
    ASSERT_NE(nullptr, page);
    const HWND mic = GetDlgItem(page, IDC_RECORD_SOURCE_FIRST + 2);
    ASSERT_NE(nullptr, mic);
    RECT box = {};
    GetClientRect(mic, &box);
    ClickAt(ScreenPoint(mic, {6, box.bottom / 2}));
    PumpUntil([&] { return SendMessageA(mic, BM_GETCHECK, 0, 0) == BST_CHECKED; }, 3000);
    EXPECT_EQ((std::vector<LONG>{0, 0, 1, 0, 0, 0}), StoredMixerValues(ids.selector, 6));
    EXPECT_EQ(BST_CHECKED, SendMessageA(mic, BM_GETCHECK, 0, 0));
    EXPECT_EQ(BST_UNCHECKED, SendMessageA(GetDlgItem(page, IDC_RECORD_SOURCE_FIRST), BM_GETCHECK, 0, 0));

    PostMessageA(sheet, WM_CLOSE, 0, 0);
    EXPECT_TRUE(panel.WaitForExit(kStartMs));
}
