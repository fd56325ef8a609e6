// The panel executable on a simulated card used for the first time: the EQ page
// lists the driver's factory presets and choosing one moves the ten bands, the 3D
// Settings page lists the factory schemes with "Default" chosen, and a second start
// keeps a preset the user changed.
#include "startup/panel_process.h"

#include "dialogs/eq_ids.h"
#include "dialogs/settings3d_ids.h"
#include "driver/driver_keys.h"
#include "driver/eq_keys.h"
#include "driver/source_positions.h"
#include "platform/panel_values.h"
#include "simcard/sim_factory_content.h"
#include "simcard/sim_mixer_store.h"
#include "support/card_bench.h"
#include "support/key_input.h"
#include "support/message_pump.h"
#include "support/pointer_input.h"
#include "support/registry_guard.h"
#include "support/registry_tree_guard.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char* kSheetCaption = "Halvard";
constexpr DWORD kStartMs = 20000;
constexpr int kEqPageIndex = 4;       // Playback, Sources, Record, Digital, EQ on the six-channel card
constexpr int kSettingsPageIndex = 6; // ..., MIDI, 3D Settings
const std::string kBands = std::string(kEqualizerKey) + "\\48000\\10-Bands";

class PanelFactoryProcessTest : public testing::Test {
protected:
    PanelFactoryProcessTest()
    {
        WriteGlobalHotKeysSwitch(false);
        DeleteKeyTree(HKEY_LOCAL_MACHINE, kEqualizerKey);
        DeleteKeyTree(HKEY_LOCAL_MACHINE, kSourcePositioningKey);
        MarkSimFactoryContent(false);
    }

    RegistryTreeGuard m_driverTree{HKEY_LOCAL_MACHINE, kDriverSettingsKey};
    RegistryTreeGuard m_mixerStore{HKEY_CURRENT_USER, SimMixerStore::DefaultKey()};
    RegistryValueGuard m_mark{HKEY_CURRENT_USER, kSimCardKey, kSimFactoryMarkValue};
};

HWND ShowPage(HWND sheet, int index)
{
    SendMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
    // The pointer leaves the sheet and comes back, as it does when a hand changes
    // pages: the page left behind lets go of it.
    PointerTo(0, 0);
    PumpFor(500);
    return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

// The names below a key in the registry's order, which is the order the pages list
// them in (the current set's own key left out).
std::vector<std::string> StoredNames(const std::string& path, const char* current)
{
    std::vector<std::string> names;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return names;
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD size = sizeof(name);
        if (RegEnumKeyExA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        if (std::string(name) != current)
            names.emplace_back(name);
    }
    RegCloseKey(key);
    return names;
}

// What a combo box shows in its field.
std::string Shown(HWND combo)
{
    char text[128] = {};
    const HWND field = FindWindowExA(combo, nullptr, "Edit", nullptr);
    SendMessageA(field != nullptr ? field : combo, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text));
    return text;
}

int IndexOf(const std::vector<std::string>& items, const std::string& item)
{
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i] == item)
            return static_cast<int>(i);
    return -1;
}

std::string StoredText(const std::string& key, const char* name)
{
    const std::vector<BYTE> data = ReadMachineValue(key, name).data;
    return std::string(data.begin(), data.end()).c_str();
}

// The gain a band slider shows (its positions run from +10 dB at the top).
int BandGain(HWND page, int band)
{
    return static_cast<int>(SendMessageA(GetDlgItem(page, IDC_EQ_BAND_FIRST + band), TBM_GETPOS, 0, 0)) / -10;
}

// An entry chosen with the keyboard: a click into the field, then the arrow keys
// move the choice from entry to entry.
void ChooseWithKeys(HWND combo, int index)
{
    const HWND field = FindWindowExA(combo, nullptr, "Edit", nullptr);
    RECT rect = {};
    GetWindowRect(field != nullptr ? field : combo, &rect);
    ClickAt(rect.left + 4, (rect.top + rect.bottom) / 2);
    const int current = static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
    for (int step = current; step != index; step += index > current ? 1 : -1) {
        PressKeys({static_cast<WORD>(index > current ? VK_DOWN : VK_UP)});
        PumpFor(200);
    }
    PumpFor(300);
}

} // namespace

