// The panel executable from the keyboard alone, on the simulated card: on every
// page Tab reaches every enabled control and comes back round (column by column on
// the mixer pages), each slider moves with the arrows, Home and End and the card
// follows, Ctrl+Tab, Ctrl+Page Up/Down, F5 onwards and Alt with a tab's letter change
// pages, on the generic mixer sheet too; the positioner moves a source and the
// scheme is stored when the key comes up; Esc hides the sheet where the tray icon
// is and does nothing where it is not, and Enter never ends the panel. With
// --screenshots=<folder> the focus marks of a fader, a mute box and a radio in
// three colour sets are saved there.
#include "startup/panel_process.h"

#include "driver/driver_keys.h"
#include "driver/source_positions.h"
#include "platform/panel_values.h"
#include "platform/registry.h"
#include "simcard/sim_mixer_store.h"
#include "skin/scheme/cool_color_set.h"
#include "support/card_bench.h"
#include "support/dib_canvas.h"
#include "support/key_strokes.h"
#include "support/message_pump.h"
#include "support/png_file.h"
#include "support/registry_guard.h"
#include "support/registry_tree_guard.h"
#include "support/test_arguments.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

const char* kProduct = "Halvard 5.1+";
const char* kSheetCaption = "Halvard";
constexpr DWORD kStartMs = 20000;
constexpr DWORD kKeyMs = 3000;
// Long enough for a panel that would end on a key to be gone.
constexpr DWORD kEndingMs = 800;
constexpr UINT kTrayCallback = 0x514;
constexpr int kMostStops = 80;

// Everything the simulated card keeps of its mixer, value by value.
using CardValues = std::map<std::string, std::vector<BYTE>>;

void ReadValuesBelow(const std::string& path, CardValues& values)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return;
    for (DWORD i = 0;; ++i) {
        char name[256] = {};
        DWORD nameSize = sizeof(name);
        BYTE data[1024] = {};
        DWORD dataSize = sizeof(data);
        if (RegEnumValueA(key, i, name, &nameSize, nullptr, nullptr, data, &dataSize) != ERROR_SUCCESS)
            break;
        values[path + "\\" + name].assign(data, data + dataSize);
    }
    std::vector<std::string> subkeys;
    for (DWORD i = 0;; ++i) {
        char name[256] = {};
        DWORD nameSize = sizeof(name);
        if (RegEnumKeyExA(key, i, name, &nameSize, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        subkeys.push_back(path + "\\" + name);
    }
    RegCloseKey(key);
    for (const std::string& subkey : subkeys)
        ReadValuesBelow(subkey, values);
}

CardValues CardMixerValues()
{
    CardValues values;
    ReadValuesBelow(SimMixerStore::DefaultKey(), values);
    return values;
}

std::string Describe(HWND window)
{
    char text[64] = {};
    GetWindowTextA(window, text, sizeof(text));
    return ClassOf(window) + " " + std::to_string(GetDlgCtrlID(window)) + " \"" + text + "\"";
}

// The control with the keyboard focus in the panel; a combo box for its field.
HWND FocusedControl(HWND sheet)
{
    HWND focus = FocusOfThreadOf(sheet);
    if (focus != nullptr && ClassOf(GetParent(focus)) == "ComboBox")
        focus = GetParent(focus);
    return focus;
}

bool Press(const std::vector<WORD>& keys, const std::function<bool()>& done)
{
    return PressChordUntil(keys, done, kKeyMs);
}

bool TabMoves(HWND sheet, WORD shift = 0)
{
    const HWND before = FocusedControl(sheet);
    return shift != 0 ? Press({shift, VK_TAB}, [&] { return FocusedControl(sheet) != before; })
                      : Press({VK_TAB}, [&] { return FocusedControl(sheet) != before; });
}

// What Tab has to reach on a page: every shown, enabled tab stop at any depth, also
// inside containers the dialog manager might not enter.
void CollectTabStops(HWND parent, std::vector<HWND>& stops)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        const LONG style = GetWindowLongA(child, GWL_STYLE);
        if (!(style & WS_VISIBLE) || (style & WS_DISABLED))
            continue;
        if (style & WS_TABSTOP)
            stops.push_back(child);
        else
            CollectTabStops(child, stops);
    }
}

