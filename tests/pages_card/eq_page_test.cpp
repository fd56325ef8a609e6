// The EQ page on the simulated card: the band scale and what the driver and the
// registry get from a slider, the preset buttons as names are typed, added,
// chosen and deleted, the peak meters' formula and timer, and a card with fewer
// bands.
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "card_pages_fixture.h"
#include "dialogs/eq_ids.h"
#include "driver/card_requests.h"
#include "driver/driver_keys.h"
#include "driver/eq_keys.h"
#include "pages/eq_band_scale.h"
#include "pages/eq_meter.h"
#include "pages/nvp4_page_eq.h"
#include "platform/resource_string.h"
#include "platform/window_timer.h"
#include "string_ids.h"
#include "support/message_box_catcher.h"
#include "support/registry_guard.h"

namespace {

const std::string kEq = kEqualizerKey;
const std::string kRate = kEq + "\\48000";

std::string BandKey(int bands) { return kRate + "\\" + std::to_string(bands) + "-Bands"; }

// Gains of a preset; frequencies and bandwidths are any fixed bytes.
void WriteSet(const std::string& key, std::vector<signed char> gains)
{
    const DWORD bands = static_cast<DWORD>(gains.size());
    std::vector<BYTE> wide(2 * bands, 0x11);
    WriteMachineBinary(key, kEqGainTableValue, gains.data(), bands);
    WriteMachineBinary(key, kEqFrequencyTableValue, wide.data(), 2 * bands);
    WriteMachineBinary(key, kEqBandwidthTableValue, wide.data(), 2 * bands);
}

const std::vector<signed char> kRock = {5, 4, 3, 1, 0, -1, 0, 2, 4, 6};
const std::vector<signed char> kJazz = {2, 2, 1, 0, -2, -2, 0, 1, 2, 3};

// Presets "Rock" and "Jazz" for a card of that many bands; the current set came
// from "Jazz" unchanged; the equalizer and its meters on.
void SeedPresets(int bands = 10)
{
    DeleteKeyTree(HKEY_LOCAL_MACHINE, kEq);
    const DWORD count = static_cast<DWORD>(bands);
    WriteMachineBinary(kRate, kEqCurrentBandsValue, &count, sizeof(count));
    const std::string key = BandKey(bands);
    WriteSet(key + "\\Rock", std::vector<signed char>(kRock.begin(), kRock.begin() + bands));
    WriteSet(key + "\\Jazz", std::vector<signed char>(kJazz.begin(), kJazz.begin() + bands));
    WriteSet(key + "\\CurrentSet", std::vector<signed char>(kJazz.begin(), kJazz.begin() + bands));
    WriteRawValue(HKEY_LOCAL_MACHINE, key + "\\CurrentSet", kEqSetNameValue, REG_SZ, "Jazz", 5);
    WriteMachineNumber(kEq, kEqEnabledValue, 1, REG_BINARY);
    WriteMachineNumber(kEq, kEqPeakMetersValue, 1, REG_BINARY);
}

std::vector<signed char> StoredGains(const std::string& key)
{
    const StoredValue value = ReadMachineValue(key, kEqGainTableValue);
    return std::vector<signed char>(value.data.begin(), value.data.end());
}

class EqPageTest : public CardPagesTest {
protected:
    void Start(int bands = 10)
    {
        SeedPresets(bands);
        ASSERT_TRUE(bench.Start(SimCardModel::Six));
        ShowPage();
        bench.Driver().ClearLog();
    }
    // A band slider put at a position and the page told, as a drag tells it.
    void Drag(int band, int position)
    {
        Page().Band(band).SetPos(position);
        SendMessageA(Page().m_hWnd, WM_VSCROLL, MAKEWPARAM(TB_THUMBTRACK, static_cast<WORD>(position)),
                     reinterpret_cast<LPARAM>(Page().Band(band).m_hWnd));
    }
    void Tick() { SendMessageA(Page().m_hWnd, WM_TIMER, 678, 0); }
    std::vector<std::string> Presets()
    {
        std::vector<std::string> names;
        const HWND combo = Page().GetDlgItem(IDC_EQ_PRESET);
        const int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char text[128] = "";
            SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
            names.push_back(text);
        }
        return names;
    }
    // Add, Save, Delete, Restore enabled.
    std::vector<bool> Buttons()
    {
        return {IsEnabled(Page(), IDC_EQ_ADD), IsEnabled(Page(), IDC_EQ_SAVE), IsEnabled(Page(), IDC_EQ_DELETE),
                IsEnabled(Page(), IDC_EQ_RESTORE)};
    }

