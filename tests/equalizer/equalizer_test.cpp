// The equalizer on the simulated card: the current set and the presets in the
// registry, the order "registry first, then the driver", the switches, the peak
// levels, and odd band counts and names that must not overflow or reach other keys.
#include "driver/eq_keys.h"
#include "support/card_bench.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const std::string kEq = kEqualizerKey;
const std::string kRate = kEq + "\\48000";

std::string BandKey(int bands) { return kRate + "\\" + std::to_string(bands) + "-Bands"; }

struct Set {
    std::vector<BYTE> gains;
    std::vector<BYTE> frequencies;
    std::vector<BYTE> bandwidths;
};

// A set of n bands whose bytes tell where they came from.
Set MakeSet(int bands, int seed)
{
    Set set;
    for (int band = 0; band < bands; ++band) {
        set.gains.push_back(static_cast<BYTE>(seed + band - 5));
        set.frequencies.push_back(static_cast<BYTE>(seed * 3 + band));
        set.frequencies.push_back(static_cast<BYTE>(band));
        set.bandwidths.push_back(static_cast<BYTE>(seed * 5 + band));
        set.bandwidths.push_back(0x01);
    }
    return set;
}

void WriteSet(const std::string& key, const Set& set)
{
    WriteMachineBinary(key, kEqGainTableValue, set.gains.data(), static_cast<DWORD>(set.gains.size()));
    WriteMachineBinary(key, kEqFrequencyTableValue, set.frequencies.data(),
                       static_cast<DWORD>(set.frequencies.size()));
    WriteMachineBinary(key, kEqBandwidthTableValue, set.bandwidths.data(),
                       static_cast<DWORD>(set.bandwidths.size()));
}

void WriteBands(DWORD bands, const char* valueName = kEqCurrentBandsValue)
{
    WriteMachineBinary(kRate, valueName, &bands, sizeof(bands));
}

void WriteName(const std::string& key, const char* name)
{
    WriteRawValue(HKEY_LOCAL_MACHINE, key, kEqSetNameValue, REG_SZ, name,
                  static_cast<DWORD>(strlen(name) + 1));
}

std::vector<BYTE> Stored(const std::string& key, const char* name, DWORD type = REG_BINARY)
{
    const StoredValue value = ReadMachineValue(key, name);
    if (!value.found || value.type != type)
        return {};
    return value.data;
}

std::vector<BYTE> Text(const char* text) { return std::vector<BYTE>(text, text + strlen(text) + 1); }

std::vector<std::string> Names(CCardMixer& mixer)
{
    std::vector<std::string> names;
    for (int index = 0; index < mixer.GetEqSetCount(); ++index)
        names.push_back(mixer.GetEqSetName(index));
    return names;
}

class EqualizerTest : public testing::Test {
protected:
    // Ten bands with presets "Rock" and "Jazz"; the current set came from "Jazz"
    // and has one gain changed since.
    void SeedTenBands()
    {
        DeleteKeyTree(HKEY_LOCAL_MACHINE, kEq);
        WriteBands(10);
        WriteBands(10, kEqMaximumBandsValue);
        const std::string bands = BandKey(10);
        WriteSet(bands + "\\Rock", MakeSet(10, 1));
        WriteSet(bands + "\\Jazz", MakeSet(10, 2));
        Set current = MakeSet(10, 2);
        current.gains[4] = 9;
        WriteSet(bands + "\\CurrentSet", current);
        WriteName(bands + "\\CurrentSet", "Jazz");
    }

    void ExpectMemoryHolds(const Set& set)
    {
        for (int band = 0; band < static_cast<int>(set.gains.size()); ++band)
            EXPECT_EQ(static_cast<signed char>(set.gains[band]), bench.Mixer().GetEqBandGain(band)) << band;
    }

    // The driver took, at its last reload, exactly what the current set holds now.
    void ExpectDriverHasCurrentSet(int bands)
    {
        const std::string current = BandKey(bands) + "\\CurrentSet";
        const SimEqualizerState& driver = bench.Driver().State().equalizer;
        EXPECT_EQ(static_cast<DWORD>(bands), driver.bands);
        EXPECT_EQ(Stored(current, kEqGainTableValue),
                  std::vector<BYTE>(driver.gains.begin(), driver.gains.end()));
        EXPECT_EQ(Stored(current, kEqFrequencyTableValue), driver.frequencies);
        EXPECT_EQ(Stored(current, kEqBandwidthTableValue), driver.bandwidths);
    }

    CardBench bench;
};