// Tab until the focus is on the page: the page's first control.
HWND TabIntoPage(HWND sheet, HWND page)
{
    for (int i = 0; i < 8; ++i) {
        const HWND focus = FocusedControl(sheet);
        if (focus != nullptr && IsChild(page, focus))
            return focus;
        TabMoves(sheet);
    }
    return nullptr;
}

int TrackbarValue(HWND slider, UINT message)
{
    return static_cast<int>(SendMessageA(slider, message, 0, 0));
}

// The focused slider from the keys, as a drag moves it: End to the bottom, Up one
// step toward the top (full volume on a fader), Home to the top; a balance slider
// one step right (left at its end). A fader's moves reach the card.
void MoveSliderWithKeys(HWND slider)
{
    SCOPED_TRACE(Describe(slider));
    const bool vertical = (GetWindowLongA(slider, GWL_STYLE) & TBS_VERT) != 0;
    const bool fader = ClassOf(GetParent(slider)) != "#32770";
    const int low = TrackbarValue(slider, TBM_GETRANGEMIN);
    const int high = TrackbarValue(slider, TBM_GETRANGEMAX);
    auto position = [&] { return TrackbarValue(slider, TBM_GETPOS); };
    auto moveReachesCard = [&](WORD key, const std::function<bool(int)>& arrived) {
        const int before = position();
        const CardValues card = CardMixerValues();
        return Press({key}, [&] { return arrived(position()) && (!fader || CardMixerValues() != card); }) ||
               (position() == before && arrived(before));
    };
    if (!vertical) {
        const int before = position();
        const WORD key = before < high ? VK_RIGHT : VK_LEFT;
        EXPECT_TRUE(moveReachesCard(key, [&](int now) { return key == VK_RIGHT ? now > before : now < before; }))
            << "balance from " << before << " to " << position();
        return;
    }
    EXPECT_TRUE(moveReachesCard(VK_END, [&](int now) { return now == high; })) << "End, at " << position();
    EXPECT_TRUE(moveReachesCard(VK_UP, [&](int now) { return now < high; })) << "Up, at " << position();
    EXPECT_TRUE(moveReachesCard(VK_HOME, [&](int now) { return now == low; })) << "Home, at " << position();
}

// Column by column, and from the top within a column: the stops' centres never go
// left, and within one column never up.
void ExpectReadingOrder(HWND page, const std::vector<HWND>& visited)
{
    int lastCentre = -1;
    int lastTop = -1;
    for (HWND window : visited) {
        if (!IsChild(page, window))
            continue;
        RECT rect = {};
        GetWindowRect(window, &rect);
        const int centre = (rect.left + rect.right) / 2;
        if (lastCentre >= 0 && std::abs(centre - lastCentre) <= 3)
            EXPECT_GT(rect.top, lastTop) << Describe(window) << " below the one before in its column";
        else
            EXPECT_GT(centre, lastCentre) << Describe(window) << " in a column right of the one before";
        lastCentre = centre;
        lastTop = rect.top;
    }
}

// From the page's first control Tab goes round every stop back to it, moving each
// slider it meets; Shift+Tab goes back the same way.
void WalkPage(HWND sheet, HWND page, bool columns)
{
    const HWND first = TabIntoPage(sheet, page);
    ASSERT_NE(nullptr, first) << "Tab reaches the page";
    std::vector<HWND> visited = {first};
    HWND focus = first;
    for (int i = 0; i < kMostStops; ++i) {
        if (ClassOf(focus) == TRACKBAR_CLASSA && IsChild(page, focus))
            MoveSliderWithKeys(focus);
        if (!TabMoves(sheet))
            break;
        focus = FocusedControl(sheet);
        if (focus == first)
            break;
        visited.push_back(focus);
    }
    EXPECT_EQ(first, focus) << "Tab comes back round, now on " << Describe(focus);
    const HWND last = visited.back();
    EXPECT_TRUE(TabMoves(sheet, VK_SHIFT));
    EXPECT_EQ(last, FocusedControl(sheet)) << "Shift+Tab goes back";
    std::vector<HWND> stops;
    CollectTabStops(page, stops);
    for (HWND stop : stops)
        EXPECT_TRUE(std::find(visited.begin(), visited.end(), stop) != visited.end()) << "not reached: " << Describe(stop);
    if (columns)
        ExpectReadingOrder(page, visited);
}

