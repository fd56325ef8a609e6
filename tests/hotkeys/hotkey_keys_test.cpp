// The hotkeys as keys: one table entry per key combination, the global registration
// with its warnings, and the keyboard inside the sheet.
#include "app/global_hotkeys.h"
#include "app/hotkey_table.h"
#include "app/sheet_keys.h"
#include "hotkeys/hotkey_test_support.h"
#include "support/key_input.h"
#include "support/message_box_catcher.h"
#include "support/message_pump.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

TEST(HotkeyTable, EveryIdOnceAndEveryKeyCombinationOnce)
{
    std::set<DWORD> ids;
    std::set<std::pair<DWORD, DWORD>> keys;
    for (const HotkeyEntry& entry : kHotkeyTable) {
        EXPECT_TRUE(ids.insert(entry.id).second) << entry.id;
        EXPECT_TRUE(keys.insert({entry.modifiers, entry.key}).second) << entry.id;
        EXPECT_NE(0u, entry.modifiers & MOD_CONTROL) << "every hotkey holds Ctrl";
        EXPECT_EQ(&entry, FindHotkey(entry.modifiers, entry.key));
    }
    EXPECT_EQ(35u, ids.size());
    EXPECT_EQ(34u, *ids.rbegin());
    EXPECT_EQ(nullptr, FindHotkey(MOD_CONTROL, 'Q'));
    EXPECT_EQ(nullptr, FindHotkey(MOD_ALT, VK_SPACE));
}

namespace {

struct KeyCase {
    const char* what;
    UINT message;
    WPARAM key;
    SheetKeyState held;
    int pages;
    bool globalHotkeys;
    SheetKeyOutcome outcome;
    int value;
};

SheetKeyState Keys(const char* held)
{
    SheetKeyState state;
    const std::string text = held;
    state.alt = text.find('a') != std::string::npos;
    state.ctrl = text.find('c') != std::string::npos;
    state.shift = text.find('s') != std::string::npos;
    state.windowsKey = text.find('w') != std::string::npos;
    state.applicationsKey = text.find('m') != std::string::npos;
    return state;
}

} // namespace

TEST(SheetKeys, PagesHelpHotkeysAndAccessKeys)
{
    using O = SheetKeyOutcome;
    const std::string access = "PSRDEMSI";
    const KeyCase cases[] = {
        {"F5 selects the first page", WM_KEYDOWN, VK_F5, Keys(""), 8, false, O::SelectPage, 0},
        {"F12 the eighth", WM_KEYDOWN, VK_F12, Keys(""), 8, false, O::SelectPage, 7},
        {"F11 the seventh of seven", WM_SYSKEYDOWN, VK_F11, Keys(""), 7, false, O::SelectPage, 6},
        {"F12 is no page of seven", WM_KEYDOWN, VK_F12, Keys(""), 7, false, O::PassOn, 0},
        {"F10 comes as a system key", WM_SYSKEYDOWN, VK_F10, Keys(""), 8, true, O::SelectPage, 5},
        {"F4 goes on", WM_KEYDOWN, VK_F4, Keys(""), 8, false, O::PassOn, 0},
        {"F1 is swallowed", WM_KEYDOWN, VK_F1, Keys(""), 8, false, O::Swallow, 0},
        {"no pages, no page keys", WM_KEYDOWN, VK_F5, Keys(""), 0, false, O::PassOn, 0},
        {"Ctrl+F raises Front", WM_KEYDOWN, 'F', Keys("c"), 8, false, O::RunHotkey, 3},
        {"Ctrl+Shift+Space", WM_KEYDOWN, VK_SPACE, Keys("cs"), 8, false, O::RunHotkey, 1},
        {"Ctrl+Alt+4", WM_SYSKEYDOWN, '4', Keys("ca"), 8, false, O::RunHotkey, 31},
        {"global hotkeys arrive as hotkeys", WM_KEYDOWN, 'F', Keys("c"), 8, true, O::PassOn, 0},
        {"with a Windows key", WM_KEYDOWN, 'F', Keys("cw"), 8, false, O::PassOn, 0},
        {"with the Applications key", WM_KEYDOWN, 'F', Keys("cm"), 8, false, O::PassOn, 0},
        {"Shift+F5 is no page key", WM_KEYDOWN, VK_F5, Keys("s"), 8, false, O::PassOn, 0},
        {"Ctrl+Q is no hotkey", WM_KEYDOWN, 'Q', Keys("c"), 8, false, O::PassOn, 0},
        {"Ctrl+F4 is not Ctrl+S", WM_KEYDOWN, VK_F4, Keys("c"), 8, false, O::PassOn, 0},
        {"Ctrl+Alt+keypad 1 is not Ctrl+Alt+A", WM_KEYDOWN, VK_NUMPAD1, Keys("ca"), 8, false, O::PassOn, 0},
        {"Alt+d selects Digital", WM_SYSCHAR, 'd', Keys("a"), 8, false, O::SelectPage, 3},
        {"Alt+S the first S", WM_SYSCHAR, 'S', Keys("a"), 8, true, O::SelectPage, 1},
        {"Alt+x matches no page", WM_SYSCHAR, 'x', Keys("a"), 8, false, O::PassOn, 0},
        {"characters go on", WM_CHAR, 'd', Keys(""), 8, false, O::PassOn, 0},
        {"key releases go on", WM_KEYUP, VK_F5, Keys(""), 8, false, O::PassOn, 0},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.what);
        SheetKeyContext sheet;
        sheet.pageCount = c.pages;
        sheet.globalHotkeysRegistered = c.globalHotkeys;
        sheet.accessKeys = access;
        const SheetKeyDecision decision = DecideSheetKey(c.message, c.key, c.held, sheet);
        EXPECT_EQ(static_cast<int>(c.outcome), static_cast<int>(decision.outcome));
        if (c.outcome == O::SelectPage || c.outcome == O::RunHotkey) {
            EXPECT_EQ(c.value, decision.value);
        }
    }
}

