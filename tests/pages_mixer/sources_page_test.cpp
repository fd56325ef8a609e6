// The Sources page: each column's fader and mute box reach the source and control
// of the driver's layout, the labels and the boost box, and what a driver with
// fewer sources leaves disabled.
#include <windows.h>
#include <mmsystem.h>

#include "dialogs/sources_ids.h"
#include "driver/card_mixer.h"
#include "pages/nvp51_page_play_in.h"
#include "pages_test_support.h"

namespace {

class SourcesPageTest : public PagesTest {};

// The controls whose device values differ between two snapshots.
std::vector<DWORD> Changed(const std::map<DWORD, std::vector<LONG>>& before,
                           const std::map<DWORD, std::vector<LONG>>& after)
{
    std::vector<DWORD> changed;
    for (const auto& entry : after) {
        const auto found = before.find(entry.first);
        if (found == before.end() || found->second != entry.second)
            changed.push_back(entry.first);
    }
    return changed;
}

TEST_F(SourcesPageTest, EachColumnReachesTheSourceAndControlsOfTheLayout)
{
    Start(SimCardModel::Six);
    CNVP51PagePlayIn page(&Card(), nullptr);
    PageSheet sheet(&Card(), {&page});
    // English has no text of its own for the frame: the template's stays.
    EXPECT_EQ("Volume Control (input)", TextOf(page.GetDlgItem(IDC_SOURCES_FRAME)));
    const char* labels[] = {"Wave", "Synth", "Aux", "CD", "Line", "Mic", "SPDIF In"};
    for (int column = 0; column < kPlayInColumns; ++column) {
        const PlayInColumn& where = kPlayInLayout[column];
        CMixerColumn& shown = page.Column(column);
        EXPECT_EQ(labels[column], TextOf(shown.Label())) << column;
        EXPECT_EQ("Mute", TextOf(shown.Mute())) << column;

        // Each fader moved to the top (a key on its volume slider) changes only
        // the volume of its own source.
        const DWORD volume = ControlId(0, where.source, where.volumeControl);
        ASSERT_TRUE(Card().SetUnsignedArray(volume, std::vector<DWORD>(2, 0).data(), 2 * sizeof(DWORD)));
        DrainMessages();
        auto before = Snapshot(0);
        shown.Fader().GetFirstSlider()->SendMessage(WM_KEYDOWN, VK_HOME, 0);
        auto after = Snapshot(0);
        EXPECT_EQ(std::vector<DWORD>{volume}, Changed(before, after)) << column;
        // The top of 31 steps: 65535 less the rounding of one step.
        EXPECT_GE(after[volume][0], 65535 - 65535 / 31) << column;

        // And its mute box the mute of its own source.
        before = after;
        shown.Mute().SendMessage(BM_CLICK);
        after = Snapshot(0);
        EXPECT_EQ(std::vector<DWORD>{ControlId(0, where.source, where.muteControl)}, Changed(before, after)) << column;
    }
    // The boost box drives the microphone's switch, renamed in the model.
    const DWORD boost = ControlId(0, 7, 1);
    EXPECT_EQ(boost, page.Boost().ControlId());
    EXPECT_EQ("Boost", TextOf(page.Boost()));
    const auto before = Snapshot(0);
    page.Boost().SendMessage(BM_CLICK);
    EXPECT_EQ(std::vector<DWORD>{boost}, Changed(before, Snapshot(0)));
}

TEST_F(SourcesPageTest, ColumnsPastTheSourcesAndABoostWithoutMicrophoneAreDisabled)
{
    struct FewerCase {
        size_t sources;
        std::vector<bool> enabled;
        bool boost;
    };
    const FewerCase cases[] = {
        {11, {true, true, true, true, true, true, false}, true},
        {7, {true, false, false, true, false, false, false}, false},
    };
    for (const FewerCase& c : cases) {
        Start(SimCardModel::Six, [&c](SimMixerLayout& layout) { layout.destinations[0].sources.resize(c.sources); });
        CNVP51PagePlayIn page(&Card(), nullptr);
        PageSheet sheet(&Card(), {&page});
        for (int column = 0; column < kPlayInColumns; ++column) {
            CMixerColumn& shown = page.Column(column);
            const bool enabled = c.enabled[static_cast<size_t>(column)];
            EXPECT_EQ(enabled, IsEnabled(shown.Label())) << c.sources << " sources, column " << column;
            EXPECT_EQ(enabled, IsEnabled(shown.Fader())) << c.sources << " sources, column " << column;
            EXPECT_EQ(enabled, IsEnabled(shown.Mute())) << c.sources << " sources, column " << column;
            EXPECT_EQ(enabled, shown.Mute().Mixer() != nullptr) << c.sources << " sources, column " << column;
            EXPECT_EQ(enabled, shown.Fader().ControlId() != 0) << c.sources << " sources, column " << column;
        }
        EXPECT_EQ(c.boost, IsEnabled(page.Boost())) << c.sources << " sources";
        EXPECT_EQ(c.boost, page.Boost().Mixer() != nullptr) << c.sources << " sources";
    }
}

} // namespace