// Keys that show another page: true once it is on the screen.
bool PressForPage(HWND sheet, const std::vector<WORD>& keys)
{
    const HWND before = ShownPage(sheet);
    return Press(keys, [&] {
        const HWND now = ShownPage(sheet);
        return now != nullptr && now != before;
    });
}

HWND TabControlOf(HWND sheet)
{
    return FindWindowExA(sheet, nullptr, WC_TABCONTROLA, nullptr);
}

// Keys that change pages, and the page each one leads to.
struct PageStep {
    const char* what;
    std::vector<WORD> keys; // none: the page at the start
    int index;
    bool walk;    // the keyboard walk through its controls
    bool columns; // its stops come column by column
};

bool GoToPage(HWND sheet, const PageStep& step)
{
    if (step.keys.empty())
        return true;
    return PressForPage(sheet, step.keys) && SendMessageA(TabControlOf(sheet), TCM_GETCURSEL, 0, 0) == step.index;
}

class PanelKeyboardTest : public testing::Test {
protected:
    PanelKeyboardTest() { WriteGlobalHotKeysSwitch(false); }

    // The sheet, shown and in front.
    static HWND SheetInFront(const PanelProcess& panel)
    {
        const HWND sheet = panel.WaitForWindow(kSheetCaption, kStartMs);
        if (sheet == nullptr)
            return nullptr;
        SetForegroundWindow(sheet);
        PumpUntil([&] { return GetForegroundWindow() == sheet && FocusOfThreadOf(sheet) != nullptr; }, 5000);
        return sheet;
    }

    RegistryTreeGuard m_driverTree{HKEY_LOCAL_MACHINE, kDriverSettingsKey};
    RegistryTreeGuard m_mixerStore{HKEY_CURRENT_USER, SimMixerStore::DefaultKey()};
    RegistryTreeGuard m_panelValues{HKEY_LOCAL_MACHINE, kControlPanelKey};
    RegistryValueGuard m_autostart{HKEY_LOCAL_MACHINE, kAutostartKey, kProduct, kSharedSoftwareView};
};

} // namespace

TEST_F(PanelKeyboardTest, EveryPageWalkedWithTabAndItsSlidersMovedWithKeys)
{
    RemoveAutostart(kProduct);
    PanelProcess panel("", "six");
    const HWND sheet = SheetInFront(panel);
    ASSERT_NE(nullptr, sheet);
    const PageStep steps[] = {
        {"Playback", {}, 0, true, true},
        {"Sources by Ctrl+Tab", {VK_CONTROL, VK_TAB}, 1, true, true},
        {"Record by Ctrl+Page Down", {VK_CONTROL, VK_NEXT}, 2, true, false},
        {"Digital by F8", {VK_F8}, 3, true, false},
        {"EQ by Alt+E", {VK_MENU, 'E'}, 4, true, false},
        {"MIDI by Ctrl+Tab", {VK_CONTROL, VK_TAB}, 5, true, false},
        {"3D Settings by F11", {VK_F11}, 6, true, false},
        {"Misc by Alt+I", {VK_MENU, 'I'}, 7, true, false},
        {"round to Playback by Ctrl+Tab", {VK_CONTROL, VK_TAB}, 0, false, false},
        {"back to Misc by Ctrl+Shift+Tab", {VK_CONTROL, VK_SHIFT, VK_TAB}, 7, false, false},
        {"back to 3D Settings by Ctrl+Page Up", {VK_CONTROL, VK_PRIOR}, 6, false, false},
    };
    for (const PageStep& step : steps) {
        SCOPED_TRACE(step.what);
        ASSERT_TRUE(GoToPage(sheet, step));
        const HWND page = ShownPage(sheet);
        ASSERT_NE(nullptr, page);
        if (step.walk)
            WalkPage(sheet, page, step.columns);
    }
    EXPECT_TRUE(panel.IsRunning());
}