    CNVP4PageEQ& Page() { return *m_page; }
    // Built with the card it shows.
    void ShowPage()
    {
        m_page = std::make_unique<CNVP4PageEQ>(&bench.Mixer(), nullptr);
        ShowPages(*m_page, &blank);
    }

    BlankPage blank;

private:
    std::unique_ptr<CNVP4PageEQ> m_page;
};

TEST(EqArithmetic, BandScaleAndMeterFormula)
{
    EXPECT_EQ(3, EqGainOfPosition(-37));
    EXPECT_EQ(-3, EqGainOfPosition(37));
    EXPECT_EQ(0, EqGainOfPosition(-9));
    EXPECT_EQ(10, EqGainOfPosition(-100));
    EXPECT_EQ(-100, EqPositionOfGain(10));
    EXPECT_EQ("  3 dB", EqGainLabel(3));
    EXPECT_EQ(" -3 dB", EqGainLabel(-3));
    EXPECT_EQ("-10 dB", EqGainLabel(-10));

    // Levels are unsigned; the loudest would reach -155 and are held at the top.
    const struct {
        DWORD level;
        int value;
    } meter[] = {{0, 100}, {1, 100}, {3641, 100 - 60}, {32768, -100}, {65535, -100}, {0xFFFFFFFFu, -100}};
    for (const auto& c : meter)
        EXPECT_EQ(c.value, EqMeterValue(c.level)) << c.level;

    // The mark jumps up with the signal and falls back one step per tick.
    int mark = kEqMeterSilence;
    std::vector<int> marks;
    for (int value : {100, 20, 100, 100, 100, 30, 10, 100})
        marks.push_back(mark = EqNextPeakMark(mark, value));
    EXPECT_EQ((std::vector<int>{100, 20, 21, 22, 23, 24, 10, 11}), marks);
}

TEST_F(EqPageTest, SlidersShowTheGainsAndSendEveryMoveToTheRegistryThenTheDriver)
{
    Start();
    for (int band = 0; band < 10; ++band) {
        EXPECT_EQ(-10 * kJazz[band], Page().Band(band).GetPos()) << band;
        EXPECT_EQ(EqGainLabel(kJazz[band]), TextOf(Page(), IDC_EQ_GAIN_FIRST + band));
        EXPECT_EQ(-100, Page().Band(band).GetRangeMin());
        EXPECT_EQ(100, Page().Band(band).GetRangeMax());
    }
    // Unchanged set: only Delete works.
    EXPECT_EQ((std::vector<bool>{false, false, true, false}), Buttons());
    EXPECT_EQ("Jazz", TextOf(Page(), IDC_EQ_PRESET));

    Drag(2, -37);
    EXPECT_EQ("  3 dB", TextOf(Page(), IDC_EQ_GAIN_FIRST + 2));
    EXPECT_EQ(3, bench.Mixer().GetEqBandGain(2));
    std::vector<signed char> expected = kJazz;
    expected[2] = 3;
    EXPECT_EQ(expected, StoredGains(BandKey(10) + "\\CurrentSet"));
    EXPECT_EQ(expected, bench.Driver().State().equalizer.gains);
    EXPECT_EQ(1, bench.Driver().CountRequests(IOCTL_CARD_COMMAND, CMD_EQ_RELOAD));
    EXPECT_TRUE(Page().IsModified());
    EXPECT_EQ((std::vector<bool>{false, true, true, true}), Buttons());

    Drag(7, 37);
    EXPECT_EQ(" -3 dB", TextOf(Page(), IDC_EQ_GAIN_FIRST + 7));
    EXPECT_EQ(-3, bench.Driver().State().equalizer.gains[7]);
    // The same gain again (the end of a drag) is not sent twice.
    Drag(7, 35);
    EXPECT_EQ(2, bench.Driver().CountRequests(IOCTL_CARD_COMMAND, CMD_EQ_RELOAD));
    // The presets are untouched until saved.
    EXPECT_EQ(kJazz, StoredGains(BandKey(10) + "\\Jazz"));
    Click(Page(), IDC_EQ_SAVE);
    EXPECT_EQ(StoredGains(BandKey(10) + "\\CurrentSet"), StoredGains(BandKey(10) + "\\Jazz"));
    EXPECT_EQ((std::vector<bool>{false, false, true, false}), Buttons());
}