TEST_F(PanelFactoryProcessTest, FirstStartListsFactoryPresetsAndSchemesAndASecondKeepsTheUsers)
{
    std::vector<BYTE> changedRock;
    {
        PanelProcess panel("", "six");
        const HWND sheet = panel.WaitForWindow(kSheetCaption, kStartMs);
        ASSERT_NE(nullptr, sheet);
        ASSERT_TRUE(panel.WaitForIdle(kStartMs));

        const HWND eq = ShowPage(sheet, kEqPageIndex);
        ASSERT_NE(nullptr, eq);
        const HWND presets = GetDlgItem(eq, IDC_EQ_PRESET);
        const std::vector<std::string> names = StoredNames(kBands, kEqCurrentSetKey);
        EXPECT_EQ(static_cast<size_t>(kSimFactoryPresetCount), names.size());
        EXPECT_EQ(names.size(), static_cast<size_t>(SendMessageA(presets, CB_GETCOUNT, 0, 0)));
        EXPECT_EQ(IndexOf(names, kSimFlatPresetName), SendMessageA(presets, CB_GETCURSEL, 0, 0));
        EXPECT_EQ(kSimFlatPresetName, Shown(presets)) << "the flat preset is current";
        for (int band = 0; band < 10; ++band)
            EXPECT_EQ(0, BandGain(eq, band));

        // "Rock" chosen: the ten bands move, and the current set the driver reads is Rock's.
        const int rock = IndexOf(names, "Rock");
        ASSERT_GE(rock, 0);
        ChooseWithKeys(presets, rock);
        EXPECT_EQ(rock, SendMessageA(presets, CB_GETCURSEL, 0, 0));
        EXPECT_EQ("Rock", Shown(presets));
        const std::vector<BYTE> rockGains = ReadMachineValue(kBands + "\\Rock", kEqGainTableValue).data;
        ASSERT_EQ(10u, rockGains.size());
        int moved = 0;
        for (int band = 0; band < 10; ++band) {
            EXPECT_EQ(static_cast<signed char>(rockGains[band]), BandGain(eq, band)) << band;
            moved += BandGain(eq, band) != 0 ? 1 : 0;
        }
        EXPECT_GE(moved, 8);
        EXPECT_EQ("Rock", StoredText(kBands + "\\CurrentSet", kEqSetNameValue));
        EXPECT_EQ(rockGains, ReadMachineValue(kBands + "\\CurrentSet", kEqGainTableValue).data);

        // The 3D Settings page: the schemes, "Default" chosen.
        const HWND settings = ShowPage(sheet, kSettingsPageIndex);
        ASSERT_NE(nullptr, settings);
        const HWND schemes = GetDlgItem(settings, IDC_3D_SCHEME);
        const std::vector<std::string> schemeNames = StoredNames(kSourcePositioningKey, kCurrentSchemeSubkey);
        EXPECT_EQ(static_cast<size_t>(kSimFactorySchemeCount), schemeNames.size());
        EXPECT_EQ(schemeNames.size(), static_cast<size_t>(SendMessageA(schemes, CB_GETCOUNT, 0, 0)));
        EXPECT_EQ(IndexOf(schemeNames, kDefaultSchemeName), SendMessageA(schemes, CB_GETCURSEL, 0, 0));
        EXPECT_EQ(kDefaultSchemeName, Shown(schemes));

        // Rock changed by the user (stored as the panel's Save stores it).
        changedRock = rockGains;
        changedRock[4] = 7;
        ASSERT_TRUE(WriteMachineBinary(kBands + "\\Rock", kEqGainTableValue, changedRock.data(), 10));
        PostMessageA(sheet, WM_COMMAND, 32772, 0); // the tray menu's "Exit"
        ASSERT_TRUE(panel.WaitForExit(kStartMs));
    }
    EXPECT_TRUE(IsSimFactoryContentMarked());

    // The second start keeps what the user made of it.
    PanelProcess again("", "six");
    ASSERT_NE(nullptr, again.WaitForWindow(kSheetCaption, kStartMs));
    ASSERT_TRUE(again.WaitForIdle(kStartMs));
    EXPECT_EQ(changedRock, ReadMachineValue(kBands + "\\Rock", kEqGainTableValue).data);
    EXPECT_EQ("Rock", StoredText(kBands + "\\CurrentSet", kEqSetNameValue));
}
