// Settings files of the whole card: the driver section before the mixer section,
// applied through the same operations the pages use.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "driver/driver_keys.h"
#include "driver/source_positions.h"
#include "driver/spdif_settings.h"
#include "settings/settings_test_ids.h"
#include "settings/settings_test_support.h"
#include "support/card_bench.h"
#include "support/message_pump.h"
#include "support/temp_file.h"

namespace {

constexpr DWORD kMasterVolume = 0x1;
constexpr DWORD kCdVolume = 0x15;

// A card started on an empty driver tree (what was there comes back afterwards).
CardBenchOptions EmptyDriverTree()
{
    CardBenchOptions options;
    options.emptyDriverTree = true;
    return options;
}

class CardFileTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_bench.Start(SimCardModel::Six)); }
    void TearDown() override { DrainMessages(); }

    CCardMixer& Card() { return m_bench.Mixer(); }

    bool Save()
    {
        FILE* file = std::fopen(m_file.Path().c_str(), "w");
        const bool saved = file != nullptr && Card().SaveSettings(file);
        if (file != nullptr)
            std::fclose(file);
        return saved;
    }

    bool Load(const std::string& bytes)
    {
        m_file.Write(bytes);
        FILE* file = std::fopen(m_file.Path().c_str(), "r");
        const bool loaded = Card().LoadSettings(file);
        std::fclose(file);
        DrainMessages();
        return loaded;
    }

    std::string Saved() { return m_file.Read(); }

    // Every driver-side setting of the card as a page would change it.
    void ChangeEverything()
    {
        Card().SetSpdifInputMode(2);
        Card().SetSpdifOutputSource(1);
        Card().SetSpdifCopyPermitted(0);
        Card().SetAecMode(1);
        Card().SetSensaura3D(1);
        Card().SetMacroFX(0);
        Card().SetA3DSplashScreen(1);
        Card().SetStereoExpansion(1);
        Card().SetEqEnabled(1);
        Card().SetEqBandGain(0, 5);
        ASSERT_EQ(1, Card().SaveEqSet("Rock"));
        BYTE balance[kSourcePositionCount];
        BYTE fader[kSourcePositionCount];
        for (int i = 0; i < kSourcePositionCount; ++i) {
            balance[i] = static_cast<BYTE>(10 + i);
            fader[i] = static_cast<BYTE>(i);
        }
        Card().SaveSourceScheme(balance, fader, kSourcePositionCount, "Hall");
        Card().LoadSourceSchemeList("Hall");
        Card().SetSwVoiceLimit(128);
        Card().SetHwVoiceLimit(32);
        Card().SetSampleSetResident(1);
        Card().SetVoiceAllocation(1);
        ASSERT_EQ(1, Card().SetCustomSetFile("C:\\Sounds\\gm.dls"));
        Card().SetUseDefaultSet(0);
    }

    CardBench m_bench{EmptyDriverTree()};
    TempFile m_file;
};

} // namespace

TEST_F(CardFileTest, WritesTheHandWrittenFile)
{
    ChangeEverything();
    ASSERT_TRUE(Save());
    const std::string golden = ResourceBytes(IDR_GOLDEN_SIX_CHANNEL_CARD);
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(golden, Saved());
}