TEST_F(EqPageTest, TypedNamesChooseBetweenAddAndSaveAndAddMakesTheCurrentSet)
{
    Start();
    Drag(0, -80);
    Type(Page(), IDC_EQ_PRESET, "rOCK");
    EXPECT_EQ((std::vector<bool>{false, true, true, true}), Buttons());
    EXPECT_FALSE(Page().IsNewName());
    Type(Page(), IDC_EQ_PRESET, "Blues");
    EXPECT_EQ((std::vector<bool>{true, false, false, false}), Buttons());
    EXPECT_TRUE(Page().IsNewName());
    Type(Page(), IDC_EQ_PRESET, "");
    EXPECT_EQ((std::vector<bool>{false, false, false, false}), Buttons());
    Type(Page(), IDC_EQ_PRESET, "Blues");

    Click(Page(), IDC_EQ_ADD);
    EXPECT_STREQ("Blues", bench.Mixer().CurrentEqSetName());
    std::vector<signed char> blues = kJazz;
    blues[0] = 8;
    EXPECT_EQ(blues, StoredGains(BandKey(10) + "\\Blues"));
    EXPECT_EQ(1u, ReadMachineValue(BandKey(10) + "\\Blues", kEqFlagsValue).data.at(0));
    EXPECT_EQ(3u, Presets().size());
    EXPECT_EQ("Blues", Presets().back());
    EXPECT_EQ("Blues", TextOf(Page(), IDC_EQ_PRESET));
    EXPECT_EQ((std::vector<bool>{false, false, true, false}), Buttons());

    // Saving under a typed existing name overwrites that preset, not the current one.
    Drag(9, 100);
    Type(Page(), IDC_EQ_PRESET, "rock");
    Click(Page(), IDC_EQ_SAVE);
    blues[9] = -10;
    EXPECT_EQ(blues, StoredGains(BandKey(10) + "\\Rock"));
    EXPECT_STREQ("Rock", bench.Mixer().CurrentEqSetName());
    EXPECT_EQ(8, StoredGains(BandKey(10) + "\\Blues")[0]);
    EXPECT_EQ(3, StoredGains(BandKey(10) + "\\Blues")[9]);
}

TEST_F(EqPageTest, NamesTheCardRefusesOfferNoAdd)
{
    Start();
    for (const char* name : {"CurrentSet", "currentSET", "Live\\Hall"}) {
        Type(Page(), IDC_EQ_PRESET, name);
        EXPECT_TRUE(Page().IsNewName()) << name;
        EXPECT_EQ((std::vector<bool>{false, false, false, false}), Buttons()) << name;
    }
    Type(Page(), IDC_EQ_PRESET, "Live Hall");
    EXPECT_EQ((std::vector<bool>{true, false, false, false}), Buttons());
}

TEST_F(EqPageTest, ChoosingRestoringAndDeletingPresets)
{
    Start();
    const std::vector<std::string> names = Presets();
    const int rock = names[0] == "Rock" ? 0 : 1;
    Choose(Page(), IDC_EQ_PRESET, rock);
    EXPECT_EQ(kRock, bench.Driver().State().equalizer.gains);
    EXPECT_EQ(-10 * kRock[0], Page().Band(0).GetPos());
    EXPECT_EQ((std::vector<bool>{false, false, true, false}), Buttons());

    Drag(4, -100);
    Click(Page(), IDC_EQ_RESTORE);
    EXPECT_EQ(kRock, bench.Driver().State().equalizer.gains);
    EXPECT_EQ(0, Page().Band(4).GetPos());
    EXPECT_FALSE(Page().IsModified());

    {
        MessageBoxCatcher no(IDCANCEL);
        Click(Page(), IDC_EQ_DELETE);
        ASSERT_EQ(1u, no.Boxes().size());
        EXPECT_EQ(LoadResourceString(IDS_CONFIRM_DELETE_PRESET), no.Boxes()[0].text);
    }
    EXPECT_EQ(2u, Presets().size());
    {
        // The preset named in the field goes, not the current one.
        MessageBoxCatcher yes(IDOK);
        Type(Page(), IDC_EQ_PRESET, "jazz");
        Click(Page(), IDC_EQ_DELETE);
    }
    // Jazz is gone; Rock is loaded and sent, and as the last preset it cannot go.
    EXPECT_EQ((std::vector<std::string>{"Rock"}), Presets());
    EXPECT_EQ(0u, ReadMachineValue(BandKey(10) + "\\Jazz", kEqGainTableValue).data.size());
    EXPECT_EQ(kRock, bench.Driver().State().equalizer.gains);
    EXPECT_EQ("Rock", TextOf(Page(), IDC_EQ_PRESET));
    EXPECT_FALSE(IsEnabled(Page(), IDC_EQ_DELETE));
    // Editing the only preset's name keeps Delete off.
    Type(Page(), IDC_EQ_PRESET, "ROCK");
    EXPECT_FALSE(IsEnabled(Page(), IDC_EQ_DELETE));
}

