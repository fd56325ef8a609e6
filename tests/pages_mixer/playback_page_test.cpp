// The Playback page: which line each column shows on the card models and on a
// driver with fewer wave outputs, what the columns are bound to, and which switch
// the boost box takes on each system.
#include <windows.h>
#include <mmsystem.h>

#include "dialogs/dialog_ids.h"
#include "dialogs/playback_ids.h"
#include "driver/card_mixer.h"
#include "pages/boost_control_id.h"
#include "pages/nvp4_page_playback.h"
#include "pages/playback_columns.h"
#include "pages_test_support.h"

namespace {

constexpr int N = kNoPlaybackLine;

// Only the first two wave outputs of the model stay wave outputs.
void KeepTwoWaveOutputs(SimMixerLayout& layout)
{
    int waves = 0;
    for (SimLine& source : layout.destinations[0].sources)
        if (source.componentType == MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT && ++waves > 2)
            source.componentType = MIXERLINE_COMPONENTTYPE_SRC_UNDEFINED;
}

// The six-channel card's "Wave" (line ID 0) is not counted among the two.
void KeepTwoWaveOutputsAfterTheFirst(SimMixerLayout& layout)
{
    int waves = 0;
    for (SimLine& source : layout.destinations[0].sources)
        if (source.componentType == MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT && ++waves > 3)
            source.componentType = MIXERLINE_COMPONENTTYPE_SRC_UNDEFINED;
}

struct ColumnCase {
    const char* name;
    SimCardModel model;
    LayoutChange change;
    std::vector<int> lines;
};

class PlaybackPageTest : public PagesTest {};

TEST_F(PlaybackPageTest, ColumnsTakeTheFirstFreeLineOfTheirKind)
{
    const ColumnCase cases[] = {
        // Source 0 ("Wave") has line ID 0: a six-channel card never takes it.
        {"six", SimCardModel::Six, nullptr, {-1, 1, 2, 3, 4, 5}},
        {"four", SimCardModel::Four, nullptr, {-1, 0, 1, 2, 3, 5, 6, 7, 4}},
        {"stereo", SimCardModel::Stereo, nullptr, {-1, 0, 1, 2, 3, 5, 6, 7, 4}},
        {"six, two wave outputs", SimCardModel::Six, KeepTwoWaveOutputsAfterTheFirst, {-1, 1, 2, N, N, N}},
        {"four, two wave outputs", SimCardModel::Four, KeepTwoWaveOutputs, {-1, 0, 1, N, 3, 5, 6, 7, 4}},
    };
    for (const ColumnCase& c : cases) {
        Start(c.model, c.change);
        EXPECT_EQ(c.lines, AssignPlaybackColumns(Card(), Card().SixChannelCapable() != 0)) << c.name;
    }
}

struct BoundColumn {
    std::string label;
    DWORD fader;
    DWORD mute;
};

std::vector<BoundColumn> ColumnsOf(CNVP4PagePlayback& page)
{
    std::vector<BoundColumn> columns;
    for (int column = 0; column < page.ColumnCount(); ++column) {
        CMixerColumn& shown = page.Column(column);
        columns.push_back({TextOf(shown.Label()), shown.Fader().ControlId(), shown.Mute().ControlId()});
        EXPECT_EQ(shown.Fader().ControlId() != 0, shown.Fader().GetFirstSlider() != nullptr) << column;
    }
    return columns;
}

TEST_F(PlaybackPageTest, ColumnsShowAndBindTheirLinesAndEmptyOnesKeepTheTemplate)
{
    struct PageCase {
        const char* name;
        SimCardModel model;
        LayoutChange change;
        UINT dialog;
        int columns;
    };
    const PageCase cases[] = {
        {"six", SimCardModel::Six, nullptr, IDD_PAGE_PLAYBACK_SIX, 6},
        {"four", SimCardModel::Four, nullptr, IDD_PAGE_PLAYBACK, 9},
        {"stereo", SimCardModel::Stereo, nullptr, IDD_PAGE_PLAYBACK, 9},
        {"four, two wave outputs", SimCardModel::Four, KeepTwoWaveOutputs, IDD_PAGE_PLAYBACK, 9},
    };
    for (const PageCase& c : cases) {
        Start(c.model, c.change);
        EXPECT_EQ(c.dialog, CNVP4PagePlayback::TemplateFor(&Card())) << c.name;
        CNVP4PagePlayback page(&Card(), nullptr);
        PageSheet sheet(&Card(), {&page});
        ASSERT_EQ(c.columns, page.ColumnCount()) << c.name;
        EXPECT_EQ("Playback", TextOf(page.GetDlgItem(IDC_PLAYBACK_FRAME))) << c.name;
        const std::vector<BoundColumn> shown = ColumnsOf(page);
        for (int column = 0; column < c.columns; ++column) {
            const int index = page.ColumnLines()[static_cast<size_t>(column)];
            const BoundColumn& got = shown[static_cast<size_t>(column)];
            if (index == kNoPlaybackLine) {
                // The template's texts, nothing bound.
                EXPECT_EQ("Rear", got.label) << c.name << " column " << column;
                EXPECT_EQ(0u, got.fader);
                EXPECT_EQ(0u, got.mute);
                EXPECT_EQ(nullptr, page.Column(column).Mute().Mixer());
                EXPECT_EQ("Mute", TextOf(page.Column(column).Mute()));
                continue;
            }
            MixerLineEntry* line = nullptr;
            ASSERT_TRUE(Card().GetLine(0, index, line));
            EXPECT_EQ(std::string(line->line.szShortName), got.label) << c.name << " column " << column;
            // The microphone's volume and mute come after its meter and boost switch.
            const bool mic = line->line.dwComponentType == MIXERLINE_COMPONENTTYPE_SRC_MICROPHONE;
            EXPECT_EQ(ControlId(0, index, mic ? 2 : 0), got.fader) << c.name << " column " << column;
            EXPECT_EQ(ControlId(0, index, mic ? 3 : 1), got.mute) << c.name << " column " << column;
            EXPECT_EQ("Mute", TextOf(page.Column(column).Mute()));
        }
        // The six-column template ends at the sixth column and has no boost box.
        const bool six = c.model == SimCardModel::Six;
        EXPECT_EQ(six, page.GetDlgItem(IDC_PLAYBACK_LABEL_FIRST + 6) == nullptr) << c.name;
        EXPECT_EQ(six, page.Boost().m_hWnd == nullptr) << c.name;
    }
}

TEST_F(PlaybackPageTest, LabelsAndMuteTextsFollowTheCardAndThePageWritesWhatTheUserDoes)
{
    Start(SimCardModel::Four);
    CNVP4PagePlayback page(&Card(), nullptr);
    PageSheet sheet(&Card(), {&page});
    const char* labels[] = {"Master", "Wave", "Front", "Rear", "CD", "Line", "Aux", "Synth", "Mic"};
    for (int column = 0; column < 9; ++column)
        EXPECT_EQ(labels[column], TextOf(page.Column(column).Label()));

    // The master fader to the top and the CD's mute box clicked reach the device.
    const DWORD master = ControlId(0, -1, 0);
    ASSERT_TRUE(Card().SetUnsignedPair(master, 0, 0));
    DrainMessages();
    page.Column(0).Fader().GetFirstSlider()->SendMessage(WM_KEYDOWN, VK_HOME, 0);
    EXPECT_EQ((std::vector<LONG>{65535, 65535}), DeviceValues(master));
    const DWORD cdMute = ControlId(0, 3, 1);
    const std::vector<LONG> before = DeviceValues(cdMute);
    page.Column(4).Mute().SendMessage(BM_CLICK);
    EXPECT_NE(before, DeviceValues(cdMute));
    EXPECT_EQ(DeviceValues(cdMute)[0] != 0 ? BST_CHECKED : BST_UNCHECKED, page.Column(4).Mute().GetCheck());
}

TEST(BoostControlId, FollowsTheDriversNumberingOfEachSystem)
{
    struct VersionCase {
        SystemVersion system;
        DWORD id;
    };
    const VersionCase cases[] = {
        {{4, 0, VER_PLATFORM_WIN32_WINDOWS}, 14},  // 95
        {{4, 10, VER_PLATFORM_WIN32_WINDOWS}, 16}, // 98
        {{4, 1, VER_PLATFORM_WIN32_WINDOWS}, 16},
        {{4, 90, VER_PLATFORM_WIN32_WINDOWS}, 14}, // ME
        {{4, 0, VER_PLATFORM_WIN32_NT}, 0},        // NT 4
        {{5, 0, VER_PLATFORM_WIN32_NT}, 16},       // 2000
        {{5, 1, VER_PLATFORM_WIN32_NT}, 14},       // XP
        {{5, 2, VER_PLATFORM_WIN32_NT}, 14},       // XP x64
        {{6, 1, VER_PLATFORM_WIN32_NT}, 0},
        {{3, 1, VER_PLATFORM_WIN32s}, 14},
    };
    for (const VersionCase& c : cases)
        EXPECT_EQ(c.id, BoostControlIdFor(c.system)) << c.system.major << "." << c.system.minor << " on " << c.system.platform;
}

TEST_F(PlaybackPageTest, BoostBoxTakesTheSwitchOfTheSystemsNumbering)
{
    struct BoostCase {
        const char* name;
        SystemVersion system;
        SimControlNumbering numbering;
        DWORD bound; // 0: the box stays unbound
    };
    const BoostCase cases[] = {
        {"2000", {5, 0, VER_PLATFORM_WIN32_NT}, SimControlNumbering::Windows2000, 16},
        {"XP", {5, 1, VER_PLATFORM_WIN32_NT}, SimControlNumbering::WindowsXp, 14},
        {"NT 4", {4, 0, VER_PLATFORM_WIN32_NT}, SimControlNumbering::WindowsXp, 0},
        {"98", {4, 10, VER_PLATFORM_WIN32_WINDOWS}, SimControlNumbering::Windows2000, 16},
        {"95", {4, 0, VER_PLATFORM_WIN32_WINDOWS}, SimControlNumbering::WindowsXp, 14},
        // A driver numbered for another system has no switch of the wanted ID.
        {"XP, driver of 2000", {5, 1, VER_PLATFORM_WIN32_NT}, SimControlNumbering::Windows2000, 0},
    };
    for (const BoostCase& c : cases) {
        Start(SimCardModel::Four, nullptr, c.numbering);
        PlayedSystem played(c.system);
        CNVP4PagePlayback page(&Card(), nullptr);
        PageSheet sheet(&Card(), {&page});
        const DWORD micSwitch = ControlId(0, 4, 1);
        MixerControlEntry* entry = nullptr;
        ASSERT_TRUE(Card().FindControl(micSwitch, entry));
        EXPECT_EQ(c.bound, page.Boost().ControlId()) << c.name;
        EXPECT_EQ(c.bound != 0, std::string(entry->control.szShortName) == "Boost") << c.name;
        if (c.bound == 0)
            continue;
        EXPECT_EQ(micSwitch, c.bound) << c.name;
        EXPECT_EQ("Boost", TextOf(page.Boost())) << c.name;
        const std::vector<LONG> before = DeviceValues(micSwitch);
        page.Boost().SendMessage(BM_CLICK);
        EXPECT_NE(before, DeviceValues(micSwitch)) << c.name;
    }
}

TEST_F(PlaybackPageTest, SixChannelCardBindsNoBoost)
{
    for (SimControlNumbering numbering : {SimControlNumbering::WindowsXp, SimControlNumbering::Windows2000}) {
        Start(SimCardModel::Six, nullptr, numbering);
        PlayedSystem played(numbering == SimControlNumbering::WindowsXp ? SystemVersion{5, 1, VER_PLATFORM_WIN32_NT}
                                                                        : SystemVersion{5, 0, VER_PLATFORM_WIN32_NT});
        CNVP4PagePlayback page(&Card(), nullptr);
        PageSheet sheet(&Card(), {&page});
        EXPECT_EQ(nullptr, page.Boost().m_hWnd);
        EXPECT_EQ(nullptr, page.Boost().Mixer());
        EXPECT_EQ(nullptr, page.GetDlgItem(IDC_PLAYBACK_BOOST));
        MixerControlEntry* entry = nullptr;
        ASSERT_TRUE(Card().GetControl(0, 7, 1, entry));
        EXPECT_NE("Boost", std::string(entry->control.szShortName));
    }
}

} // namespace