TEST_F(CardFileTest, RoundTripRestoresEveryDriverSetting)
{
    ChangeEverything();
    ASSERT_TRUE(Card().SetUnsignedPair(kMasterVolume, 700, 800));
    ASSERT_TRUE(Save());
    const std::string saved = Saved();

    // Everything somewhere else.
    Card().SetSpdifInputMode(0);
    Card().SetSpdifOutputSource(0);
    Card().SetSpdifCopyPermitted(1);
    Card().SetAecMode(2);
    Card().SetSensaura3D(0);
    Card().SetMacroFX(1);
    Card().SetA3DSplashScreen(0);
    Card().SetStereoExpansion(0);
    Card().SetEqEnabled(0);
    ASSERT_EQ(1, Card().SaveEqSet("Flat"));
    Card().LoadSourceSchemeList(nullptr);
    Card().SetSwVoiceLimit(300);
    Card().SetHwVoiceLimit(0);
    Card().SetSampleSetResident(0);
    Card().SetVoiceAllocation(0);
    Card().SetUseDefaultSet(1);
    ASSERT_TRUE(Card().SetUnsignedPair(kMasterVolume, 1, 2));
    DrainMessages();

    ASSERT_TRUE(Load(saved));
    EXPECT_EQ(2u, Card().GetSpdifInputMode());
    EXPECT_EQ(1u, Card().GetSpdifOutputSource());
    EXPECT_EQ(0u, Card().GetSpdifCopyBit());
    EXPECT_EQ(1u, Card().GetAecMode());
    EXPECT_EQ(1u, Card().GetSensaura3D());
    EXPECT_EQ(0u, Card().GetMacroFX());
    EXPECT_EQ(1u, Card().GetA3DSplashScreen());
    EXPECT_EQ(1u, Card().GetStereoExpansion());
    EXPECT_EQ(1, Card().IsEqEnabled());
    EXPECT_STREQ("Rock", Card().CurrentEqSetName());
    EXPECT_EQ(5, Card().GetEqBandGain(0));
    EXPECT_STREQ("Hall", Card().GetCurrentSourceSchemeName());
    EXPECT_EQ(128u, Card().GetSwVoiceLimit());
    EXPECT_EQ(32u, Card().GetHwVoiceLimit());
    EXPECT_EQ(1u, Card().GetSampleSetResident());
    EXPECT_EQ(1u, Card().GetVoiceAllocation());
    EXPECT_STREQ("C:\\Sounds\\gm.dls", Card().GetCustomSetFile());
    EXPECT_EQ(0u, Card().GetUseDefaultSet());
    DWORD left = 0;
    DWORD right = 0;
    ASSERT_TRUE(Card().GetUnsignedPair(kMasterVolume, left, right));
    EXPECT_EQ(700u, left);
    EXPECT_EQ(800u, right);
}

TEST_F(CardFileTest, OnlyTheKeysInTheFileChange)
{
    const DWORD outputSource = Card().GetSpdifOutputSource();
    const DWORD swVoices = Card().GetSwVoiceLimit();
    const size_t requestsBefore = m_bench.Driver().Log().size();
    ASSERT_TRUE(Load("EQEnabled 1\r\n"));
    EXPECT_EQ(1, Card().IsEqEnabled());
    EXPECT_EQ(outputSource, Card().GetSpdifOutputSource());
    EXPECT_EQ(swVoices, Card().GetSwVoiceLimit());
    EXPECT_EQ(0u, Card().GetAecMode());
    // The switch and the reload of the current set are all the driver heard about.
    const auto& log = m_bench.Driver().Log();
    for (size_t i = requestsBefore; i < log.size(); ++i) {
        if (log[i].controlCode == IOCTL_CARD_COMMAND) {
            EXPECT_TRUE(log[i].code == CMD_EQ_ON || log[i].code == CMD_EQ_RELOAD) << std::hex << log[i].code;
        }
    }
}

TEST_F(CardFileTest, TextValuesWithBlanksComeBackWhole)
{
    ChangeEverything();
    ASSERT_EQ(1, Card().SaveEqSet("Rock Music"));
    BYTE balance[kSourcePositionCount] = {};
    BYTE fader[kSourcePositionCount] = {};
    ASSERT_EQ(1, Card().SaveSourceScheme(balance, fader, kSourcePositionCount, "Concert Hall"));
    Card().LoadSourceSchemeList("Concert Hall");
    const char* const path = "C:\\Program Files\\Sounds\\gm.dls";
    ASSERT_EQ(1, Card().SetCustomSetFile(path));
    ASSERT_TRUE(Save());
    const std::string saved = Saved();

    // Each somewhere else, the first word of the saved text included.
    ASSERT_EQ(1, Card().SaveEqSet("Rock"));
    Card().LoadSourceSchemeList("Hall");
    ASSERT_EQ(1, Card().SetCustomSetFile("C:\\Program"));
    ASSERT_TRUE(Load(saved));
    EXPECT_STREQ("Rock Music", Card().CurrentEqSetName());
    EXPECT_STREQ("Concert Hall", Card().GetCurrentSourceSchemeName());
    EXPECT_STREQ(path, Card().GetCustomSetFile());

    // Blanks at the end belong to the line; a key with only blanks after it is absent.
    ASSERT_TRUE(Load("EQPresetName Rock \t\r\n"
                     "MidiCustomSetName  \t\r\n"
                     "SourcePosPreset \r\n"));
    EXPECT_STREQ("Rock", Card().CurrentEqSetName());
    EXPECT_STREQ(path, Card().GetCustomSetFile());
    EXPECT_STREQ("Concert Hall", Card().GetCurrentSourceSchemeName());
}