TEST_F(EqPageTest, StartingSendsTheSetAgainAndRefreshFollowsTheModifiedRule)
{
    SeedPresets();
    // The current set differs from its preset.
    std::vector<signed char> changed = kJazz;
    changed[1] = -7;
    WriteSet(BandKey(10) + "\\CurrentSet", changed);
    ASSERT_TRUE(bench.Start(SimCardModel::Six));
    bench.Driver().ClearLog();
    ShowPage();
    const int off = bench.IndexOfCommand(CMD_EQ_OFF);
    EXPECT_GE(off, 0);
    EXPECT_GT(bench.IndexOfCommand(CMD_EQ_ON, off), off);
    EXPECT_EQ(changed, bench.Driver().State().equalizer.gains);
    EXPECT_EQ(70, Page().Band(1).GetPos());
    EXPECT_TRUE(Page().IsModified());
    EXPECT_EQ((std::vector<bool>{false, true, true, true}), Buttons());

    // A settings file (or another page) changed the set behind the page's back.
    bench.Mixer().LoadEqSet("Jazz", true);
    Sheet().RefreshPages();
    EXPECT_FALSE(Page().IsModified());
    EXPECT_EQ((std::vector<bool>{false, false, true, false}), Buttons());
    EXPECT_EQ(-20, Page().Band(1).GetPos());
}

TEST_F(EqPageTest, PeakMeterTimerRunsOnlyWhileBothSwitchesAreOnAndThePageIsSeen)
{
    Start();
    EXPECT_TRUE(Page().IsPeakTimerRunning());
    EXPECT_TRUE(GetWindowLongA(Page().Band(0).m_hWnd, GWL_STYLE) & TBS_ENABLESELRANGE);

    bench.Driver().ClearLog();
    Click(Page(), IDC_EQ_ENABLE);
    EXPECT_EQ(CMD_EQ_OFF, bench.Driver().Log().at(0).code);
    EXPECT_FALSE(Page().IsPeakTimerRunning());
    EXPECT_TRUE(IsChecked(Page(), IDC_EQ_PEAK_METERS));
    EXPECT_FALSE(IsEnabled(Page(), IDC_EQ_PEAK_METERS));
    EXPECT_FALSE(IsEnabled(Page(), IDC_EQ_BAND_FIRST));
    EXPECT_FALSE(GetWindowLongA(Page().Band(0).m_hWnd, GWL_STYLE) & TBS_ENABLESELRANGE);
    Click(Page(), IDC_EQ_ENABLE);
    EXPECT_TRUE(Page().IsPeakTimerRunning());

    Click(Page(), IDC_EQ_PEAK_METERS);
    EXPECT_FALSE(Page().IsPeakTimerRunning());
    EXPECT_EQ(0u, ReadMachineValue(kEq, kEqPeakMetersValue).data.at(0));
    Click(Page(), IDC_EQ_PEAK_METERS);
    EXPECT_TRUE(Page().IsPeakTimerRunning());

    // Leaving the page stops it; coming back starts it again.
    Sheet().SetActivePage(1);
    DrainMessages();
    EXPECT_FALSE(Page().IsPeakTimerRunning());
    Sheet().SetActivePage(0);
    PumpFor(50);
    EXPECT_TRUE(Page().IsPeakTimerRunning());

    // Hidden in the tray, nothing ticks; shown again, the meters go on.
    const int live = CWindowTimer::LiveCount();
    Sheet().ShowWindow(SW_HIDE);
    EXPECT_FALSE(Page().IsPeakTimerRunning());
    EXPECT_EQ(live - 1, CWindowTimer::LiveCount());
    EXPECT_TRUE(Page().IsPeakTimerWanted());
    bench.Driver().ClearLog();
    PumpFor(200);
    EXPECT_EQ(0, bench.Driver().CountRequests(IOCTL_CARD_COMMAND, CMD_EQ_PEAK_LEVELS));
    Sheet().ShowWindow(SW_SHOWNOACTIVATE);
    PumpFor(50);
    EXPECT_TRUE(Page().IsPeakTimerRunning());
    Sheet().ShowWindow(SW_MINIMIZE);
    EXPECT_FALSE(Page().IsPeakTimerRunning());
    Sheet().ShowWindow(SW_RESTORE);
    PumpFor(50);
    EXPECT_TRUE(Page().IsPeakTimerRunning());
}

