// The main sheet on the simulated six- and four-channel cards: its pages and tab
// labels, the stored colours, the keyboard inside it, hotkey messages, a hotkey
// taken by another program, and nothing polling while it is off the screen.
#include "app/main_sheet.h"

#include "driver/card_mixer.h"
#include "platform/panel_values.h"
#include "mixer/mixer_listener.h"
#include "simcard/sim_sound_system.h"
#include "support/card_bench.h"
#include "support/message_box_catcher.h"
#include "support/message_pump.h"
#include "support/registry_tree_guard.h"
#include "dialogs/dialog_ids.h"
#include "string_ids.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

DWORD ControlIdOf(CCardMixer& card, int destination, int source, int control)
{
    MixerControlEntry* entry = nullptr;
    if (!card.GetControl(destination, source, control, entry) || entry == nullptr)
        return 0;
    return entry->control.dwControlID;
}

// A page that records what the sheet tells it.
class ProbePage : public CCoolPropertyPage {
public:
    ProbePage() : CCoolPropertyPage(IDD_PAGE_MISC, IDS_PAGE_MISC) {}
    void OnSheetVisible(bool visible) override { told.push_back(visible ? "shown" : "hidden"); }
    void Refresh() override { told.push_back("refresh"); }
    std::vector<std::string> told;
};

// The main sheet with one more page at the end, to watch what pages are told.
class ProbedSheet : public VUDO4Ruruz {
public:
    explicit ProbedSheet(CCardMixer* card) : VUDO4Ruruz(IDS_SHORT_NAME, card) { AddPage(&probe); }
    ~ProbedSheet() override
    {
        if (m_hWnd != nullptr)
            DestroyWindow();
    }
    ProbePage probe;
};

std::string TabText(HWND tab, int index)
{
    char text[64] = {};
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    SendMessageA(tab, TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return text;
}

class MeterWatcher : public CMixerListener {
public:
    void Watch(CMixerDevice* mixer, DWORD lineId, DWORD meterId)
    {
        Bind(mixer, lineId, meterId);
        Listen(meterId);
    }
    void OnControlChange(DWORD, bool) override { ++polls; }
    bool Update(bool) override { return true; }
    ~MeterWatcher() { Unbind(); }
    int polls = 0;
};

class MainSheetTest : public testing::Test {
protected:
    void Start(SimCardModel model, bool hotkeysOn = false)
    {
        ASSERT_TRUE(WriteGlobalHotKeysSwitch(hotkeysOn));
        ASSERT_TRUE(m_bench.Start(model));
        m_sheet = std::make_unique<VUDO4Ruruz>(IDS_SHORT_NAME, &m_bench.Mixer());
        ASSERT_TRUE(m_sheet->Create(nullptr, VUDO4Ruruz::kWindowStyle));
        m_sheet->ShowWindow(SW_SHOWNORMAL);
        DrainMessages();
    }
    void TearDown() override { m_sheet.reset(); }

    // A key message as it reaches the sheet, with the modifiers held.
    bool Key(UINT message, WPARAM key, std::initializer_list<int> held = {})
    {
        BYTE state[256] = {};
        for (int k : held)
            state[k] = 0x80;
        SetKeyboardState(state);
        MSG msg = {m_sheet->GetTabControl(), message, key, 0, 0, {0, 0}};
        const bool taken = m_sheet->PreTranslateMessage(&msg);
        BYTE none[256] = {};
        SetKeyboardState(none);
        return taken;
    }

    DWORD Volume(int source)
    {
        DWORD left = 0, right = 0;
        m_bench.Mixer().GetUnsignedPair(ControlIdOf(m_bench.Mixer(), 0, source, 0), left, right);
        return left;
    }

    CardBench m_bench;
    RegistryTreeGuard m_panelValues{HKEY_LOCAL_MACHINE, kControlPanelKey};
    std::unique_ptr<VUDO4Ruruz> m_sheet;
};

} // namespace

