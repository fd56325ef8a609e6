// CCardMixer start-up and teardown on the simulated card: the mixer, the driver,
// the capability flags, the driver key and the lines' display names.
#include "driver/card_mixer.h"

#include "driver/driver_keys.h"
#include "simcard/sim_card.h"
#include "simcard/sim_driver.h"
#include "simcard/sim_system.h"
#include "support/card_bench.h"
#include "support/registry_guard.h"
#include "support/registry_tree_guard.h"
#include "support/test_arguments.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

namespace {

const char* kProductName = "Halvard 5.1+";
const char* kMixerStoreKey = "Software\\Halvard Tests\\Card Mixer Store";

class CardMixerTest : public testing::Test {
protected:
    CardMixerTest()
        : m_driverTree(HKEY_LOCAL_MACHINE, kDriverSettingsKey)
        , m_instance(HKEY_LOCAL_MACHINE, kBenchDriverKey)
        , m_driverKey(HKEY_LOCAL_MACHINE, kDriverBasicsKey, kDriverKeyValue)
        , m_store(HKEY_CURRENT_USER, kMixerStoreKey)
    {
        SimCard::Instance().MixerDevices().Store().SetKey(kMixerStoreKey);
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kDriverBasicsKey, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
            RegDeleteValueA(key, kDriverKeyValue);
            RegCloseKey(key);
        }
    }

    ~CardMixerTest() override
    {
        m_mixer.reset();
        m_installation.reset();
        SimCard::Instance().Uninstall();
        SimCard::Instance().MixerDevices().Store().SetKey(SimMixerStore::DefaultKey());
    }

    void Install(SimCardModel model)
    {
        m_mixer.reset();
        m_installation.reset();
        SimCard::Instance().Install(model);
        m_driver = std::make_unique<SimDriver>(model);
        m_installation = std::make_unique<SimDriverInstallation>(*m_driver);
        m_mixer = std::make_unique<CCardMixer>();
    }

    std::string NameOf(int destination, int source)
    {
        MixerLineEntry* line = nullptr;
        const bool found = source < 0 ? m_mixer->GetDestination(destination, line)
                                      : m_mixer->GetLine(destination, source, line);
        return found && line != nullptr ? line->line.szName : "<missing>";
    }

    RegistryTreeGuard m_driverTree;
    RegistryTreeGuard m_instance;
    RegistryValueGuard m_driverKey;
    RegistryKeyGuard m_store;
    std::unique_ptr<SimDriver> m_driver;
    std::unique_ptr<SimDriverInstallation> m_installation;
    std::unique_ptr<CCardMixer> m_mixer;
};

TEST_F(CardMixerTest, OpensAndClosesInOrder)
{
    Install(SimCardModel::Six);
    EXPECT_EQ(INVALID_HANDLE_VALUE, m_mixer->DeviceHandle());
    EXPECT_EQ(0u, m_mixer->SixChannelCapable());
    ASSERT_EQ(1, m_mixer->OpenCard(kProductName));
    EXPECT_NE(INVALID_HANDLE_VALUE, m_mixer->DeviceHandle());
    EXPECT_EQ(1u, m_mixer->FourChannelCapable());
    EXPECT_EQ(1u, m_mixer->SixChannelCapable());
    EXPECT_EQ(1, m_driver->OpenHandleCount());
    EXPECT_EQ(1, m_driver->CountRequests(IOCTL_CARD_HW_OPEN));
    int driverKeyWrites = 0;
    for (const SimDriverRequest& request : m_driver->Log())
        driverKeyWrites += request.valueName == kDriverKeyValue ? 1 : 0;
    EXPECT_EQ(1, driverKeyWrites);
    m_mixer.reset();
    EXPECT_EQ(0, m_driver->OpenHandleCount());
}

TEST_F(CardMixerTest, NoCardMeansFailureAndNothingWritten)
{
    Install(SimCardModel::Six);
    m_driver->SetCardCount(0);
    EXPECT_EQ(0, m_mixer->OpenCard(kProductName));
    EXPECT_EQ(INVALID_HANDLE_VALUE, m_mixer->DeviceHandle());
    EXPECT_TRUE(m_driver->Log().empty());
    DWORD type = 0;
    std::vector<BYTE> data;
    EXPECT_FALSE(ReadRawValue(HKEY_LOCAL_MACHINE, kDriverBasicsKey, kDriverKeyValue, type, data));
}

TEST_F(CardMixerTest, CapabilityFlagsPerModelAndZeroOnFailure)
{
    for (SimCardModel model : {SimCardModel::Four, SimCardModel::Stereo}) {
        Install(model);
        ASSERT_EQ(1, m_mixer->OpenCard(kProductName));
        EXPECT_EQ(IsFourChannelCapable(model) ? 1u : 0u, m_mixer->FourChannelCapable());
        EXPECT_EQ(0u, m_mixer->SixChannelCapable());
    }
    for (DWORD failing : {IOCTL_CARD_HW_OPEN, IOCTL_CARD_HW_INFO}) {
        Install(SimCardModel::Six);
        m_driver->FailRequest(failing, 0, 0xC0000001);
        ASSERT_EQ(1, m_mixer->OpenCard(kProductName));
        EXPECT_EQ(0u, m_mixer->FourChannelCapable());
        EXPECT_EQ(0u, m_mixer->SixChannelCapable());
    }
}

TEST_F(CardMixerTest, PublishesTheDriverKeyForTheRunningSystem)
{
    SimSystemInstallation system(SimSystem::Windows98);
    Install(SimCardModel::Six);
    ASSERT_EQ(1, m_mixer->OpenCard(kProductName));
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
    ASSERT_EQ(1, m_mixer->OpenCard(kProductName));
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
    ASSERT_EQ(1, m_mixer->OpenCard(kProductName));
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