TEST_F(EqPageTest, MetersFollowTheDriverAndTheirPeaksFallBack)
{
    Start();
    for (int i = 0; i < 5; ++i)
        Tick();
    EXPECT_EQ(5, bench.Driver().CountRequests(IOCTL_CARD_COMMAND, CMD_EQ_PEAK_LEVELS));
    int lit = 0;
    for (int band = 0; band < 10; ++band) {
        EXPECT_EQ(Page().Band(band).GetLevelA(), Page().Band(band).GetLevelB());
        EXPECT_LE(Page().Band(band).GetPeak(), Page().Band(band).GetLevelA());
        lit += Page().Band(band).GetLevelA() < 100;
    }
    EXPECT_EQ(10, lit);

    // The driver goes silent: the levels drop at once, the peaks one step a tick.
    bench.Driver().State().equalizer.on = false;
    const int peak = Page().Band(3).GetPeak();
    Tick();
    EXPECT_EQ(100, Page().Band(3).GetLevelA());
    EXPECT_EQ(peak + 1, Page().Band(3).GetPeak());
    Tick();
    EXPECT_EQ(peak + 2, Page().Band(3).GetPeak());
}

TEST_F(EqPageTest, AFiveBandCardKeepsTheMetersSilentAndIgnoresTheOtherBands)
{
    Start(5);
    EXPECT_EQ(5u, bench.Mixer().EqBandCount());
    for (int i = 0; i < 3; ++i)
        Tick();
    EXPECT_EQ(0, bench.Driver().CountRequests(IOCTL_CARD_COMMAND, CMD_EQ_PEAK_LEVELS));
    // Silent from the start (levels and peak marks at the bottom).
    for (int band = 0; band < 10; ++band) {
        EXPECT_EQ(100, Page().Band(band).GetLevelA());
        EXPECT_EQ(100, Page().Band(band).GetPeak());
    }
    Drag(8, -50);
    EXPECT_EQ(0, bench.Driver().CountRequests(IOCTL_CARD_COMMAND, CMD_EQ_RELOAD));
    EXPECT_EQ(5u, bench.Driver().State().equalizer.gains.size());
}

TEST_F(EqPageTest, TheEnableBoxExplainsItselfInBothCharacterSets)
{
    Start();
    const std::string description = LoadResourceString(IDS_TIP_EQ_ENABLE);
    ASSERT_FALSE(description.empty());
    EXPECT_EQ(description, CNVP4PageEQ::TipTextFor(IDC_EQ_ENABLE));
    EXPECT_EQ("", CNVP4PageEQ::TipTextFor(IDC_EQ_ADD));

    NMTTDISPINFOA ansi = {};
    ansi.hdr.code = TTN_NEEDTEXTA;
    ansi.hdr.idFrom = reinterpret_cast<UINT_PTR>(Page().GetDlgItem(IDC_EQ_ENABLE));
    ansi.uFlags = TTF_IDISHWND;
    SendMessageA(Page().m_hWnd, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&ansi));
    ASSERT_NE(nullptr, ansi.lpszText);
    EXPECT_EQ(description, ansi.lpszText);

    NMTTDISPINFOW wide = {};
    wide.hdr.code = TTN_NEEDTEXTW;
    wide.hdr.idFrom = IDC_EQ_ENABLE;
    SendMessageA(Page().m_hWnd, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&wide));
    ASSERT_NE(nullptr, wide.lpszText);
    EXPECT_EQ(description.size(), wcslen(wide.lpszText));
}

} // namespace