TEST_F(PanelKeyboardTest, GenericMixerSheetWalkedWithTab)
{
    PanelProcess panel("-generic", "four");
    const HWND sheet = SheetInFront(panel);
    ASSERT_NE(nullptr, sheet);
    const int pages = static_cast<int>(SendMessageA(TabControlOf(sheet), TCM_GETITEMCOUNT, 0, 0));
    ASSERT_GE(pages, 2);
    for (int index = 0; index < pages; ++index) {
        SCOPED_TRACE(index);
        ASSERT_TRUE(GoToPage(sheet, {"next page", index == 0 ? std::vector<WORD>() : std::vector<WORD>{VK_CONTROL, VK_TAB},
                                     index, true, false}));
        WalkPage(sheet, ShownPage(sheet), false);
    }
    // Neither key ends this sheet: it has no tray icon to hide in.
    for (const WORD key : {VK_RETURN, VK_ESCAPE}) {
        PressChordUntil({key}, [] { return false; }, kEndingMs);
        PumpFor(kEndingMs);
        ASSERT_TRUE(panel.IsRunning()) << "a key ended the generic sheet";
        EXPECT_TRUE(IsWindowVisible(sheet));
    }
}

// The current source moves three steps right while the key is held; the scheme
// is stored once the key comes up.
TEST_F(PanelKeyboardTest, PositionerMovesASourceAndTheSchemeIsStoredOnRelease)
{
    RemoveAutostart(kProduct);
    PanelProcess panel("", "six");
    const HWND sheet = SheetInFront(panel);
    ASSERT_NE(nullptr, sheet);
    ASSERT_TRUE(GoToPage(sheet, {"3D Settings", {VK_F11}, 6, false, false}));
    const HWND page = ShownPage(sheet);
    ASSERT_NE(nullptr, TabIntoPage(sheet, page));
    for (int i = 0; i < kMostStops && ClassOf(FocusedControl(sheet)) != "2dPositioner"; ++i)
        ASSERT_TRUE(TabMoves(sheet));
    ASSERT_EQ("2dPositioner", ClassOf(FocusedControl(sheet)));

    const std::string scheme = std::string(kSourcePositioningKey) + "\\" + kCurrentSchemeSubkey;
    const std::vector<BYTE> before = ReadMachineValue(scheme, kBalanceTableValue).data;
    // Away from the right edge first, with Shift: ten steps at a time.
    KeyDown(VK_SHIFT);
    KeyDown(VK_LEFT, 3);
    KeyUp(VK_LEFT);
    KeyUp(VK_SHIFT);
    ASSERT_TRUE(PumpUntil([&] { return ReadMachineValue(scheme, kBalanceTableValue).data != before; }, kKeyMs));
    const std::vector<BYTE> start = ReadMachineValue(scheme, kBalanceTableValue).data;

    KeyDown(VK_RIGHT, 3);
    PumpFor(kEndingMs);
    EXPECT_EQ(start, ReadMachineValue(scheme, kBalanceTableValue).data) << "nothing stored while the key is down";
    KeyUp(VK_RIGHT);
    ASSERT_TRUE(PumpUntil([&] { return ReadMachineValue(scheme, kBalanceTableValue).data != start; }, kKeyMs));
    const std::vector<BYTE> moved = ReadMachineValue(scheme, kBalanceTableValue).data;
    ASSERT_EQ(start.size(), moved.size());
    int changed = 0;
    for (size_t i = 0; i < moved.size(); ++i)
        if (moved[i] != start[i]) {
            ++changed;
            EXPECT_EQ(start[i] + 3, moved[i]) << "source " << i << " three steps right";
        }
    EXPECT_GE(changed, 1);
}

