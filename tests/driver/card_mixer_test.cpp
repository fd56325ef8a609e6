// CCardMixer start-up and teardown on the simulated card: the mixer, the driver,
// the capability flags, the driver key and the lines' display names.
#include "driver/card_mixer.h"

#include "driver/driver_keys.h"
#include "simcard/sim_driver.h"
#include "simcard/sim_system.h"
#include "support/card_bench.h"
#include "support/registry_guard.h"
#include "support/test_arguments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char* kProductName = "Halvard 5.1+";

// The card on the system Wine reports, its mixers' values in a store of these tests.
CardBenchOptions CardMixerBench()
{
    CardBenchOptions options;
    options.mixerStoreKey = "Software\\Halvard Tests\\Card Mixer Store";
    options.system.reset();
    return options;
}

class CardMixerTest : public testing::Test {
protected:
    // Starts with no driver key published.
    CardMixerTest() { DeleteRawValue(HKEY_LOCAL_MACHINE, kDriverBasicsKey, kDriverKeyValue); }

    void Install(SimCardModel model) { m_bench.Install(model); }
    CCardMixer& Mixer() { return m_bench.Mixer(); }
    SimDriver& Driver() { return m_bench.Driver(); }

    std::string NameOf(int destination, int source)
    {
        MixerLineEntry* line = nullptr;
        const bool found = source < 0 ? Mixer().GetDestination(destination, line)
                                      : Mixer().GetLine(destination, source, line);
        return found && line != nullptr ? line->line.szShortName : "<missing>";
    }

    CardBench m_bench{CardMixerBench()};
};

TEST_F(CardMixerTest, OpensAndClosesInOrder)
{
    Install(SimCardModel::Six);
    EXPECT_EQ(INVALID_HANDLE_VALUE, Mixer().DeviceHandle());
    EXPECT_EQ(0u, Mixer().SixChannelCapable());
    ASSERT_EQ(1, Mixer().OpenCard(kProductName));
    EXPECT_NE(INVALID_HANDLE_VALUE, Mixer().DeviceHandle());
    EXPECT_EQ(1u, Mixer().FourChannelCapable());
    EXPECT_EQ(1u, Mixer().SixChannelCapable());
    EXPECT_EQ(1, Driver().OpenHandleCount());
    EXPECT_EQ(1, Driver().CountRequests(IOCTL_CARD_HW_OPEN));
    int driverKeyWrites = 0;
    for (const SimDriverRequest& request : Driver().Log())
        driverKeyWrites += request.valueName == kDriverKeyValue ? 1 : 0;
    EXPECT_EQ(1, driverKeyWrites);
    m_bench.Close();
    EXPECT_EQ(0, Driver().OpenHandleCount());
}

TEST_F(CardMixerTest, NoCardMeansFailureAndNothingWritten)
{
    Install(SimCardModel::Six);
    Driver().SetCardCount(0);
    EXPECT_EQ(0, Mixer().OpenCard(kProductName));
    EXPECT_EQ(INVALID_HANDLE_VALUE, Mixer().DeviceHandle());
    EXPECT_TRUE(Driver().Log().empty());
    DWORD type = 0;
    std::vector<BYTE> data;
    EXPECT_FALSE(ReadRawValue(HKEY_LOCAL_MACHINE, kDriverBasicsKey, kDriverKeyValue, type, data));
}

TEST_F(CardMixerTest, CapabilityFlagsPerModelAndZeroOnFailure)
{
    for (SimCardModel model : {SimCardModel::Four, SimCardModel::Stereo}) {
        Install(model);
        ASSERT_EQ(1, Mixer().OpenCard(kProductName));
        EXPECT_EQ(IsFourChannelCapable(model) ? 1u : 0u, Mixer().FourChannelCapable());
        EXPECT_EQ(0u, Mixer().SixChannelCapable());
    }
    for (DWORD failing : {IOCTL_CARD_HW_OPEN, IOCTL_CARD_HW_INFO}) {
        Install(SimCardModel::Six);
        Driver().FailRequest(failing, 0, 0xC0000001);
        ASSERT_EQ(1, Mixer().OpenCard(kProductName));
        EXPECT_EQ(0u, Mixer().FourChannelCapable());
        EXPECT_EQ(0u, Mixer().SixChannelCapable());
    }
}

TEST_F(CardMixerTest, PublishesTheDriverKeyForTheRunningSystem)
{
    SimSystemInstallation system(SimSystem::Windows98);
    Install(SimCardModel::Six);
    ASSERT_EQ(1, Mixer().OpenCard(kProductName));
    DWORD type = 0;
    std::vector<BYTE> data;
    ASSERT_TRUE(ReadRawValue(HKEY_LOCAL_MACHINE, kDriverBasicsKey, kDriverKeyValue, type, data));
    EXPECT_EQ("SYSTEM\\CurrentControlSet\\Services\\Class\\{4D36E96C-E325-11CE-BFC1-08002BE10318}\\0001",
              std::string(reinterpret_cast<char*>(data.data())));
}

// The display names in the user's language (English unless the run says otherwise).
struct ExpectedNames {
    const char* master;
    const char* front;
    const char* rear;
    const char* mic;
    const char* phones;
};

ExpectedNames NamesForLanguage()
{
    if (TestArgument("expect-language") == "de")
        return {"Gesamt", "Vorne", "Hinten", "Mikro", "Kopfh\xF6rer"};
    return {"Master", "Front", "Rear", "Mic", "Phones"};
}

TEST_F(CardMixerTest, LineNamesOfTheSixChannelLayout)
{
    const ExpectedNames names = NamesForLanguage();
    Install(SimCardModel::Six);
    ASSERT_EQ(1, Mixer().OpenCard(kProductName));
    EXPECT_EQ(names.master, NameOf(0, -1));
    EXPECT_EQ(names.front, NameOf(0, 1));
    EXPECT_EQ(names.rear, NameOf(0, 2));
    EXPECT_EQ("Wave", NameOf(0, 0));
    EXPECT_EQ("Synth", NameOf(0, 10));
    EXPECT_EQ("Aux", NameOf(0, 9));
    EXPECT_EQ("CD", NameOf(0, 6));
    EXPECT_EQ("Line", NameOf(0, 8));
    EXPECT_EQ(names.mic, NameOf(0, 7));
    EXPECT_EQ(names.phones, NameOf(0, 5));
    EXPECT_EQ("Mix", NameOf(1, 0));
    // Lines without a display name keep the device's own.
    EXPECT_EQ("SPDIF In", std::string(NameOf(0, 11)).substr(0, 8));
}

TEST_F(CardMixerTest, LineNamesOfTheFourChannelLayout)
{
    const ExpectedNames names = NamesForLanguage();
    Install(SimCardModel::Four);
    ASSERT_EQ(1, Mixer().OpenCard(kProductName));
    EXPECT_EQ(names.master, NameOf(0, -1));
    EXPECT_EQ(names.front, NameOf(0, 1));
    EXPECT_EQ(names.rear, NameOf(0, 2));
    EXPECT_EQ("Wave", NameOf(0, 0));
    EXPECT_EQ("CD", NameOf(0, 3));
    EXPECT_EQ("Line", NameOf(0, 5));
    EXPECT_EQ("Aux", NameOf(0, 6));
    EXPECT_EQ("Synth", NameOf(0, 7));
    EXPECT_EQ(names.mic, NameOf(0, 4));
    EXPECT_EQ("Mix", NameOf(1, 0));
}

} // namespace
