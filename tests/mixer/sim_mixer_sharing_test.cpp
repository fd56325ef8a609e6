// Simulated mixers that keep their values under one key are one card, as a driver
// serving several programs is: what one of them sets, a mixer opened on the other
// reads at once. (The change message between processes is checked with halvardctl.)
#include "mixer/mixer_test_support.h"

namespace {

constexpr DWORD kFrontVolumeId = 8;

class SimMixerSharingTest : public SimCardTest {};

TEST_F(SimMixerSharingTest, ASetThroughAnotherSimulationUnderTheSameKeyIsReadAtOnce)
{
    InstallModel(SimCardModel::Six);
    TestMixer mixer;
    ASSERT_TRUE(mixer.Open("Halvard 5.1+", 0, 0));
    DWORD left = 0, right = 0;
    ASSERT_TRUE(mixer.GetUnsignedPair(kFrontVolumeId, left, right));

    SimMixerDevices other; // another program's simulation of the same card
    other.Store().SetKey(Devices().Store().Key());
    other.SetDevices({MixerLayoutForModel(SimCardModel::Six)});
    ASSERT_TRUE(other.SetFromOutside(0, kFrontVolumeId, {1000, 2000}));
    ASSERT_TRUE(mixer.GetUnsignedPair(kFrontVolumeId, left, right));
    EXPECT_EQ(1000u, left);
    EXPECT_EQ(2000u, right);

    // A set of this mixer is what the other reads, also for the channels it leaves alone.
    ASSERT_TRUE(mixer.SetUnsignedPair(kFrontVolumeId, 3000, 2000));
    std::vector<LONG> values;
    ASSERT_TRUE(other.Values(0, kFrontVolumeId, values));
    EXPECT_EQ((std::vector<LONG>{3000, 2000}), values);
}

TEST_F(SimMixerSharingTest, SimulationsWithoutAKeyShareNothing)
{
    Devices().Store().SetKey("");
    InstallModel(SimCardModel::Six);
    TestMixer mixer;
    ASSERT_TRUE(mixer.Open("Halvard 5.1+", 0, 0));
    SimMixerDevices other;
    other.Store().SetKey("");
    other.SetDevices({MixerLayoutForModel(SimCardModel::Six)});
    ASSERT_TRUE(other.SetFromOutside(0, kFrontVolumeId, {1000, 2000}));
    DWORD left = 0, right = 0;
    ASSERT_TRUE(mixer.GetUnsignedPair(kFrontVolumeId, left, right));
    EXPECT_NE(1000u, left);
}

} // namespace
