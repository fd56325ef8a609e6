// The simulated card's first use, as after a driver's install: named presets for
// every band count and named schemes, the flat preset and "Default" current, the
// driver taking the current set; written once, and never over the user's own.
#include "card_settings_fixture.h"

#include "driver/eq_keys.h"
#include "driver/source_positions.h"
#include "simcard/sim_factory_content.h"

#include <cstdlib>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

class FactoryContentTest : public CardSettingsTest {
protected:
    FactoryContentTest()
    {
        DeleteKeyTree(HKEY_LOCAL_MACHINE, kEqualizerKey);
        MarkSimFactoryContent(false);
    }

    std::vector<std::string> Presets()
    {
        std::vector<std::string> names;
        for (int i = 0; i < Mixer().GetEqSetCount(); ++i)
            names.emplace_back(Mixer().GetEqSetName(i));
        return names;
    }

    static std::string BandKey(int bands)
    {
        return std::string(kEqualizerKey) + "\\48000\\" + std::to_string(bands) + "-Bands";
    }

    RegistryValueGuard m_mark{HKEY_CURRENT_USER, kSimCardKey, kSimFactoryMarkValue};
};

} // namespace

TEST_F(FactoryContentTest, FirstUseBringsPresetsForEveryBandCountAndSpreadSchemes)
{
    ASSERT_TRUE(InstallSimFactoryContent());
    EXPECT_TRUE(IsSimFactoryContentMarked());
    InstallAndOpen();

    for (int bands : {10, 5, 2}) {
        SCOPED_TRACE(std::to_string(bands) + " bands");
        WriteMachineNumber(std::string(kEqualizerKey) + "\\48000", kEqCurrentBandsValue, static_cast<DWORD>(bands),
                           REG_BINARY);
        ASSERT_EQ(1, Mixer().LoadEqSet(nullptr, false));
        EXPECT_EQ(static_cast<DWORD>(bands), Mixer().EqBandCount());
        EXPECT_STREQ(kSimFlatPresetName, Mixer().CurrentEqSetName());
        const std::vector<std::string> names = Presets();
        EXPECT_EQ(static_cast<size_t>(kSimFactoryPresetCount), names.size());
        std::set<std::vector<BYTE>> gains;
        for (const std::string& name : names) {
            const std::string key = BandKey(bands) + "\\" + name;
            gains.insert(ReadMachineValue(key, kEqGainTableValue).data);
            EXPECT_EQ(static_cast<size_t>(bands), ReadMachineValue(key, kEqGainTableValue).data.size()) << name;
            EXPECT_EQ(ReadMachineValue(BandKey(bands) + "\\CurrentSet", kEqFrequencyTableValue).data,
                      ReadMachineValue(key, kEqFrequencyTableValue).data) << name;
            EXPECT_EQ(2u * bands, ReadMachineValue(key, kEqBandwidthTableValue).data.size()) << name;
            for (BYTE gain : ReadMachineValue(key, kEqGainTableValue).data)
                EXPECT_LE(std::abs(static_cast<signed char>(gain)), 10) << name;
        }
        EXPECT_EQ(names.size(), gains.size()) << "each preset sounds different";
        EXPECT_EQ(1, Mixer().IsEqSetUnchanged()) << "the current set is the flat preset";
        // The driver takes it.
        Driver().ClearLog();
        ASSERT_EQ(1, Mixer().LoadEqSet("Rock", true));
        EXPECT_EQ(1u, Driver().State().equalizer.reloads);
        Driver().State().equalizer.reloads = 0;
        EXPECT_EQ("Rock", Driver().State().equalizer.name);
        EXPECT_EQ(static_cast<DWORD>(bands), Driver().State().equalizer.bands);
    }

    // Schemes: "Default" current; in each, sources 1-16 on places of their own.
    ASSERT_EQ(1, Mixer().LoadSourceSchemeList(nullptr));
    EXPECT_STREQ(kDefaultSchemeName, Mixer().GetCurrentSourceSchemeName());
    ASSERT_EQ(kSimFactorySchemeCount, Mixer().GetSourceSchemeCount());
    std::set<std::vector<std::pair<int, int>>> layouts;
    for (int i = 0; i < Mixer().GetSourceSchemeCount(); ++i) {
        const std::string name = Mixer().GetSourceSchemeName(i);
        SCOPED_TRACE(name);
        BYTE balance[kSourcePositionCount] = {};
        BYTE fader[kSourcePositionCount] = {};
        ASSERT_EQ(1, Mixer().LoadSourceScheme(balance, fader, kSourcePositionCount, name.c_str()));
        std::set<std::pair<int, int>> places;
        std::vector<std::pair<int, int>> layout;
        for (int source = 1; source <= 16; ++source) {
            EXPECT_LE(balance[source], 127);
            EXPECT_LE(fader[source], 127);
            places.insert({balance[source], fader[source]});
            layout.emplace_back(balance[source], fader[source]);
        }
        EXPECT_EQ(16u, places.size());
        layouts.insert(layout);
    }
    EXPECT_EQ(static_cast<size_t>(kSimFactorySchemeCount), layouts.size());
    std::set<std::string> names;
    for (int i = 0; i < Mixer().GetSourceSchemeCount(); ++i)
        names.insert(Mixer().GetSourceSchemeName(i));
    EXPECT_EQ((std::set<std::string>{"Default", "Headphones", "Wide"}), names);
}

TEST_F(FactoryContentTest, LaterStartsAndAnEarlierUsersPresetsAreLeftAlone)
{
    // The user's own preset of a factory name and their current set, from before.
    const std::string rock = BandKey(10) + "\\Rock";
    const std::vector<BYTE> mine = Bytes({9, 9, 9, 9, 9, 9, 9, 9, 9, 9});
    ASSERT_TRUE(WriteMachineBinary(rock, kEqGainTableValue, mine.data(), 10));
    ASSERT_TRUE(WriteMachineBinary(BandKey(10) + "\\CurrentSet", kEqGainTableValue, mine.data(), 10));
    ASSERT_TRUE(InstallSimFactoryContent());
    EXPECT_EQ(mine, ReadMachineValue(rock, kEqGainTableValue).data);
    EXPECT_FALSE(ReadMachineValue(rock, kEqFrequencyTableValue).found) << "nothing added to the user's preset";
    EXPECT_EQ(mine, ReadMachineValue(BandKey(10) + "\\CurrentSet", kEqGainTableValue).data);
    EXPECT_TRUE(ReadMachineValue(BandKey(10) + "\\Jazz", kEqGainTableValue).found);

    // Once installed, a deleted preset does not come back.
    DeleteKeyTree(HKEY_LOCAL_MACHINE, (BandKey(10) + "\\Jazz").c_str());
    ASSERT_TRUE(InstallSimFactoryContent());
    EXPECT_FALSE(ReadMachineValue(BandKey(10) + "\\Jazz", kEqGainTableValue).found);
}