TEST_F(EqualizerTest, StartUpLoadsTheCurrentSetAndTellsTheDriverNothing)
{
    SeedTenBands();
    WriteMachineNumber(kEq, kEqPeakMetersValue, 1, REG_BINARY);
    ASSERT_TRUE(bench.Start(SimCardModel::Six));
    CCardMixer& mixer = bench.Mixer();
    EXPECT_EQ(10u, mixer.EqBandCount());
    EXPECT_STREQ("Jazz", mixer.CurrentEqSetName());
    Set current = MakeSet(10, 2);
    current.gains[4] = 9;
    ExpectMemoryHolds(current);
    // "CurrentSet" is never offered; the others in registry order.
    EXPECT_EQ(2, mixer.GetEqSetCount());
    for (const std::string& name : Names(mixer))
        EXPECT_TRUE(name == "Rock" || name == "Jazz") << name;
    EXPECT_EQ(nullptr, mixer.GetEqSetName(2));
    EXPECT_EQ(nullptr, mixer.GetEqSetName(-1));
    EXPECT_EQ(1, mixer.GetEqPeakMeters());
    for (DWORD command : {CMD_EQ_RELOAD, CMD_EQ_ON, CMD_EQ_OFF, CMD_EQ_PEAK_LEVELS})
        EXPECT_EQ(0, bench.Driver().CountRequests(IOCTL_CARD_COMMAND, command));
    EXPECT_EQ(0, mixer.IsEqSetUnchanged());
}

TEST_F(EqualizerTest, GainChangesWriteTheCurrentSetBeforeTheDriverReloads)
{
    SeedTenBands();
    ASSERT_TRUE(bench.Start(SimCardModel::Six));
    CCardMixer& mixer = bench.Mixer();
    EXPECT_EQ(0, mixer.SetEqBandGain(3, -7));
    EXPECT_EQ(-7, mixer.GetEqBandGain(3));
    const std::string current = BandKey(10) + "\\CurrentSet";
    Set expected = MakeSet(10, 2);
    expected.gains[4] = 9;
    expected.gains[3] = 0xF9;
    EXPECT_EQ(expected.gains, Stored(current, kEqGainTableValue));
    EXPECT_EQ(expected.frequencies, Stored(current, kEqFrequencyTableValue));
    EXPECT_EQ(expected.bandwidths, Stored(current, kEqBandwidthTableValue));
    EXPECT_EQ(Text("Jazz"), Stored(current, kEqSetNameValue, REG_SZ));
    EXPECT_EQ(NumberBytes(10), Stored(kRate, kEqCurrentBandsValue));
    EXPECT_EQ(1u, bench.Driver().State().equalizer.reloads);
    ExpectDriverHasCurrentSet(10);
    EXPECT_EQ("Jazz", bench.Driver().State().equalizer.name);

    // Out of range: nothing written, nothing sent.
    EXPECT_EQ(0, mixer.SetEqBandGain(10, 5));
    EXPECT_EQ(0, mixer.SetEqBandGain(-1, 5));
    EXPECT_EQ(0, mixer.GetEqBandGain(10));
    EXPECT_EQ(1, bench.Driver().CountRequests(IOCTL_CARD_COMMAND, CMD_EQ_RELOAD));

    // A refused reload reads as failure; the registry keeps the new set.
    bench.Driver().FailRequest(IOCTL_CARD_COMMAND, CMD_EQ_RELOAD, 0xC0000001);
    mixer.SetEqBandGain(0, 10);
    EXPECT_EQ(0, mixer.ApplyEqSet());
    EXPECT_EQ(10, static_cast<signed char>(Stored(current, kEqGainTableValue)[0]));
}

