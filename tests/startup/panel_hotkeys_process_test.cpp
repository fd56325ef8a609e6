// The panel executable's hotkeys under Wine, pressed as key input while the panel
// runs on the simulated six- and four-channel card: volume at its ends, mute and
// record source, a key another program holds, the 3D Settings page after Ctrl+Alt+4,
// the keys without an action on the four-channel card, and Ctrl+F inside the sheet
// with the global hotkeys off. The card's values are read from where the simulated
// card keeps them.
#include "startup/panel_process.h"

#include "driver/driver_keys.h"
#include "platform/panel_values.h"
#include "platform/registry.h"
#include "simcard/sim_mixer_store.h"
#include "support/card_bench.h"
#include "support/message_pump.h"
#include "support/registry_guard.h"
#include "support/registry_tree_guard.h"

#include <gtest/gtest.h>

#include <map>

namespace {

const char* kProduct = "Halvard 5.1+";
const char* kSheetCaption = "Halvard";
constexpr DWORD kStartMs = 20000;
constexpr LONG kStep = 65535 / 32;

// Key presses as the keyboard makes them: modifiers down, key down, all up.
void Press(std::initializer_list<WORD> keys)
{
    std::vector<INPUT> inputs;
    for (WORD key : keys) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        inputs.push_back(input);
    }
    for (auto key = keys.end(); key != keys.begin();) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *--key;
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    PumpFor(400);
}

// Control IDs of the model's playback lines and record selector, by name.
struct CardIds {
    DWORD master = 0, masterMute = 0, front = 0, line3 = 0, selector = 0;
};

CardIds IdsOf(SimCardModel model)
{
    CardBench bench;
    CardIds ids;
    if (!bench.Start(model))
        return ids;
    CCardMixer& card = bench.Mixer();
    auto id = [&](int destination, int source, int control) {
        MixerControlEntry* entry = nullptr;
        return card.GetControl(destination, source, control, entry) && entry ? entry->control.dwControlID : 0;
    };
    ids.master = id(0, -1, 0);
    ids.masterMute = id(0, -1, 1);
    ids.front = id(0, 1, 0);
    ids.line3 = id(0, 3, 0);
    MixerControlEntry* selector = nullptr;
    if (card.GetDestinationControl(1, 0, selector) && selector)
        ids.selector = selector->control.dwControlID;
    return ids;
}

// The values stored for a control of that many values; empty when none are.
std::vector<LONG> Stored(DWORD controlId, size_t count)
{
    std::vector<LONG> values(count);
    if (!SimMixerStore().Load(0, controlId, values))
        values.clear();
    return values;
}

int ActiveTab(HWND sheet)
{
    const HWND tab = FindWindowExA(sheet, nullptr, "SysTabControl32", nullptr);
    return static_cast<int>(SendMessageA(tab, TCM_GETCURSEL, 0, 0));
}

class PanelHotkeysProcessTest : public testing::Test {
protected:
    PanelHotkeysProcessTest() { RemoveAutostart(kProduct); }

    // The panel on that card, its mixer values stored as given; null when no sheet
    // came. Message boxes shown on the way are answered and their texts kept.
    HWND Start(SimCardModel model, bool globalHotkeys, const std::map<DWORD, std::vector<LONG>>& values)
    {
        WriteGlobalHotKeysSwitch(globalHotkeys);
        for (const auto& [id, stored] : values)
            SimMixerStore().Save(0, id, stored);
        m_boxes.clear();
        m_panel = std::make_unique<PanelProcess>("", model == SimCardModel::Six ? "six" : "four");
        HWND sheet = nullptr;
        PumpUntil([&] {
            for (HWND window : m_panel->VisibleWindows()) {
                char caption[64] = {};
                GetWindowTextA(window, caption, sizeof(caption));
                if (std::string(caption) == kSheetCaption) {
                    sheet = window;
                } else {
                    m_boxes.push_back(MessageBoxText(window));
                    PostMessageA(window, WM_COMMAND, IDOK, 0);
                    PumpFor(300);
                }
            }
            return sheet != nullptr;
        }, kStartMs);
        PumpFor(300);
        return sheet;
    }

    // Another program's window holding a hotkey, let go at the end.
    struct HeldKey {
        HeldKey(UINT modifiers, UINT key)
            : window(CreateWindowExA(0, "STATIC", "other", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr)),
              held(RegisterHotKey(window, 1, modifiers, key) != FALSE)
        {
        }
        ~HeldKey()
        {
            UnregisterHotKey(window, 1);
            DestroyWindow(window);
        }
        HWND window;
        bool held;
    };