TEST_F(CardFileTest, CopyPermittedIsSavedAsSetWhileTheInputFeedsTheOutput)
{
    Card().SetSpdifCopyPermitted(0);
    Card().SetSpdifCopyPermitted(1); // now stored
    Card().SetSpdifOutputSource(kSpdifOutputInput);
    ASSERT_EQ(kSpdifOutputInput, Card().GetSpdifOutputSource());
    m_bench.Driver().State().spdif.inputCopyBit = false;
    ASSERT_EQ(1, Card().ReadSpdifInputStatus());
    ASSERT_EQ(0u, Card().GetSpdifCopyBit()); // what the page shows: the incoming bit

    ASSERT_TRUE(Save());
    ASSERT_TRUE(Load(Saved()));
    EXPECT_EQ(1u, Card().GetSpdifCopyPermitted());
    EXPECT_EQ(NumberBytes(1), ReadMachineValue(kSpdifKey, kSpdifCopyPermittedValue).data);
}

TEST_F(CardFileTest, ASaveThatCannotBeWrittenIsNoSuccess)
{
    m_file.Write("");
    FILE* readOnly = std::fopen(m_file.Path().c_str(), "r");
    ASSERT_NE(nullptr, readOnly);
    EXPECT_FALSE(Card().SaveSettings(readOnly));
    std::fclose(readOnly);

    // A full disk shows when the buffered lines are written out. (Under Wine the
    // host's device that is always full stands in for one.)
    FILE* full = std::fopen("Z:\\dev\\full", "w");
    if (full == nullptr)
        GTEST_SKIP() << "no always-full device here";
    EXPECT_FALSE(Card().SaveSettings(full));
    std::fclose(full);
}

TEST_F(CardFileTest, KeysInAnyOrderAndNumbersInAnyForm)
{
    ASSERT_EQ(1, Card().SaveEqSet("Rock Music"));
    ASSERT_EQ(1, Card().SaveEqSet("Jazz"));
    ASSERT_TRUE(Load("MidiHWVoices 0x20\r\n"
                     "MicAECMode 2\r\n"
                     "EQPresetName Rock Music\r\n"
                     "MidiSWVoices 0100\r\n"
                     "SPDIFInScanMode 1\r\n"));
    EXPECT_EQ(32u, Card().GetHwVoiceLimit());
    EXPECT_EQ(2u, Card().GetAecMode());
    EXPECT_STREQ("Rock Music", Card().CurrentEqSetName());
    EXPECT_EQ(64u, Card().GetSwVoiceLimit());        // octal 0100
    EXPECT_EQ(1u, Card().GetSpdifInputMode());
}

TEST_F(CardFileTest, MixerSectionAppliesWhenTheDriverSectionLacksAKey)
{
    ASSERT_TRUE(Load("Begin NonWSS Settings: Halvard 5.1+\t1281\t241 81\r\n"
                     "EQEnabled 1\r\n"
                     "End NonWSS Settings: Halvard 5.1+\t1281\t241 81\r\n"
                     "Begin settings: Halvard 5.1+\t1281\t241 81\r\n"
                     "15\t2\t 111 222\t(Volume)\r\n"
                     "End settings: Halvard 5.1+\t1281\t241 81\r\n"));
    DWORD left = 0;
    DWORD right = 0;
    ASSERT_TRUE(Card().GetUnsignedPair(kCdVolume, left, right));
    EXPECT_EQ(111u, left);
    EXPECT_EQ(222u, right);
    EXPECT_EQ(1, Card().IsEqEnabled());
}

TEST_F(CardFileTest, TextValuesLongerThanTheirBufferAreCut)
{
    ASSERT_EQ(1, Card().SetCustomSetFile("C:\\kept.dls"));
    ASSERT_TRUE(Load("MidiCustomSetName C:\\" + std::string(600, 'x') + ".dls\r\n"
                     "EQPresetName " + std::string(700, 'y') + "\r\n"
                     "SourcePosPreset " + std::string(5000, 'z') + "\r\n"));
    EXPECT_STREQ("C:\\kept.dls", Card().GetCustomSetFile());
    EXPECT_LE(std::string(Card().CurrentEqSetName()).size(), 99u);
    EXPECT_LE(std::string(Card().GetCurrentSourceSchemeName()).size(), 255u);
    EXPECT_FALSE(Card().LoadSettings(nullptr));
    EXPECT_FALSE(Card().SaveSettings(nullptr));
}
