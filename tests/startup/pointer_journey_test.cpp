// Every page of the panel executable under Wine, on the six- and the four-channel
// card and on the generic mixer sheet, used with the pointer as a hand moves it:
// it glides onto each kind of control from an empty spot beside it (the page, a
// frame, the background between a column's controls), clicks or drags there, and
// the card changes (its mixer values, the driver's settings in the registry). A
// control that hovering made deaf to the pointer shows here as a card that stays
// as it was.
#include "startup/panel_process.h"

#include "dialogs/digital_ids.h"
#include "dialogs/eq_ids.h"
#include "dialogs/midi_ids.h"
#include "dialogs/misc_ids.h"
#include "dialogs/playback_ids.h"
#include "dialogs/record_ids.h"
#include "dialogs/settings3d_ids.h"
#include "dialogs/sources_ids.h"
#include "driver/driver_keys.h"
#include "driver/speaker_keys.h"
#include "mixer/controls/mixer_control_ids.h"
#include "platform/panel_values.h"
#include "platform/registry.h"
#include "simcard/sim_mixer_store.h"
#include "support/key_input.h"
#include "support/message_pump.h"
#include "support/registry_guard.h"
#include "support/registry_tree_guard.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const char* kProduct = "Halvard 5.1+";
const char* kSheetCaption = "Halvard";
constexpr DWORD kStartMs = 20000;
constexpr DWORD kChangeMs = 4000;
// How far beside a control the pointer starts, and how far a drag goes.
constexpr int kBeside = 4;
constexpr int kDragPixels = 24;

enum class Gesture {
    Click,     // on a box's or radio's mark, or a push button
    DragUp,    // a vertical slider, from near its thumb at the default volume
    DragRight, // a horizontal slider, from its middle
    DragOver,  // the positioner: the current item follows a press and drag anywhere
    Pick,      // a combo box: its list dropped and the next item chosen
    Type,      // a combo box's edit field clicked and typed into (the card stays)
};

struct Reach {
    const char* what;
    int container; // the control's parent under the page; 0: the page itself
    int id;
    Gesture gesture;
    int instead = 0;            // a radio to take when this one is checked already
    const char* text = nullptr; // what Type types
};

struct PageJourney {
    const char* page;
    std::vector<Reach> reaches;
};