TEST_F(EqualizerTest, PresetsSavedAppliedAndDeletedByteForByte)
{
    SeedTenBands();
    ASSERT_TRUE(bench.Start(SimCardModel::Six));
    CCardMixer& mixer = bench.Mixer();
    const std::string bands = BandKey(10);
    const std::vector<BYTE> rockBefore = Stored(bands + "\\Rock", kEqGainTableValue);

    // Saving under a new name appends the preset and makes it current.
    mixer.SetEqBandGain(0, -3);
    ASSERT_EQ(1, mixer.SaveEqSet("Mine"));
    EXPECT_EQ("Mine", Names(mixer).back());
    EXPECT_EQ(3, mixer.GetEqSetCount());
    EXPECT_STREQ("Mine", mixer.CurrentEqSetName());
    Set mine = MakeSet(10, 2);
    mine.gains[4] = 9;
    mine.gains[0] = 0xFD;
    EXPECT_EQ(mine.gains, Stored(bands + "\\Mine", kEqGainTableValue));
    EXPECT_EQ(mine.frequencies, Stored(bands + "\\Mine", kEqFrequencyTableValue));
    EXPECT_EQ(mine.bandwidths, Stored(bands + "\\Mine", kEqBandwidthTableValue));
    EXPECT_EQ(NumberBytes(1), Stored(bands + "\\Mine", kEqFlagsValue));
    EXPECT_EQ(Text("Mine"), Stored(bands + "\\CurrentSet", kEqSetNameValue, REG_SZ));
    EXPECT_EQ(1, mixer.IsEqSetUnchanged());
    ExpectDriverHasCurrentSet(10);

    // Saving under an existing name overwrites its tables only.
    mixer.SetEqBandGain(1, 4);
    EXPECT_EQ(0, mixer.IsEqSetUnchanged());
    ASSERT_EQ(1, mixer.SaveEqSet(nullptr));
    EXPECT_EQ(3, mixer.GetEqSetCount());
    EXPECT_EQ(4, static_cast<signed char>(Stored(bands + "\\Mine", kEqGainTableValue)[1]));
    EXPECT_EQ(rockBefore, Stored(bands + "\\Rock", kEqGainTableValue));

    // Applying a preset reads its tables and sends them.
    ASSERT_EQ(1, mixer.LoadEqSet("Rock", 1));
    ExpectMemoryHolds(MakeSet(10, 1));
    EXPECT_EQ(MakeSet(10, 1).gains, Stored(bands + "\\CurrentSet", kEqGainTableValue));
    EXPECT_EQ(Text("Rock"), Stored(bands + "\\CurrentSet", kEqSetNameValue, REG_SZ));
    ExpectDriverHasCurrentSet(10);
    EXPECT_EQ(1, mixer.IsEqSetUnchanged());

    // Deleting removes the whole key and applies the first preset left.
    ASSERT_EQ(1, mixer.DeleteEqSet("Mine"));
    EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, bands + "\\Mine"));
    EXPECT_EQ(2, mixer.GetEqSetCount());
    EXPECT_EQ(rockBefore, Stored(bands + "\\Rock", kEqGainTableValue));
    EXPECT_EQ(mixer.GetEqSetName(0), std::string(mixer.CurrentEqSetName()));
    ExpectDriverHasCurrentSet(10);
    EXPECT_EQ(0, mixer.DeleteEqSet("NotThere"));
}

TEST_F(EqualizerTest, TheLastPresetIsNeverDeleted)
{
    SeedTenBands();
    ASSERT_TRUE(bench.Start(SimCardModel::Six));
    CCardMixer& mixer = bench.Mixer();
    ASSERT_EQ(1, mixer.DeleteEqSet("Jazz"));
    EXPECT_EQ(1, mixer.GetEqSetCount());
    EXPECT_STREQ("Rock", mixer.CurrentEqSetName());
    EXPECT_EQ(0, mixer.DeleteEqSet("Rock"));
    EXPECT_EQ(0, mixer.DeleteEqSet(nullptr));
    EXPECT_TRUE(RegistryKeyExists(HKEY_LOCAL_MACHINE, BandKey(10) + "\\Rock"));
    // "CurrentSet" is no preset, so it cannot be deleted either.
    ASSERT_EQ(1, mixer.SaveEqSet("Other"));
    EXPECT_EQ(0, mixer.DeleteEqSet("CurrentSet"));
    EXPECT_TRUE(RegistryKeyExists(HKEY_LOCAL_MACHINE, BandKey(10) + "\\CurrentSet"));
}

