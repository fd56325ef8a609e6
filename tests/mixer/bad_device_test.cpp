// Devices that report more than they fill, names without a terminator and lines
// they cannot describe: the model stays within its buffers and leaves them out.
#include "mixer/mixer_test_support.h"

#include <cstring>

namespace {

class BadDeviceTest : public SimCardTest {};

TEST_F(BadDeviceTest, OverReportedCountsAndBrokenLinesAreSkipped)
{
    SimMixerLayout layout = SmallLayout();
    layout.extraReportedDestinations = 2;
    SimDestination& playback = layout.destinations[0];
    playback.extraReportedSources = 3;
    playback.line.extraReportedControls = 2;
    SimLine broken = playback.sources[0];
    broken.shortName = "Broken";
    broken.failLineInfo = true;
    SimLine unterminated = playback.sources[0];
    unterminated.shortName = "Unterminated-Line";
    unterminated.name = std::string(80, 'n');
    unterminated.unterminatedNames = true;
    SimControl mux = SimMux({"One", "Two"});
    mux.extraReportedItems = 3;
    mux.unterminatedNames = true;
    mux.items[1] = std::string(70, 'i');
    unterminated.controls.push_back(mux);
    playback.sources.push_back(broken);
    playback.sources.push_back(unterminated);
    RenumberControls(layout);
    InstallLayouts({layout});

    TestMixer mixer;
    ASSERT_TRUE(mixer.Open(nullptr, 0, 0));
    EXPECT_EQ(3, mixer.GetDestinationCount());
    EXPECT_EQ(2 + 3 + 1, mixer.UnreadableLineCount()); // two destinations, three sources, one broken line

    MixerLineEntry* line = nullptr;
    ASSERT_TRUE(mixer.GetDestination(1, line));
    EXPECT_TRUE(line->IsHidden());
    EXPECT_EQ(0, mixer.GetSourceCount(1));
    EXPECT_STREQ("", mixer.GetDestinationName(2));

    // Two reported controls were never filled: they stay out of the control table.
    ASSERT_TRUE(mixer.GetDestination(0, line));
    ASSERT_EQ(4u, line->controls.size());
    EXPECT_EQ(0u, line->controls[3]->control.dwControlType);

    ASSERT_EQ(6, mixer.GetSourceCount(0));
    ASSERT_TRUE(mixer.GetLine(0, 1, line));
    EXPECT_TRUE(line->IsHidden());
    EXPECT_TRUE(line->controls.empty());
    EXPECT_FALSE(mixer.FindLine(SimSourceLineId(0, 1), line));
    ASSERT_TRUE(mixer.GetLine(0, 5, line));
    EXPECT_TRUE(line->IsHidden());

    ASSERT_TRUE(mixer.GetLine(0, 2, line));
    EXPECT_EQ(15u, std::strlen(line->line.szShortName));
    EXPECT_EQ(63u, std::strlen(line->line.szName));
    MixerControlEntry* entry = line->controls[1].get();
    EXPECT_EQ(63u, std::strlen(entry->control.szName));
    ASSERT_EQ(5u, entry->count);
    EXPECT_EQ(0, std::strncmp("One", entry->ItemNames()[0].szName, 3));
    EXPECT_EQ(63u, std::strlen(entry->ItemNames()[1].szName));
    EXPECT_STREQ("", entry->ItemNames()[4].szName);
    LONG values[5] = {};
    EXPECT_TRUE(mixer.GetBooleanArray(entry->control.dwControlID, values, sizeof(values)));
    EXPECT_EQ(1, values[0]);
}

TEST_F(BadDeviceTest, AbsurdCountsAreNotAllocated)
{
    SimMixerLayout layout = SmallLayout();
    layout.destinations[0].extraReportedSources = 0x7FFFFFFF;
    layout.destinations[0].sources[0].extraReportedControls = 0x7FFFFFFF;
    SimControl mux = SimMux({"One"});
    mux.extraReportedItems = 0x7FFFFFFF;
    layout.destinations[0].line.controls.push_back(mux);
    AssignControlIds(layout);
    InstallLayouts({layout});

    TestMixer mixer;
    ASSERT_TRUE(mixer.Open(nullptr, 0, 0));
    EXPECT_EQ(256, mixer.GetSourceCount(0));
    MixerLineEntry* wave = nullptr;
    ASSERT_TRUE(mixer.GetLine(0, 0, wave));
    EXPECT_EQ(0u, wave->line.cControls);
    EXPECT_TRUE(wave->controls.empty());
    MixerControlEntry* entry = nullptr;
    ASSERT_TRUE(mixer.GetDestinationControl(0, 2, entry));
    EXPECT_EQ(0u, entry->kind);
    LONG value = 0;
    EXPECT_FALSE(mixer.GetBoolean(entry->control.dwControlID, value));
}

} // namespace