TEST(SheetKeys, AccessKeysFromTabLabels)
{
    EXPECT_EQ("PSIE--", AccessKeysOf({"&Playback", "3D &Settings", "M&isc", "&e&q", "No key", "End&"}));
    EXPECT_EQ("", AccessKeysOf({}));
    // Beyond ASCII the user's code page decides (here Western European).
    EXPECT_EQ("\xDC", AccessKeysOf({"&\xFC" "ber"}));
    SheetKeyContext sheet;
    sheet.pageCount = 1;
    sheet.accessKeys = "\xDC";
    EXPECT_EQ(SheetKeyOutcome::SelectPage, DecideSheetKey(WM_SYSCHAR, 0xFC, Keys("a"), sheet).outcome);
}

// Esc and Enter never end the sheet: a drop-down list or a drag is ended first,
// then Esc closes as the caption's button does where the tray icon is, and Enter
// presses only a focused push button.
TEST(SheetKeys, EscapeAndEnterNeverEndTheSheet)
{
    using O = SheetKeyOutcome;
    struct Case {
        const char* what;
        WPARAM key;
        const char* held;
        const char* sheet; // t: tray icon, d: drag, w: focus wants the key, b: push button focused
        SheetKeyOutcome outcome;
    };
    const Case cases[] = {
        {"Esc with the tray icon closes", VK_ESCAPE, "", "t", O::CloseSheet},
        {"Esc without it does nothing", VK_ESCAPE, "", "", O::Swallow},
        {"Esc ends a drag first", VK_ESCAPE, "", "td", O::EndDrag},
        {"an open list takes Esc itself", VK_ESCAPE, "", "tdw", O::PassOn},
        {"Shift+Esc is Esc", VK_ESCAPE, "s", "", O::Swallow},
        {"Ctrl+Esc is Esc", VK_ESCAPE, "c", "t", O::CloseSheet},
        {"Enter presses a push button", VK_RETURN, "", "tb", O::PressButton},
        {"Enter elsewhere does nothing", VK_RETURN, "", "t", O::Swallow},
        {"Enter during a drag does nothing", VK_RETURN, "", "d", O::Swallow},
        {"an open list takes Enter itself", VK_RETURN, "", "wb", O::PassOn},
        {"Ctrl+Enter is no hotkey either", VK_RETURN, "c", "", O::Swallow},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string flags = c.sheet;
        SheetKeyContext sheet;
        sheet.pageCount = 8;
        sheet.accessKeys = "PSRDEMSI";
        sheet.trayIconShown = flags.find('t') != std::string::npos;
        sheet.pointerCaptured = flags.find('d') != std::string::npos;
        sheet.focusWantsKey = flags.find('w') != std::string::npos;
        sheet.focusIsPushButton = flags.find('b') != std::string::npos;
        EXPECT_EQ(static_cast<int>(c.outcome),
                  static_cast<int>(DecideSheetKey(WM_KEYDOWN, c.key, Keys(c.held), sheet).outcome));
        // Releases and characters of the same keys are nobody's business here.
        EXPECT_EQ(O::PassOn, DecideSheetKey(WM_KEYUP, c.key, Keys(c.held), sheet).outcome);
    }
}

namespace {

class GlobalHotkeysTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_NE(nullptr, m_window); }
    void TearDown() override
    {
        DestroyWindow(m_window);
        DestroyWindow(m_other);
    }

    HWND m_window = CreateHiddenWindow();
    HWND m_other = CreateHiddenWindow();
};

// The hotkey IDs the window of the test received.
std::vector<WPARAM> g_hotkeysReceived;
WNDPROC g_staticProcedure = nullptr;

