// The Record page: its template by source count, the source radios and faders on
// the card, the microphone's boost named in the model, the echo cancellation
// radios, and the slots the page must leave unbound.
#include <windows.h>
#include <mmsystem.h>

#include "dialogs/dialog_ids.h"
#include "dialogs/record_ids.h"
#include "driver/card_mixer.h"
#include "driver/card_requests.h"
#include "driver/driver_keys.h"
#include "driver/speaker_keys.h"
#include "mixer/controls/mixer_button.h"
#include "pages/nvp4_page_record.h"
#include "pages_test_support.h"

namespace {

constexpr int kRecord = 1;

SimDestination& RecordOf(SimMixerLayout& layout) { return layout.destinations[kRecord]; }

// A record source with a volume, named alike in both names.
SimLine RecordSource(const char* name, DWORD componentType)
{
    SimLine line;
    line.shortName = name;
    line.name = name;
    line.componentType = componentType;
    line.controls = {SimVolume()};
    return line;
}

class RecordPageTest : public PagesTest {};

TEST_F(RecordPageTest, FiveSourcesHaveTheirOwnTemplate)
{
    struct TemplateCase {
        SimCardModel model;
        int sources;
        UINT dialog;
    };
    const TemplateCase cases[] = {
        {SimCardModel::Four, 5, IDD_PAGE_RECORD_FIVE},
        {SimCardModel::Six, 6, IDD_PAGE_RECORD},
        {SimCardModel::Six, 4, IDD_PAGE_RECORD},
        {SimCardModel::Six, 7, IDD_PAGE_RECORD},
    };
    for (const TemplateCase& c : cases) {
        Start(c.model, [&c](SimMixerLayout& layout) {
            auto& sources = RecordOf(layout).sources;
            sources.resize(std::min<size_t>(sources.size(), static_cast<size_t>(c.sources)));
            while (sources.size() < static_cast<size_t>(c.sources))
                sources.push_back(RecordSource("Phone", MIXERLINE_COMPONENTTYPE_SRC_TELEPHONE));
        });
        EXPECT_EQ(c.sources, Card().GetSourceCount(kRecord));
        EXPECT_EQ(c.dialog, CNVP4PageRecord::TemplateFor(&Card())) << c.sources << " sources";
    }
}

TEST_F(RecordPageTest, RadiosSelectTheirSourceAndFadersSetItsLevel)
{
    Start(SimCardModel::Six);
    CNVP4PageRecord page(&Card(), nullptr);
    PageSheet sheet(&Card(), {&page});
    EXPECT_EQ("Record", TextOf(page.GetDlgItem(IDC_RECORD_FRAME)));
    EXPECT_EQ("AEC", TextOf(page.GetDlgItem(IDC_RECORD_AEC_FRAME)));
    // Columns in slot order: mix, aux, microphone, CD, line, other; the items are
    // those of the selector named as the sources' lines.
    struct Column {
        int source;
        int item;
        const char* text;
    };
    const Column columns[] = {{0, 0, "Mix"}, {1, 4, "Aux"}, {2, 2, "Mic"}, {3, 1, "CD"}, {4, 3, "Line"}, {5, 5, "SPDIF In"}};
    const DWORD selector = ControlId(kRecord, -1, 0);
    for (int column = 0; column < 6; ++column) {
        const Column& want = columns[column];
        CMixerButton& radio = page.SourceRadio(column);
        EXPECT_EQ(want.text, TextOf(radio)) << column;
        EXPECT_EQ(6, radio.GetItemCount()) << column;
        EXPECT_EQ(want.item, radio.GetItemIndex()) << column;
        EXPECT_EQ(selector, radio.ControlId()) << column;
        EXPECT_TRUE(IsEnabled(radio)) << column;
        EXPECT_EQ(ControlId(kRecord, want.source, want.source == 2 ? 1 : 0), page.Fader(column).ControlId()) << column;
    }

    // "Mic" chosen: the selector holds only the microphone, and only its radio shows.
    page.SourceRadio(2).SendMessage(BM_CLICK);
    DrainMessages();
    EXPECT_EQ((std::vector<LONG>{0, 0, 1, 0, 0, 0}), DeviceValues(selector));
    for (int column = 0; column < 6; ++column)
        EXPECT_EQ(column == 2 ? BST_CHECKED : BST_UNCHECKED, page.SourceRadio(column).GetCheck()) << column;

    // The CD fader to the top sets the CD's recording level.
    const DWORD cdVolume = ControlId(kRecord, 3, 0);
    ASSERT_TRUE(Card().SetUnsignedPair(cdVolume, 0, 0));
    DrainMessages();
    page.Fader(3).GetFirstSlider()->SendMessage(WM_KEYDOWN, VK_HOME, 0);
    EXPECT_EQ((std::vector<LONG>{65535, 65535}), DeviceValues(cdVolume));
}

TEST_F(RecordPageTest, MicrophoneBoostIsNamedBoostForEveryControlShowingIt)
{
    Start(SimCardModel::Four);
    CNVP4PageRecord page(&Card(), nullptr);
    PageSheet sheet(&Card(), {&page});
    const DWORD boost = ControlId(kRecord, 2, 0);
    EXPECT_EQ(boost, page.Boost().ControlId());
    EXPECT_EQ("Boost", TextOf(page.Boost()));

    // Another switch bound to it later shows the model's name.
    CMixerButton other;
    other.Bind(&Card(), LineId(kRecord, 2), boost);
    const RECT rect = {0, 0, 60, 20};
    ASSERT_TRUE(other.Create("BUTTON", "", WS_CHILD | BS_AUTOCHECKBOX, rect, page.m_hWnd, 999));
    EXPECT_EQ("Boost", TextOf(other));

    page.Boost().SendMessage(BM_CLICK);
    DrainMessages();
    EXPECT_EQ(std::vector<LONG>{1}, DeviceValues(boost));
    EXPECT_EQ(BST_CHECKED, other.GetCheck());
    other.DestroyWindow();
}

TEST_F(RecordPageTest, AecRadiosShowTheCardsModeAndStoreAndSendAClick)
{
    Start(SimCardModel::Six);
    ASSERT_EQ(1, Card().SetAecMode(1));
    CNVP4PageRecord page(&Card(), nullptr);
    PageSheet sheet(&Card(), {&page});
    EXPECT_EQ("Always", TextOf(page.AecRadio(2)));
    EXPECT_EQ("Auto", TextOf(page.AecRadio(1)));
    EXPECT_EQ("Never", TextOf(page.AecRadio(0)));
    EXPECT_EQ(BST_UNCHECKED, page.AecRadio(2).GetCheck());
    EXPECT_EQ(BST_CHECKED, page.AecRadio(1).GetCheck());
    EXPECT_EQ(BST_UNCHECKED, page.AecRadio(0).GetCheck());

    page.AecRadio(2).SendMessage(BM_CLICK);
    EXPECT_EQ(2u, Card().GetAecMode());
    const SimDriverRequest* sent = Bench().LastCommand(CMD_AEC_MODE);
    ASSERT_NE(nullptr, sent);
    EXPECT_EQ(2u, sent->arguments[0]);
    const StoredValue stored = ReadMachineValue(kAecKey, kAecStateValue);
    ASSERT_TRUE(stored.found);
    EXPECT_EQ(NumberBytes(2), stored.data);
    EXPECT_EQ(BST_CHECKED, page.AecRadio(2).GetCheck());
    EXPECT_EQ(BST_UNCHECKED, page.AecRadio(1).GetCheck());

    // A mode set elsewhere (a settings file) shows after the page's refresh.
    Card().SetAecMode(0);
    page.Refresh();
    EXPECT_EQ(BST_CHECKED, page.AecRadio(0).GetCheck());
    EXPECT_EQ(BST_UNCHECKED, page.AecRadio(2).GetCheck());
}

struct UnboundCase {
    const char* name;
    LayoutChange change;
    std::vector<bool> radioBound; // per column the layout has
    bool boostBound;
    int attached;
};

TEST_F(RecordPageTest, SlotsWithoutAValidItemOrMicrophoneStayUnboundAndDisabled)
{
    const UnboundCase cases[] = {
        {"an item renamed",
         [](SimMixerLayout& layout) { RecordOf(layout).line.controls[0].items[1] = "Compact Disc"; },
         {true, true, true, false, true, true}, true, 6},
        {"a selector without items",
         [](SimMixerLayout& layout) { RecordOf(layout).line.controls[0] = SimOnOff("Select", "Select"); },
         {false, false, false, false, false, false}, true, 6},
        {"fewer items than sources",
         [](SimMixerLayout& layout) { RecordOf(layout).line.controls[0].items.resize(3); },
         {true, false, true, true, false, false}, true, 6},
        {"no microphone",
         [](SimMixerLayout& layout) {
             RecordOf(layout).sources[2].componentType = MIXERLINE_COMPONENTTYPE_SRC_TELEPHONE;
         },
         {true, true, false, true, true, true}, false, 6},
        {"seven sources",
         [](SimMixerLayout& layout) {
             RecordOf(layout).sources.push_back(RecordSource("Phone", MIXERLINE_COMPONENTTYPE_SRC_TELEPHONE));
             RecordOf(layout).line.controls[0].items.push_back("Phone");
         },
         {true, true, true, true, true, true}, true, 6},
        {"four sources",
         [](SimMixerLayout& layout) {
             RecordOf(layout).sources.resize(4);
             RecordOf(layout).line.controls[0].items.resize(4);
         },
         {true, false, true, true}, true, 4},
    };
    for (const UnboundCase& c : cases) {
        Start(SimCardModel::Six, c.change);
        CNVP4PageRecord page(&Card(), nullptr);
        PageSheet sheet(&Card(), {&page});
        for (int column = 0; column < 6; ++column) {
            CMixerButton& radio = page.SourceRadio(column);
            const HWND item = page.GetDlgItem(IDC_RECORD_SOURCE_FIRST + column);
            if (column >= c.attached) {
                // Not part of this card's page: shown, but nothing to choose.
                EXPECT_EQ(nullptr, radio.m_hWnd) << c.name << " column " << column;
                EXPECT_FALSE(IsWindowEnabled(item)) << c.name << " column " << column;
                continue;
            }
            const bool bound = c.radioBound[static_cast<size_t>(column)];
            EXPECT_EQ(bound, radio.Mixer() != nullptr) << c.name << " column " << column;
            EXPECT_EQ(bound, IsEnabled(radio)) << c.name << " column " << column;
        }
        EXPECT_EQ(c.boostBound, page.Boost().Mixer() != nullptr) << c.name;
        EXPECT_EQ(c.boostBound, IsEnabled(page.Boost())) << c.name;
        // A seventh column's IDs are the first fader's and the boost box's: they stay those.
        EXPECT_EQ(page.Fader(0).m_hWnd, page.GetDlgItem(IDC_RECORD_SOURCE_FIRST + 6)) << c.name;
        EXPECT_EQ(page.Boost().m_hWnd, page.GetDlgItem(IDC_RECORD_FADER_FIRST + 6)) << c.name;

        // Its click, were it to come, writes nothing.
        if (!c.radioBound[0]) {
            const DWORD selector = ControlId(kRecord, -1, 0);
            const std::vector<LONG> before = DeviceValues(selector);
            page.SourceRadio(0).SetCheck(BST_CHECKED);
            page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_RECORD_SOURCE_FIRST, BN_CLICKED),
                             reinterpret_cast<LPARAM>(page.SourceRadio(0).m_hWnd));
            EXPECT_EQ(before, DeviceValues(selector)) << c.name;
        }
    }
}

} // namespace