namespace {

// The pages in tab order, by their keys, and the control on each that takes Enter
// and Esc: the first one where none is named (a drop-down list on 3D Settings); on
// Misc a push button, which Enter presses.
const struct {
    const char* page;
    WORD fKey;
    const char* focus;
    bool dropDown;
    bool enterOpensDialog;
} kSixChannelPages[] = {
    {"Playback", VK_F5, "Mute", false, false},      {"Sources", VK_F6, "Mute", false, false},
    {"Record", VK_F7, "Mix", false, false},         {"Digital", VK_F8, "Mute", false, false},
    {"EQ", VK_F9, "Enable", false, false},          {"MIDI", VK_F10, "Dynamic", false, false},
    {"3D Settings", VK_F11, nullptr, true, false}, {"Misc", VK_F12, "Load", false, true},
};

std::string TextOf(HWND window)
{
    char text[64] = {};
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

// Tab from the page's first control to the one of that text (null: the page's
// drop-down list, wherever the page put the focus when it came).
bool FocusOn(HWND sheet, HWND page, const char* text)
{
    if (TabIntoPage(sheet, page) == nullptr)
        return false;
    const auto reached = [&] {
        const HWND focus = FocusedControl(sheet);
        return text != nullptr ? TextOf(focus) == text : ClassOf(focus) == "ComboBox";
    };
    for (int i = 0; i < kMostStops && !reached(); ++i)
        TabMoves(sheet);
    return reached();
}

} // namespace

// Enter never ends the panel; Esc closes an open drop-down list first, then hides the
// sheet while the tray icon is shown and does nothing without it.
TEST_F(PanelKeyboardTest, EscHidesTheSheetOnlyWithTheTrayIconAndEnterNeverEndsThePanel)
{
    for (const bool tray : {true, false}) {
        SCOPED_TRACE(tray ? "with the tray icon" : "without it");
        if (tray)
            ASSERT_TRUE(WriteAutostart(kProduct, "\"C:\\Halvard\\Halvard 5.1+.exe\" -minimize"));
        else
            RemoveAutostart(kProduct);
        PanelProcess panel("", "six");
        const HWND sheet = SheetInFront(panel);
        ASSERT_NE(nullptr, sheet);
        for (const auto& journey : kSixChannelPages) {
            SCOPED_TRACE(journey.page);
            if (journey.fKey != VK_F5) {
                ASSERT_TRUE(PressForPage(sheet, {journey.fKey}));
            }
            ASSERT_TRUE(FocusOn(sheet, ShownPage(sheet), journey.focus));
            if (journey.enterOpensDialog) {
                // The focused push button is pressed: its dialog comes, and Esc is the dialog's.
                ASSERT_TRUE(Press({VK_RETURN}, [&] { return panel.VisibleWindows().size() > 1; }));
                EXPECT_TRUE(Press({VK_ESCAPE}, [&] { return panel.VisibleWindows().size() == 1; }));
            } else {
                PressChordUntil({VK_RETURN}, [] { return false; }, kEndingMs);
            }
            ASSERT_TRUE(panel.IsRunning()) << "Enter ended the panel";
            EXPECT_TRUE(IsWindowVisible(sheet));
            if (journey.dropDown) {
                const HWND list = FocusedControl(sheet);
                const auto dropped = [&] { return SendMessageA(list, CB_GETDROPPEDSTATE, 0, 0) != 0; };
                // A key the busy page missed is pressed again, as a person would.
                ASSERT_TRUE(Press({VK_F4}, dropped) || dropped() || Press({VK_F4}, dropped))
                    << "focus on " << Describe(FocusedControl(sheet)) << ", in front "
                    << (GetForegroundWindow() == sheet ? "the sheet" : "another window");
                EXPECT_TRUE(Press({VK_ESCAPE}, [&] { return SendMessageA(list, CB_GETDROPPEDSTATE, 0, 0) == 0; }));
                EXPECT_TRUE(IsWindowVisible(sheet)) << "Esc closed the list only";
            }
            if (tray)
                EXPECT_TRUE(Press({VK_ESCAPE}, [&] { return !IsWindowVisible(sheet); })) << "Esc hides the sheet";
            else
                PressChordUntil({VK_ESCAPE}, [] { return false; }, kEndingMs);
            PumpFor(kEndingMs);
            ASSERT_TRUE(panel.IsRunning()) << "Esc ended the panel";
            EXPECT_EQ(!tray, IsWindowVisible(sheet) != FALSE);
            if (!tray)
                continue;
            // Back from the tray, as the user's double-click brings it.
            PostMessageA(sheet, kTrayCallback, 1, WM_LBUTTONDBLCLK);
            ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(sheet) && !IsIconic(sheet); }, kStartMs));
            SetForegroundWindow(sheet);
            PumpUntil([&] { return GetForegroundWindow() == sheet; }, kKeyMs);
        }
    }
}