TEST_F(EqualizerTest, SwitchAndPeakMeterFlags)
{
    SeedTenBands();
    ASSERT_TRUE(bench.Start(SimCardModel::Six));
    CCardMixer& mixer = bench.Mixer();
    EXPECT_EQ(0, mixer.IsEqEnabled());
    EXPECT_EQ(0, mixer.GetEqPeakMeters());

    bench.Driver().ClearLog();
    EXPECT_EQ(1, mixer.SetEqEnabled(1));
    EXPECT_EQ(NumberBytes(1), Stored(kEq, kEqEnabledValue));
    const int on = bench.IndexOfCommand(CMD_EQ_ON);
    ASSERT_GE(on, 0);
    EXPECT_GT(bench.IndexOfCommand(CMD_EQ_RELOAD), on);
    EXPECT_TRUE(bench.Driver().State().equalizer.on);
    EXPECT_EQ(1, mixer.IsEqEnabled());
    mixer.SetEqEnabled(0);
    EXPECT_EQ(NumberBytes(0), Stored(kEq, kEqEnabledValue));
    EXPECT_FALSE(bench.Driver().State().equalizer.on);
    // The reader goes to the registry every time.
    WriteMachineNumber(kEq, kEqEnabledValue, 1, REG_BINARY);
    EXPECT_EQ(1, mixer.IsEqEnabled());
    DeleteKeyTree(HKEY_LOCAL_MACHINE, kEq);
    EXPECT_EQ(0, mixer.IsEqEnabled());

    bench.Driver().ClearLog();
    EXPECT_EQ(1, mixer.SetEqPeakMeters(1));
    EXPECT_EQ(NumberBytes(1), Stored(kEq, kEqPeakMetersValue));
    EXPECT_EQ(1, mixer.GetEqPeakMeters());
    EXPECT_TRUE(bench.Driver().Log().empty());
}

TEST_F(EqualizerTest, PeakLevelsOnlyForTheBandCountAndMovingWhileOn)
{
    SeedTenBands();
    WriteBands(5);
    WriteSet(BandKey(5) + "\\CurrentSet", MakeSet(5, 3));
    WriteName(BandKey(5) + "\\CurrentSet", "x");
    ASSERT_TRUE(bench.Start(SimCardModel::Six));
    CCardMixer& mixer = bench.Mixer();
    ASSERT_EQ(5u, mixer.EqBandCount());
    DWORD levels[6] = {0, 0, 0, 0, 0, 0xA5A5A5A5};
    bench.Driver().ClearLog();
    EXPECT_EQ(0, mixer.ReadEqPeakLevels(levels, 10));
    EXPECT_EQ(0, mixer.ReadEqPeakLevels(levels, 4));
    EXPECT_EQ(0, mixer.ReadEqPeakLevels(nullptr, 5));
    EXPECT_TRUE(bench.Driver().Log().empty());

    mixer.SetEqEnabled(1);
    ASSERT_EQ(1, mixer.ReadEqPeakLevels(levels, 5));
    const SimDriverRequest* request = bench.LastCommand(CMD_EQ_PEAK_LEVELS);
    ASSERT_NE(nullptr, request);
    EXPECT_EQ(20u, request->arguments[1]);
    const std::vector<DWORD> first(levels, levels + 5);
    mixer.ReadEqPeakLevels(levels, 5);
    EXPECT_NE(first, std::vector<DWORD>(levels, levels + 5));
    EXPECT_EQ(0xA5A5A5A5u, levels[5]);

    mixer.SetEqEnabled(0);
    mixer.ReadEqPeakLevels(levels, 5);
    EXPECT_EQ(std::vector<DWORD>(5, 0), std::vector<DWORD>(levels, levels + 5));

    // A refused read is a failure, and no stale levels are left to be drawn.
    mixer.SetEqEnabled(1);
    std::fill(levels, levels + 5, 0x5A5A5A5Au);
    bench.Driver().FailRequest(IOCTL_CARD_COMMAND, CMD_EQ_PEAK_LEVELS, kSimStatusInvalidRequest);
    EXPECT_EQ(0, mixer.ReadEqPeakLevels(levels, 5));
    EXPECT_EQ(std::vector<DWORD>(5, 0), std::vector<DWORD>(levels, levels + 5));
    EXPECT_EQ(0xA5A5A5A5u, levels[5]);
}

TEST_F(EqualizerTest, OddBandCountsChooseTheTwoOrFiveBandKey)
{
    struct Case {
        DWORD current;
        DWORD maximum;
        DWORD expected;
    };
    // 7 is used as 2; a maximum of 5 lowers 10 to 5; 0 and 100000 never size the
    // tables by themselves.
    for (const Case& c : {Case{7, 10, 2}, Case{10, 5, 5}, Case{0, 10, 2}, Case{100000, 100000, 2},
                          Case{100000, 10, 10}}) {
        SCOPED_TRACE(c.current);
        SeedTenBands();
        WriteBands(c.current);
        WriteBands(c.maximum, kEqMaximumBandsValue);
        const int n = static_cast<int>(c.expected);
        WriteSet(BandKey(n) + "\\Flat", MakeSet(n, 4));
        WriteSet(BandKey(n) + "\\CurrentSet", MakeSet(n, 4));
        WriteName(BandKey(n) + "\\CurrentSet", "Flat");
        ASSERT_TRUE(bench.Start(SimCardModel::Six));
        CCardMixer& mixer = bench.Mixer();
        EXPECT_EQ(c.expected, mixer.EqBandCount());
        ExpectMemoryHolds(MakeSet(n, 4));
        EXPECT_STREQ("Flat", mixer.CurrentEqSetName());
        EXPECT_EQ(c.expected == 10 ? 3 : 1, mixer.GetEqSetCount());
        EXPECT_EQ(1, mixer.ApplyEqSet());
        EXPECT_EQ(NumberBytes(c.expected), Stored(kRate, kEqCurrentBandsValue));
        EXPECT_EQ(MakeSet(n, 4).gains, Stored(BandKey(n) + "\\CurrentSet", kEqGainTableValue));
        ExpectDriverHasCurrentSet(n);
    }
}