    RegistryTreeGuard m_driverTree{HKEY_LOCAL_MACHINE, kDriverSettingsKey};
    RegistryTreeGuard m_mixerStore{HKEY_CURRENT_USER, SimMixerStore::DefaultKey()};
    RegistryValueGuard m_autostart{HKEY_LOCAL_MACHINE, kAutostartKey, kProduct, kSharedSoftwareView};
    std::unique_ptr<PanelProcess> m_panel;
    std::vector<std::string> m_boxes;
};

} // namespace

TEST_F(PanelHotkeysProcessTest, GlobalHotkeysOnTheSixChannelCard)
{
    const CardIds ids = IdsOf(SimCardModel::Six);
    ASSERT_NE(0u, ids.selector);
    // Another program holds Ctrl+Alt+W before the panel starts.
    HeldKey other(MOD_CONTROL | MOD_ALT, 'W');
    ASSERT_TRUE(other.held);
    HWND sheet = Start(SimCardModel::Six, true, {{ids.master, {65535, 65535}}, {ids.masterMute, {0}}});
    ASSERT_NE(nullptr, sheet);
    EXPECT_EQ(std::vector<std::string>{"Warning: not all hotkeys could be set!"}, m_boxes);

    Press({VK_CONTROL, VK_SPACE});
    EXPECT_EQ((std::vector<LONG>{65535, 65535}), Stored(ids.master, 2)) << "at the maximum it stays there";
    Press({VK_CONTROL, VK_SHIFT, VK_SPACE});
    EXPECT_EQ((std::vector<LONG>{65535 - kStep, 65535 - kStep}), Stored(ids.master, 2));
    Press({VK_CONTROL, VK_MENU, VK_SPACE});
    EXPECT_EQ(std::vector<LONG>{1}, Stored(ids.masterMute, 1));
    Press({VK_CONTROL, VK_SHIFT, 'C'});
    EXPECT_EQ((std::vector<LONG>{0, 1, 0, 0, 0, 0}), Stored(ids.selector, 6)) << "CD Audio records";
    Press({VK_CONTROL, VK_MENU, '4'});
    EXPECT_EQ(6, ActiveTab(sheet)) << "the 3D Settings page";
    EXPECT_EQ(std::vector<HWND>{sheet}, m_panel->VisibleWindows()) << "the warning came once";
}

TEST_F(PanelHotkeysProcessTest, FourChannelCardAndKeysInsideTheSheet)
{
    const CardIds ids = IdsOf(SimCardModel::Four);
    HWND sheet = Start(SimCardModel::Four, true, {{ids.master, {0, 0}}, {ids.line3, {1000, 1000}}});
    ASSERT_NE(nullptr, sheet);
    EXPECT_TRUE(m_boxes.empty());
    Press({VK_CONTROL, VK_SHIFT, VK_SPACE});
    EXPECT_EQ((std::vector<LONG>{0, 0}), Stored(ids.master, 2)) << "at the minimum it stays there";
    // Ctrl+Alt+6 and Ctrl+L have no action on this card.
    Press({VK_CONTROL, 'L'});
    Press({VK_CONTROL, VK_MENU, '6'});
    EXPECT_EQ((std::vector<LONG>{1000, 1000}), Stored(ids.line3, 2));
    EXPECT_EQ(0, ActiveTab(sheet));
    Press({VK_CONTROL, VK_MENU, '4'});
    EXPECT_EQ(5, ActiveTab(sheet)) << "the 3D Settings page of seven";
    PostMessageA(sheet, WM_COMMAND, 32772, 0);
    ASSERT_TRUE(m_panel->WaitForExit(kStartMs));

    // With the global hotkeys off, Ctrl+F still raises Front inside the sheet.
    sheet = Start(SimCardModel::Four, false, {{ids.front, {1000, 1000}}});
    ASSERT_NE(nullptr, sheet);
    SetForegroundWindow(sheet);
    PumpUntil([&] { return GetForegroundWindow() == sheet; }, 3000);
    Press({VK_CONTROL, 'F'});
    EXPECT_EQ((std::vector<LONG>{1000 + kStep, 1000 + kStep}), Stored(ids.front, 2));
    // F5 onwards choose pages there.
    Press({VK_F8});
    EXPECT_EQ(3, ActiveTab(sheet));
}