LRESULT CALLBACK RecordHotkeys(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_HOTKEY)
        g_hotkeysReceived.push_back(wParam);
    return CallWindowProcA(g_staticProcedure, window, message, wParam, lParam);
}

} // namespace

TEST_F(GlobalHotkeysTest, AllKeysRegisterAndReachTheWindow)
{
    MessageBoxCatcher boxes;
    {
        CGlobalHotkeys hotkeys;
        EXPECT_EQ(1, hotkeys.Register(m_window, true));
        EXPECT_TRUE(hotkeys.IsRegistered());
        EXPECT_EQ(kHotkeyCount, hotkeys.HeldCount());
        // Asking again changes nothing and warns of nothing.
        EXPECT_EQ(1, hotkeys.Register(m_window, true));
        EXPECT_EQ(kHotkeyCount, hotkeys.HeldCount());

        // Keys reach the desktop through a window of ours that has the focus.
        ShowWindow(m_other, SW_SHOW);
        SetForegroundWindow(m_other);
        DrainMessages();
        g_hotkeysReceived.clear();
        g_staticProcedure = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordHotkeys)));
        PressKeys({VK_CONTROL, VK_SPACE});
        EXPECT_TRUE(PumpUntil([] { return !g_hotkeysReceived.empty(); }, 2000));
        EXPECT_EQ(std::vector<WPARAM>{0}, g_hotkeysReceived);

        EXPECT_EQ(1, hotkeys.Register(m_window, false));
        EXPECT_FALSE(hotkeys.IsRegistered());
        EXPECT_EQ(0, hotkeys.HeldCount());
        // Free again for anyone.
        EXPECT_TRUE(RegisterHotKey(m_other, 99, MOD_CONTROL, VK_SPACE));
        UnregisterHotKey(m_other, 99);
        EXPECT_EQ(1, hotkeys.Register(m_window, true));
    }
    // The owners let go when the object goes.
    EXPECT_TRUE(RegisterHotKey(m_other, 99, MOD_CONTROL | MOD_ALT, '6'));
    UnregisterHotKey(m_other, 99);
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(GlobalHotkeysTest, AKeyTakenElsewhereWarnsOnceAndTheRestWork)
{
    ASSERT_TRUE(RegisterHotKey(m_other, 1, MOD_CONTROL, 'F'));
    MessageBoxCatcher boxes;
    CGlobalHotkeys hotkeys;
    EXPECT_EQ(1, hotkeys.Register(m_window, true));
    ASSERT_EQ(1u, boxes.Boxes().size());
    EXPECT_EQ("Warning: not all hotkeys could be set!", boxes.Boxes()[0].text);
    EXPECT_EQ("Halvard 5.1+", boxes.Boxes()[0].caption);
    EXPECT_EQ(kHotkeyCount - 1, hotkeys.HeldCount());
    EXPECT_TRUE(hotkeys.IsRegistered()) << "the state asked for is kept";

    // Off asks for every key, also the one it never got: that call fails and warns.
    EXPECT_EQ(1, hotkeys.Register(m_window, false));
    ASSERT_EQ(2u, boxes.Boxes().size());
    EXPECT_EQ("Warning: not all hotkeys could be unregisterd!", boxes.Boxes()[1].text);
    EXPECT_FALSE(RegisterHotKey(m_window, 1, MOD_CONTROL, 'F')) << "the other program keeps its key";
    EXPECT_EQ(0, hotkeys.HeldCount());
    UnregisterHotKey(m_other, 1);
}

TEST_F(GlobalHotkeysTest, UnregisteringThatFailsWarnsAndWithoutWindowNothingHappens)
{
    MessageBoxCatcher boxes;
    CGlobalHotkeys hotkeys;
    EXPECT_EQ(0, hotkeys.Register(nullptr, true));
    EXPECT_FALSE(hotkeys.IsRegistered());
    EXPECT_EQ(0, hotkeys.HeldCount());

    ASSERT_EQ(1, hotkeys.Register(m_window, true));
    // Someone else took the keys away (the system does so when the window goes).
    for (const HotkeyEntry& entry : kHotkeyTable)
        UnregisterHotKey(m_window, static_cast<int>(entry.id));
    EXPECT_EQ(1, hotkeys.Register(m_window, false));
    ASSERT_EQ(1u, boxes.Boxes().size());
    EXPECT_EQ("Warning: not all hotkeys could be unregisterd!", boxes.Boxes()[0].text);

    ASSERT_EQ(1, hotkeys.Register(m_window, true));
    DestroyWindow(m_window);
    EXPECT_EQ(0, hotkeys.Register(m_window, false)) << "a window that is gone: nothing to do";
    EXPECT_TRUE(hotkeys.IsRegistered());
    m_window = nullptr;
}