TEST_F(EqualizerTest, TablesOfTheWrongSizeAreNotTaken)
{
    SeedTenBands();
    const std::string current = BandKey(10) + "\\CurrentSet";
    const std::vector<BYTE> tooLong(300, 0x7F);
    WriteMachineBinary(current, kEqGainTableValue, tooLong.data(), 300);
    WriteMachineBinary(current, kEqFrequencyTableValue, tooLong.data(), 3);
    ASSERT_TRUE(bench.Start(SimCardModel::Six));
    CCardMixer& mixer = bench.Mixer();
    // Nothing read over the tables: the gains stay as allocated.
    for (int band = 0; band < 10; ++band)
        EXPECT_EQ(0, mixer.GetEqBandGain(band));
    EXPECT_EQ(0, mixer.IsEqSetUnchanged());
    // A preset with a short table keeps the previous gains.
    WriteMachineBinary(BandKey(10) + "\\Rock", kEqGainTableValue, tooLong.data(), 4);
    ASSERT_EQ(1, mixer.LoadEqSet("Rock", 1));
    EXPECT_EQ(0, mixer.GetEqBandGain(0));
    EXPECT_EQ(MakeSet(10, 1).frequencies, Stored(current, kEqFrequencyTableValue));
}

TEST_F(EqualizerTest, TheDriverRefusesMissingOrInconsistentTables)
{
    SeedTenBands();
    ASSERT_TRUE(bench.Start(SimCardModel::Six));
    CCardMixer& mixer = bench.Mixer();
    ASSERT_EQ(1, mixer.ApplyEqSet());
    // Another program damages the current set between two reloads.
    const std::string current = BandKey(10) + "\\CurrentSet";
    const BYTE shortTable[3] = {1, 2, 3};
    WriteMachineBinary(current, kEqGainTableValue, shortTable, sizeof(shortTable));
    CDriverChannel other;
    other.Attach(OpenCardDevice());
    EXPECT_NE(0u, other.SendCommand(CMD_EQ_RELOAD));
    DeleteKeyTree(HKEY_LOCAL_MACHINE, current);
    EXPECT_NE(0u, other.SendCommand(CMD_EQ_RELOAD));
    EXPECT_EQ(2u, bench.Driver().State().equalizer.failedReloads);
    EXPECT_EQ(1u, bench.Driver().State().equalizer.reloads);
    // The panel's next change writes a whole set again.
    EXPECT_EQ(1, mixer.ApplyEqSet());
}