TEST_F(MainSheetTest, PagesTabLabelsAccessKeysAndIconFollowTheCard)
{
    const struct {
        SimCardModel model;
        std::vector<std::string> labels;
        const char* keys;
    } cases[] = {
        {SimCardModel::Six,
         {"&Playback", "&Sources", "&Record", "&Digital", "&EQ", "&MIDI", "3D &Settings", "M&isc"},
         "PSRDEMSI"},
        {SimCardModel::Four, {"&Playback", "&Record", "&Digital", "&EQ", "&MIDI", "3D &Settings", "M&isc"}, "PRDEMSI"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        Start(c.model);
        const HWND tab = m_sheet->GetTabControl();
        ASSERT_EQ(static_cast<LRESULT>(c.labels.size()), SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
        for (size_t i = 0; i < c.labels.size(); ++i)
            EXPECT_EQ(c.labels[i], TabText(tab, static_cast<int>(i)));
        EXPECT_EQ(c.keys, m_sheet->AccessKeys());
        EXPECT_EQ(c.model == SimCardModel::Six, m_sheet->Page(MainSheetPage::Sources) != nullptr);
        EXPECT_NE(0, m_sheet->SendMessage(WM_GETICON, ICON_BIG));
        EXPECT_NE(0, m_sheet->SendMessage(WM_GETICON, ICON_SMALL));
        EXPECT_EQ(0, m_sheet->GetActiveIndex());
        m_sheet.reset();
    }
}

TEST_F(MainSheetTest, StoredColoursAndRenderModeAreTheSheets)
{
    ASSERT_TRUE(WritePanelColour(kPanelColours[0], RGB(10, 20, 30)));
    ASSERT_TRUE(WritePanelColour(kPanelColours[3], RGB(40, 50, 60)));
    ASSERT_TRUE(WritePanelRenderMode(RM_BLENDPICTURE));
    Start(SimCardModel::Six);
    COLORREF colour = 0;
    m_sheet->GetColor(0, &colour);
    EXPECT_EQ(RGB(10, 20, 30), colour);
    m_sheet->GetColor(11, &colour);
    EXPECT_EQ(RGB(40, 50, 60), colour);
    m_sheet->GetColor(8, &colour);
    EXPECT_EQ(kPanelColours[1].fallback, colour) << "a colour not stored keeps its default";
    EXPECT_EQ(RM_BLENDPICTURE | static_cast<int>(kStoredRenderModeBit), m_sheet->GetFlags());
}

TEST_F(MainSheetTest, KeysInsideTheSheet)
{
    Start(SimCardModel::Four);
    const int pages = m_sheet->GetPageCount();
    ASSERT_EQ(7, pages);
    // F5 onwards select the pages; one past the last page is not a page key.
    for (int i = 0; i < pages; ++i) {
        EXPECT_TRUE(Key(WM_KEYDOWN, VK_F5 + i));
        EXPECT_EQ(i, m_sheet->GetActiveIndex());
    }
    Key(WM_KEYDOWN, VK_F5 + pages);
    EXPECT_EQ(pages - 1, m_sheet->GetActiveIndex());
    EXPECT_TRUE(Key(WM_KEYDOWN, VK_F1)) << "F1 is swallowed";
    EXPECT_EQ(TRUE, m_sheet->SendMessage(WM_HELP)) << "help requests are answered and do nothing";

    // Alt with an access key, as the system character it makes.
    EXPECT_TRUE(Key(WM_SYSCHAR, 'd', {VK_MENU}));
    EXPECT_EQ(2, m_sheet->GetActiveIndex());
    EXPECT_TRUE(Key(WM_SYSCHAR, 'I', {VK_MENU}));
    EXPECT_EQ(6, m_sheet->GetActiveIndex());
    Key(WM_SYSCHAR, 'Q', {VK_MENU});
    EXPECT_EQ(6, m_sheet->GetActiveIndex());

    // With the global hotkeys off, Ctrl+F inside the sheet raises Front.
    ASSERT_FALSE(m_sheet->AreHotkeysRegistered());
    const DWORD front = ControlIdOf(m_bench.Mixer(), 0, 1, 0);
    ASSERT_TRUE(m_bench.Mixer().SetUnsignedPair(front, 1000, 1000));
    EXPECT_TRUE(Key(WM_KEYDOWN, 'F', {VK_CONTROL}));
    EXPECT_EQ(1000u + 65535u / 32u, Volume(1));
    // With them on, the key is the system's hotkey message, not the sheet's.
    ASSERT_TRUE(m_sheet->RegisterHotkeys(true));
    Key(WM_KEYDOWN, 'F', {VK_CONTROL});
    EXPECT_EQ(1000u + 65535u / 32u, Volume(1));
    ASSERT_TRUE(m_sheet->RegisterHotkeys(false));
}

TEST_F(MainSheetTest, HotkeyMessagesOnBothCards)
{
    for (SimCardModel model : {SimCardModel::Six, SimCardModel::Four}) {
        const bool six = model == SimCardModel::Six;
        SCOPED_TRACE(six ? "six" : "four");
        Start(model);
        CCardMixer& card = m_bench.Mixer();
        const DWORD master = ControlIdOf(card, 0, -1, 0);
        ASSERT_TRUE(card.SetUnsignedPair(master, 65535, 65535));
        m_sheet->SendMessage(WM_HOTKEY, 0);
        EXPECT_EQ(65535u, Volume(-1)) << "Ctrl+Space at the maximum";
        ASSERT_TRUE(card.SetUnsignedPair(master, 0, 0));
        m_sheet->SendMessage(WM_HOTKEY, 1);
        EXPECT_EQ(0u, Volume(-1)) << "Ctrl+Shift+Space at the minimum";

        // Ctrl+Alt+4: quad speakers, and the 3D Settings page in front.
        m_sheet->SendMessage(WM_HOTKEY, 31);
        EXPECT_EQ(3u, card.GetSpeakerConfig());
        EXPECT_EQ(m_sheet->GetPageIndex(m_sheet->Page(MainSheetPage::Settings3D)), m_sheet->GetActiveIndex());

        // Ctrl+Alt+6 and Ctrl+L act on the six-channel card only.
        const DWORD line3 = ControlIdOf(card, 0, 3, 0);
        ASSERT_TRUE(card.SetUnsignedPair(line3, 100, 100));
        m_sheet->SendMessage(WM_HOTKEY, 32);
        m_sheet->SendMessage(WM_HOTKEY, 9);
        EXPECT_EQ(six ? 6u : 3u, card.GetSpeakerConfig());
        EXPECT_EQ(six ? 100u + 65535u / 32u : 100u, Volume(3));

        // Ctrl+Alt+E turns the equalizer over.
        const int eq = card.IsEqEnabled();
        m_sheet->SendMessage(WM_HOTKEY, 28);
        EXPECT_NE(eq, card.IsEqEnabled());
        m_sheet.reset();
    }
}

TEST_F(MainSheetTest, AHotkeyTakenByAnotherProgramWarnsOnceAndTheOthersWork)
{
    HWND other = CreateWindowExA(0, "STATIC", "other", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(RegisterHotKey(other, 1, MOD_CONTROL, VK_SPACE));
    MessageBoxCatcher boxes;
    Start(SimCardModel::Six, true);
    ASSERT_EQ(1u, boxes.Boxes().size());
    EXPECT_EQ("Warning: not all hotkeys could be set!", boxes.Boxes()[0].text);
    EXPECT_TRUE(m_sheet->AreHotkeysRegistered());
    // Ctrl+F is the sheet's now: nobody else gets it.
    EXPECT_FALSE(RegisterHotKey(other, 2, MOD_CONTROL, 'F'));
    m_sheet.reset();
    EXPECT_EQ(1u, boxes.Boxes().size()) << "letting go at the end warns nobody";
    EXPECT_TRUE(RegisterHotKey(other, 2, MOD_CONTROL, 'F')) << "the sheet let its keys go";
    UnregisterHotKey(other, 1);
    UnregisterHotKey(other, 2);
    DestroyWindow(other);
}

TEST_F(MainSheetTest, NothingPollsWhileTheSheetIsOffTheScreen)
{
    ASSERT_TRUE(WriteGlobalHotKeysSwitch(false));
    ASSERT_TRUE(m_bench.Start(SimCardModel::Six));
    CCardMixer& card = m_bench.Mixer();
    ProbedSheet sheet(&card);
    MeterWatcher meter;
    meter.Watch(&card, 0, ControlIdOf(card, 0, -1, 2));
    ASSERT_TRUE(sheet.Create(nullptr, VUDO4Ruruz::kWindowStyle));
    EXPECT_EQ(0u, card.MeterTimer()) << "created, not shown yet";
    EXPECT_FALSE(sheet.IsSheetVisible());
    // Pages are told once they have a window.
    ASSERT_TRUE(sheet.SetActivePage(&sheet.probe));

    const struct {
        int command;
        bool polling;
    } steps[] = {{SW_SHOWNORMAL, true}, {SW_MINIMIZE, false}, {SW_RESTORE, true}, {SW_HIDE, false}, {SW_SHOW, true}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.command);
        sheet.probe.told.clear();
        sheet.ShowWindow(step.command);
        DrainMessages();
        EXPECT_EQ(step.polling, sheet.IsSheetVisible());
        EXPECT_EQ(step.polling ? MIXER_TIMER_ID : 0u, card.MeterTimer());
        const int before = meter.polls;
        PumpFor(200);
        EXPECT_EQ(step.polling, meter.polls > before);
        EXPECT_EQ(step.polling ? "shown" : "hidden", sheet.probe.told.empty() ? "" : sheet.probe.told[0]);
    }
    // The active page reads itself again when the sheet comes back.
    sheet.ShowWindow(SW_HIDE);
    sheet.probe.told.clear();
    sheet.ShowWindow(SW_SHOW);
    EXPECT_EQ((std::vector<std::string>{"shown", "refresh"}), sheet.probe.told);
}

// A speaker button or a speaker-mode hotkey before that idle moment has the sound
// device and the speaker-mode sequence first, then its own effect.
TEST_F(MainSheetTest, WhatNeedsTheSpeakerTestBeforeTheFirstIdleMomentStartsItFirst)
{
    SimSoundSystem system;
    SimSoundInstallation installed(system);
    ASSERT_TRUE(m_bench.Start(SimCardModel::Six));
    m_sheet = std::make_unique<VUDO4Ruruz>(IDS_SHORT_NAME, &m_bench.Mixer());
    ASSERT_TRUE(m_sheet->Create(nullptr, VUDO4Ruruz::kWindowStyle));
    CSpeakerTest& sound = m_sheet->SpeakerTest();
    EXPECT_FALSE(sound.HasSoundDevice()) << "nothing before the window is idle";
    m_sheet->StartTestSpeaker(SPEAKER_FRONT_LEFT);
    EXPECT_EQ(1, sound.ActiveCount());
    EXPECT_EQ(static_cast<DWORD>(DSSPEAKER_5POINT1), sound.SpeakerConfiguration());
    m_sheet->StopTestSpeaker(SPEAKER_FRONT_LEFT);
    // Hidden, the sheet never paints: the idle moment comes all the same, and nothing twice.
    DrainMessages();
    PumpFor(200);
    EXPECT_EQ(0, sound.ActiveCount());
    m_sheet.reset();
}

TEST_F(MainSheetTest, TheSpeakerTestStartsWithItsSoundAlsoFromAnotherFolder)
{
    char previous[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, previous);
    char elsewhere[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, elsewhere);
    ASSERT_TRUE(SetCurrentDirectoryA(elsewhere));
    SimSoundSystem system;
    SimSoundInstallation installed(system);
    Start(SimCardModel::Six);
    CSpeakerTest& sound = m_sheet->SpeakerTest();
    // Nothing of it is needed for the first paint: it comes once the sheet is idle.
    EXPECT_TRUE(PumpUntil([&] { return sound.HasTestSound(); }, 5000)) << "found beside the program";
    SetCurrentDirectoryA(previous);
    // The speaker-mode sequence: the sound system six speakers, the card its own word.
    EXPECT_EQ(static_cast<DWORD>(DSSPEAKER_5POINT1), sound.SpeakerConfiguration());
    const DWORD config = m_bench.Mixer().GetSpeakerConfig();
    m_sheet->StartTestSpeaker(SPEAKER_FRONT_LEFT);
    EXPECT_EQ(1, sound.ActiveCount());
    m_sheet->StopTestSpeaker(SPEAKER_FRONT_LEFT);
    EXPECT_EQ(0, sound.ActiveCount());
    EXPECT_EQ(config, m_bench.Mixer().GetSpeakerConfig());
    m_sheet.reset();
}