namespace {

// The screen's pixels of a window and as much around it.
std::vector<COLORREF> Capture(HWND window, int around, RECT* where)
{
    GetWindowRect(window, where);
    InflateRect(where, around, around);
    const int width = where->right - where->left;
    const int height = where->bottom - where->top;
    std::vector<COLORREF> pixels;
    if (width <= 0 || height <= 0)
        return pixels;
    DibCanvas canvas(width, height);
    HDC screen = GetDC(nullptr);
    BitBlt(canvas.dc(), 0, 0, width, height, screen, where->left, where->top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(canvas.Pixel(x, y));
    return pixels;
}

// The pixels once the control has stopped repainting: a busy panel paints late.
std::vector<COLORREF> SteadyCapture(HWND window, int around, RECT* where)
{
    std::vector<COLORREF> last = Capture(window, around, where);
    for (int i = 0; i < 30; ++i) {
        PumpFor(100);
        std::vector<COLORREF> now = Capture(window, around, where);
        if (now == last)
            break;
        last.swap(now);
    }
    return last;
}

int Luminance(COLORREF c)
{
    return (GetRValue(c) * 30 + GetGValue(c) * 59 + GetBValue(c) * 11) / 100;
}

// Pixels that changed when the focus came and stand out from what was there.
int MarkPixels(const std::vector<COLORREF>& focused, const std::vector<COLORREF>& unfocused)
{
    int count = 0;
    for (size_t i = 0; i < focused.size() && i < unfocused.size(); ++i)
        if (std::abs(Luminance(focused[i]) - Luminance(unfocused[i])) >= 48)
            ++count;
    return count;
}

void SavePng(const std::string& name, const RECT& where, const std::vector<COLORREF>& pixels)
{
    const std::string folder = TestArgument("screenshots");
    if (folder.empty())
        return;
    std::vector<uint32_t> rgb;
    for (COLORREF c : pixels)
        rgb.push_back((GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c));
    EXPECT_TRUE(WritePng(folder + "/" + name + ".png", where.right - where.left, where.bottom - where.top, rgb));
}

} // namespace

// A fader's volume slider, the master's mute box and the first record source's
// radio, focused from the keyboard, carry a mark that stands out in the default,
// Green and Black/White colour sets; it goes with the focus.
TEST_F(PanelKeyboardTest, FocusMarkStandsOutInThreeColourSets)
{
    RemoveAutostart(kProduct);
    const BuiltInColorSets sets = BuildBuiltInColorSets(nullptr);
    const struct {
        const char* file;
        const char* name;
    } chosen[] = {{"default", nullptr}, {"green", "Green"}, {"black_white", "Black/White"}};
    for (const auto& choice : chosen) {
        SCOPED_TRACE(choice.file);
        // The panel's own colours where nothing is stored.
        for (const PanelColourValue& colour : kPanelColours)
            DeleteRawValue(HKEY_LOCAL_MACHINE, kControlPanelKey, colour.name);
        DeleteRawValue(HKEY_LOCAL_MACHINE, kControlPanelKey, "RenderMode");
        for (const auto& set : sets) {
            if (choice.name != nullptr && set.name == std::string(choice.name)) {
                ASSERT_TRUE(WritePanelColorSet(set.colors));
            }
        }
        PanelProcess panel("", "six");
        const HWND sheet = SheetInFront(panel);
        ASSERT_NE(nullptr, sheet);
        // Playback: the master's volume slider, then (past its balance) its mute box;
        // Record: the first source's radio. Tabs counted from where the focus is.
        const struct {
            const char* what;
            WORD fKey;
            int tabs;
        } marks[] = {{"fader", 0, 0}, {"mute", 0, 1}, {"radio", VK_F7, 0}};
        for (const auto& mark : marks) {
            SCOPED_TRACE(mark.what);
            if (mark.fKey != 0) {
                ASSERT_TRUE(PressForPage(sheet, {mark.fKey}));
            }
            ASSERT_NE(nullptr, TabIntoPage(sheet, ShownPage(sheet)));
            for (int i = 0; i < mark.tabs; ++i)
                ASSERT_TRUE(TabMoves(sheet));
            const HWND control = FocusedControl(sheet);
            ASSERT_NE(nullptr, control);
            RECT where = {};
            const std::vector<COLORREF> focused = SteadyCapture(control, 0, &where);
            RECT around = {};
            const std::vector<COLORREF> shown = Capture(control, 24, &around);
            ASSERT_TRUE(TabMoves(sheet));
            const std::vector<COLORREF> unfocused = SteadyCapture(control, 0, &where);
            EXPECT_GE(MarkPixels(focused, unfocused), 20) << Describe(control);
            SavePng(std::string("focus_") + mark.what + "_" + choice.file, around, shown);
        }
        PostMessageA(sheet, WM_CLOSE, 0, 0);
        EXPECT_TRUE(panel.WaitForExit(kStartMs));
    }
}