TEST_F(EqualizerTest, NamesThatCannotBePresets)
{
    SeedTenBands();
    const std::string bands = BandKey(10);
    // The current set names nothing: "new" is looked for.
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, (bands + "\\CurrentSet").c_str(), 0,
                                           KEY_ALL_ACCESS, &key));
    RegDeleteValueA(key, kEqSetNameValue);
    RegCloseKey(key);
    WriteSet(bands + "\\new", MakeSet(10, 6));
    // A subkey name longer than the panel's names, listed before the others.
    const std::string longName(120, 'L');
    WriteSet(bands + "\\" + longName, MakeSet(10, 7));
    ASSERT_TRUE(bench.Start(SimCardModel::Six));
    CCardMixer& mixer = bench.Mixer();
    EXPECT_STREQ("new", mixer.CurrentEqSetName());
    EXPECT_EQ(3, mixer.GetEqSetCount());

    const std::string longest(99, 'x');
    ASSERT_EQ(1, mixer.SaveEqSet(longest.c_str()));
    EXPECT_EQ(longest, Names(mixer).back());
    EXPECT_EQ(Text(longest.c_str()), Stored(bands + "\\CurrentSet", kEqSetNameValue, REG_SZ));
    ASSERT_EQ(1, mixer.LoadEqSet(longest.c_str(), 1));
    EXPECT_EQ(1, mixer.IsEqSetUnchanged());

    // Refused before anything is written: too long (it would be cut to the 99-
    // character preset above), empty, addressing another key, or the current set.
    const std::vector<BYTE> saved = Stored(bands + "\\" + longest, kEqGainTableValue);
    mixer.SetEqBandGain(0, 8);
    const std::string tooLong = longest + "y";
    for (const std::string& bad : {tooLong, std::string(), std::string("Rock\\Evil"),
                                   std::string("..\\..\\Evil"), std::string("CurrentSet"),
                                   std::string("CURRENTSET")}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(0, mixer.SaveEqSet(bad.c_str()));
        EXPECT_EQ(0, mixer.LoadEqSet(bad.c_str(), 1));
        EXPECT_EQ(0, mixer.DeleteEqSet(bad.c_str()));
    }
    EXPECT_EQ(saved, Stored(bands + "\\" + longest, kEqGainTableValue));
    EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, bands + "\\Rock\\Evil"));
    EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, kRate + "\\Evil"));
    EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, bands + "\\" + tooLong));
    EXPECT_EQ(Text(longest.c_str()), Stored(bands + "\\CurrentSet", kEqSetNameValue, REG_SZ));
    EXPECT_TRUE(RegistryKeyExists(HKEY_LOCAL_MACHINE, bands + "\\" + longName));
}

TEST_F(EqualizerTest, TheCurrentSetIsNoPresetInAnyLetterCase)
{
    // Registry names ignore case: the driver's key may be stored in any case.
    DeleteKeyTree(HKEY_LOCAL_MACHINE, kEq);
    WriteBands(10);
    const std::string bands = BandKey(10);
    WriteSet(bands + "\\Rock", MakeSet(10, 1));
    WriteSet(bands + "\\Jazz", MakeSet(10, 2));
    WriteSet(bands + "\\CURRENTSET", MakeSet(10, 1));
    WriteName(bands + "\\CURRENTSET", "Rock");
    ASSERT_TRUE(bench.Start(SimCardModel::Six));
    CCardMixer& mixer = bench.Mixer();
    EXPECT_EQ((std::vector<std::string>{"Jazz", "Rock"}), Names(mixer));
    EXPECT_EQ(1, mixer.IsEqSetUnchanged());

    mixer.SetEqBandGain(0, 9);
    for (const char* name : {"currentset", "CurrentSET", "CURRENTSET"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(0, mixer.SaveEqSet(name));
        EXPECT_EQ(0, mixer.LoadEqSet(name, 1));
        EXPECT_EQ(0, mixer.DeleteEqSet(name));
    }
    EXPECT_EQ((std::vector<std::string>{"Jazz", "Rock"}), Names(mixer));
    EXPECT_STREQ("Rock", mixer.CurrentEqSetName());
    EXPECT_EQ(Text("Rock"), Stored(bands + "\\CurrentSet", kEqSetNameValue, REG_SZ));
    EXPECT_FALSE(Stored(bands + "\\CurrentSet", kEqGainTableValue).empty());
    // A current set that names itself came from no preset.
    WriteName(bands + "\\CurrentSet", "currentset");
    EXPECT_EQ(0, mixer.IsEqSetUnchanged());
}

TEST_F(EqualizerTest, NoEqualizerKeyAtAll)
{
    DeleteKeyTree(HKEY_LOCAL_MACHINE, kEq);
    ASSERT_TRUE(bench.Start(SimCardModel::Stereo));
    CCardMixer& mixer = bench.Mixer();
    EXPECT_EQ(10u, mixer.EqBandCount());
    EXPECT_EQ(0, mixer.GetEqSetCount());
    EXPECT_EQ(0, mixer.GetEqBandGain(0));
    EXPECT_EQ(0, mixer.IsEqEnabled());
    EXPECT_EQ(0, mixer.IsEqSetUnchanged());
    // The current set names nothing yet: it cannot be saved without a name.
    EXPECT_EQ(0, mixer.SaveEqSet(nullptr));
    ASSERT_EQ(1, mixer.SaveEqSet("First"));
    EXPECT_EQ(1, mixer.GetEqSetCount());
    EXPECT_EQ(std::vector<BYTE>(10, 0), Stored(BandKey(10) + "\\First", kEqGainTableValue));
    ExpectDriverHasCurrentSet(10);
}

} // namespace