RECT ScreenRect(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

// Nothing to press at a spot: the page, a frame, a container's background.
bool IsEmptySpot(HWND page, POINT spot)
{
    const HWND under = WindowFromPoint(spot);
    if (under == page)
        return true;
    if (under == nullptr || !IsChild(page, under))
        return false;
    const std::string kind = ClassOf(under);
    if (kind == "Static" || kind == "#32770")
        return true;
    return kind == "Button" && (GetWindowLongA(under, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

// An empty spot just beside the control: left, right, above or below it.
bool SpotBeside(HWND page, HWND control, POINT* spot)
{
    const RECT r = ScreenRect(control);
    const POINT middle = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    const POINT candidates[] = {{r.left - kBeside, middle.y},
                                {r.right + kBeside - 1, middle.y},
                                {middle.x, r.top - kBeside},
                                {middle.x, r.bottom + kBeside - 1}};
    for (const POINT& candidate : candidates)
        if (IsEmptySpot(page, candidate)) {
            *spot = candidate;
            return true;
        }
    return false;
}

HWND DroppedList(DWORD processId)
{
    HWND found = nullptr;
    for (HWND window = FindWindowExA(nullptr, nullptr, "ComboLBox", nullptr); window != nullptr;
         window = FindWindowExA(nullptr, window, "ComboLBox", nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && IsWindowVisible(window))
            found = window;
    }
    return found;
}

// Drops the combo box's list with a click on its button and clicks the next item;
// what went wrong, or nothing.
std::string PickNextItem(HWND combo, DWORD processId)
{
    const int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    if (count < 2)
        return "fewer than two items";
    const int current = static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
    const RECT r = ScreenRect(combo);
    const int fieldHeight = static_cast<int>(SendMessageA(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    ClickAt({r.right - 6, r.top + std::max(4, fieldHeight / 2 + 2)});
    HWND list = nullptr;
    if (!PumpUntil([&] { return (list = DroppedList(processId)) != nullptr; }, 2000))
        return "the list did not drop down";
    // A neighbour of the current item: the list shows those.
    const int next = current + 1 < count ? current + 1 : current - 1;
    const int top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
    const int itemHeight = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    const POINT item = {itemHeight / 2 + 4, (next - top) * itemHeight + itemHeight / 2};
    RECT client = {};
    GetClientRect(list, &client);
    if (item.y <= 0 || item.y >= client.bottom) {
        PressKeys({VK_ESCAPE});
        return "item " + std::to_string(next) + " is scrolled out of the list";
    }
    ClickAt(ScreenPoint(list, item));
    return "";
}

// Where a vertical slider's thumb runs across it: in the middle with ticks on both
// sides, else beside its ticks (a thumb's length from the edge it keeps to).
LONG ChannelAcross(HWND slider)
{
    const RECT r = ScreenRect(slider);
    const DWORD style = static_cast<DWORD>(GetWindowLongA(slider, GWL_STYLE));
    const LONG half = static_cast<LONG>(SendMessageA(slider, TBM_GETTHUMBLENGTH, 0, 0)) / 2 + 2;
    if (style & TBS_BOTH)
        return (r.left + r.right) / 2;
    return (style & TBS_LEFT) ? r.right - half : r.left + half;
}

// Clicks into a combo box's edit field and types over its text.
void TypeInto(HWND combo, const char* text)
{
    const RECT r = ScreenRect(combo);
    ClickAt({r.left + 10, r.top + 8});
    SendMessageA(FindWindowExA(combo, nullptr, "Edit", nullptr), EM_SETSEL, 0, -1);
    TypeText(text);
}

// The gesture on the control, from the empty spot beside it where the pointer is;
// what went wrong, or nothing.
std::string Perform(const Reach& reach, HWND control, DWORD processId)
{
    const RECT r = ScreenRect(control);
    const POINT middle = MiddleOf(control);
    switch (reach.gesture) {
    case Gesture::Click:
        ClickAt({r.left + std::min<LONG>(6, (r.right - r.left) / 2), middle.y});
        return "";
    case Gesture::DragUp: {
        // The default volume is three quarters: the thumb stands near the upper quarter.
        const POINT thumb = {ChannelAcross(control), r.top + (r.bottom - r.top) / 4};
        GlideTo(thumb);
        DragTo({thumb.x, thumb.y - kDragPixels});
        return "";
    }
    case Gesture::DragRight:
        GlideTo(middle);
        DragTo({middle.x + kDragPixels, middle.y});
        return "";
    case Gesture::DragOver:
        GlideTo(middle);
        DragTo({middle.x - kDragPixels, middle.y + kDragPixels});
        return "";
    case Gesture::Pick:
        return PickNextItem(control, processId);
    case Gesture::Type:
        TypeInto(control, reach.text);
        return "";
    }
    return "no such gesture";
}

class PointerJourneyTest : public testing::Test {
protected:
    PointerJourneyTest()
    {
        RemoveAutostart(kProduct);
        WriteGlobalHotKeysSwitch(false);
        // The card starts from its defaults: every volume at three quarters, every
        // source at its default place.
        SimMixerStore().Remove();
        DeleteKeyTree(HKEY_LOCAL_MACHINE, kSourcePositioningKey);
    }

    // Starts the panel, then for each page: shown, every control reached from
    // beside it and used; the card must change after each.
    void Travel(const std::string& arguments, const std::string& card, const std::vector<PageJourney>& pages)
    {
        PanelProcess panel(arguments, card);
        const HWND sheet = panel.WaitForWindow(kSheetCaption, kStartMs);
        ASSERT_NE(nullptr, sheet);
        ASSERT_TRUE(PumpUntil([&] { return ShownPage(sheet) != nullptr; }, kStartMs));
        SetForegroundWindow(sheet);
        PumpUntil([&] { return GetForegroundWindow() == sheet; }, 3000);
        const HWND tabs = FindWindowExA(sheet, nullptr, WC_TABCONTROLA, nullptr);
        ASSERT_NE(nullptr, tabs);
        // The first click into a new window may only bring it forward: it goes to
        // the first tab, which is shown already.
        const RECT strip = ScreenRect(tabs);
        ClickAt({strip.left + 12, strip.top + 8});
        ASSERT_EQ(static_cast<LRESULT>(pages.size()), SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0)) << card;
        for (size_t index = 0; index < pages.size(); ++index) {
            const PageJourney& journey = pages[index];
            PostMessageA(sheet, PSM_SETCURSEL, index, 0);
            HWND page = nullptr;
            ASSERT_TRUE(PumpUntil([&] {
                page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_INDEXTOHWND, index, 0));
                return page != nullptr && IsWindowVisible(page) &&
                       reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)) == page;
            }, 5000)) << journey.page;
            PumpFor(300);
            for (const Reach& reach : journey.reaches)
                Use(panel, page, journey.page, reach);
        }
        PostMessageA(sheet, WM_CLOSE, 0, 0);
        EXPECT_TRUE(panel.WaitForExit(kStartMs));
    }

    void Use(const PanelProcess& panel, HWND page, const char* pageName, const Reach& reach)
    {
        SCOPED_TRACE(std::string(pageName) + ": " + reach.what);
        const HWND parent = reach.container != 0 ? GetDlgItem(page, reach.container) : page;
        HWND control = FindControl(parent, reach.id);
        ASSERT_NE(nullptr, control);
        if (reach.instead != 0 && SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED)
            control = FindControl(parent, reach.instead);
        ASSERT_NE(nullptr, control);
        ASSERT_TRUE(IsWindowVisible(control) && IsWindowEnabled(control));
        POINT spot = {};
        ASSERT_TRUE(SpotBeside(page, control, &spot)) << "no empty spot beside it";
        const CardState before = ReadCardState();
        ASSERT_TRUE(GlideTo(spot));
        PumpFor(100); // the pointer rests there a moment, as a hand does
        const std::string fault = Perform(reach, control, panel.Id());
        ASSERT_EQ("", fault);
        if (reach.gesture == Gesture::Type)
            return;
        std::vector<std::string> changed;
        EXPECT_TRUE(PumpUntil([&] { return !(changed = ChangedNames(before, ReadCardState())).empty(); },
                              kChangeMs))
            << "the card stayed as it was";
        // What the panel writes at once settles before the next control is reached.
        PumpFor(150);
    }

    RegistryTreeGuard m_driverTree{HKEY_LOCAL_MACHINE, kDriverSettingsKey};
    RegistryTreeGuard m_sensaura{HKEY_LOCAL_MACHINE, kSensauraKey, kSharedSoftwareView};
    RegistryTreeGuard m_mixerStore{HKEY_CURRENT_USER, SimMixerStore::DefaultKey()};
    RegistryValueGuard m_autostart{HKEY_LOCAL_MACHINE, kAutostartKey, kProduct, kSharedSoftwareView};
};

// The pages both cards share after their mixer pages.
std::vector<PageJourney> CardSettingsPages()
{
    return {
        {"Digital",
         {{"S/PDIF input mode radio", 0, IDC_SPDIF_IN_OFF, Gesture::Click, IDC_SPDIF_IN_AUTO},
          {"S/PDIF input volume", IDC_SPDIF_IN_VOLUME, kFaderFirstSliderId, Gesture::DragUp},
          {"S/PDIF input mute box", 0, IDC_SPDIF_IN_MUTE, Gesture::Click},
          {"copy bit box", 0, IDC_SPDIF_OUT_COPY_BIT, Gesture::Click},
          {"S/PDIF output source radio", 0, IDC_SPDIF_OUT_DIRECT, Gesture::Click, IDC_SPDIF_OUT_MIX}}},
        {"EQ",
         {{"equalizer switch", 0, IDC_EQ_ENABLE, Gesture::Click},
          {"band slider", 0, IDC_EQ_BAND_FIRST + 4, Gesture::DragUp},
          {"preset name field", 0, IDC_EQ_PRESET, Gesture::Type, 0, "Glide"},
          {"add button", 0, IDC_EQ_ADD, Gesture::Click}}},
        {"MIDI",
         {{"voice allocation radio", 0, IDC_MIDI_ALLOC_DLS, Gesture::Click, IDC_MIDI_ALLOC_DYNAMIC},
          {"hardware voices list", 0, IDC_MIDI_HW_VOICES, Gesture::Pick},
          {"memory resident box", 0, IDC_MIDI_RESIDENT, Gesture::Click}}},
        {"3D Settings",
         {{"speaker configuration list", 0, IDC_3D_SPEAKER_CONFIG, Gesture::Pick},
          {"3D option box", 0, IDC_3D_REVERB, Gesture::Click},
          {"positioner", 0, IDC_3D_POSITIONER, Gesture::DragOver}}},
        {"Misc", {{"global hotkeys box", 0, IDC_MISC_GLOBAL_HOTKEYS, Gesture::Click}}},
    };
}

std::vector<PageJourney> SixChannelPages()
{
    std::vector<PageJourney> pages = {
        {"Playback",
         {{"master volume", IDC_PLAYBACK_FADER_FIRST, kFaderFirstSliderId, Gesture::DragUp},
          {"master balance", IDC_PLAYBACK_FADER_FIRST, kFaderSecondSliderId, Gesture::DragRight},
          {"master mute box", 0, IDC_PLAYBACK_MUTE_FIRST, Gesture::Click},
          {"rear mute box", 0, IDC_PLAYBACK_MUTE_FIRST + 2, Gesture::Click}}},
        {"Sources",
         {{"CD volume", IDC_SOURCES_FADER_FIRST + 3, kFaderFirstSliderId, Gesture::DragUp},
          {"microphone boost box", 0, IDC_SOURCES_BOOST, Gesture::Click},
          {"line mute box", 0, IDC_SOURCES_MUTE_FIRST + 4, Gesture::Click}}},
        {"Record",
         {{"microphone source radio", 0, IDC_RECORD_SOURCE_FIRST + 2, Gesture::Click, IDC_RECORD_SOURCE_FIRST},
          {"line level", IDC_RECORD_FADER_FIRST + 4, kFaderFirstSliderId, Gesture::DragUp},
          {"record boost box", 0, IDC_RECORD_BOOST, Gesture::Click},
          {"echo cancellation radio", 0, IDC_RECORD_AEC_NEVER, Gesture::Click, IDC_RECORD_AEC_ALWAYS}}},
    };
    for (PageJourney& page : CardSettingsPages())
        pages.push_back(std::move(page));
    return pages;
}

std::vector<PageJourney> FourChannelPages()
{
    std::vector<PageJourney> pages = {
        {"Playback",
         {{"wave volume", IDC_PLAYBACK_FADER_FIRST + 1, kFaderFirstSliderId, Gesture::DragUp},
          {"wave balance", IDC_PLAYBACK_FADER_FIRST + 1, kFaderSecondSliderId, Gesture::DragRight},
          {"microphone boost box", 0, IDC_PLAYBACK_BOOST, Gesture::Click},
          {"CD mute box", 0, IDC_PLAYBACK_MUTE_FIRST + 4, Gesture::Click}}},
        {"Record",
         {{"CD source radio", 0, IDC_RECORD_SOURCE_FIRST + 3, Gesture::Click, IDC_RECORD_SOURCE_FIRST},
          {"aux level", IDC_RECORD_FADER_FIRST + 1, kFaderFirstSliderId, Gesture::DragUp},
          {"echo cancellation radio", 0, IDC_RECORD_AEC_AUTO, Gesture::Click, IDC_RECORD_AEC_NEVER}}},
    };
    for (PageJourney& page : CardSettingsPages())
        pages.push_back(std::move(page));
    return pages;
}

// The generic sheet's columns: the destination's own (source -1) first.
constexpr int kDestinationFader = kPageFaderBaseId - 1;
constexpr int kDestinationSwitch = kPageSwitchBaseId - 1;

std::vector<PageJourney> GenericPages()
{
    return {
        {"generic playback",
         {{"destination volume", kDestinationFader, kFaderFirstSliderId, Gesture::DragUp},
          {"destination balance", kDestinationFader, kFaderSecondSliderId, Gesture::DragRight},
          {"destination mute box", 0, kDestinationSwitch, Gesture::Click}}},
        {"generic record",
         {{"record source radio", kPageMuxId, kMuxItemFirstId + 2, Gesture::Click, kMuxItemFirstId},
          {"record volume", kDestinationFader, kFaderFirstSliderId, Gesture::DragUp}}},
    };
}

} // namespace

TEST_F(PointerJourneyTest, EveryControlOfTheSixChannelCardAnswersAGlidingPointer)
{
    Travel("", "six", SixChannelPages());
}

TEST_F(PointerJourneyTest, EveryControlOfTheFourChannelCardAnswersAGlidingPointer)
{
    Travel("", "four", FourChannelPages());
}

TEST_F(PointerJourneyTest, TheGenericMixerSheetAnswersAGlidingPointer)
{
    Travel("-generic", "six", GenericPages());
}
