// The mixer section of settings files: the exact format, round trips and the
// tolerant reader.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <sstream>

#include "mixer/settings_file.h"
#include "settings/settings_test_ids.h"
#include "settings/settings_test_support.h"

namespace {

// Control IDs of the six-channel simulated card.
constexpr DWORD kMasterVolume = 0x1;
constexpr DWORD kMasterMute = 0x2;
constexpr DWORD kMasterPeak = 0x3;
constexpr DWORD kMicBoost = 0xE;
constexpr DWORD kMicVolume = 0x18;
constexpr DWORD kRecordSource = 0x22;
constexpr DWORD kCdVolume = 0x15;

bool SaveTo(CMixerDevice& mixer, const std::string& path)
{
    FILE* file = std::fopen(path.c_str(), "w");
    if (file == nullptr)
        return false;
    const bool saved = mixer.SaveSettings(file);
    std::fclose(file);
    return saved;
}

bool LoadFrom(CMixerDevice& mixer, const std::string& path)
{
    FILE* file = std::fopen(path.c_str(), "r");
    if (file == nullptr)
        return false;
    const bool loaded = mixer.LoadSettings(file);
    std::fclose(file);
    DrainMessages();
    return loaded;
}

std::string Section(const std::string& lines)
{
    return "Begin settings: Halvard 5.1+\t1281\t241 81\r\n" + lines + "End settings: Halvard 5.1+\t1281\t241 81\r\n";
}

// A card with a volume, an unsigned control that uses all 32 bits and a stereo
// equalizer of 100 bands: 200 values, more than one control line holds.
constexpr DWORD kWideVolume = 1;
constexpr DWORD kFullRange = 2;
constexpr DWORD kEqualizer = 3;
constexpr int kEqualizerBands = 100;

SimMixerLayout WideValuesLayout()
{
    SimControl volume = SimVolume();
    volume.id = kWideVolume;
    SimControl fullRange;
    fullRange.type = MIXERCONTROL_CONTROLTYPE_UNSIGNED;
    fullRange.flags = MIXERCONTROL_CONTROLF_UNIFORM;
    fullRange.maximum = static_cast<LONG>(0xFFFFFFFFu);
    fullRange.shortName = fullRange.name = "Full Range";
    fullRange.id = kFullRange;
    SimControl equalizer;
    equalizer.type = MIXERCONTROL_CONTROLTYPE_EQUALIZER;
    equalizer.flags = MIXERCONTROL_CONTROLF_MULTIPLE;
    equalizer.maximum = 65535;
    equalizer.shortName = equalizer.name = "Equalizer";
    for (int band = 0; band < kEqualizerBands; ++band)
        equalizer.items.push_back("Band " + std::to_string(band));
    equalizer.id = kEqualizer;

    SimMixerLayout layout;
    SimDestination playback;
    playback.line.shortName = "Volume";
    playback.line.name = "Volume Control";
    playback.line.componentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
    playback.line.controls = {volume, fullRange, equalizer};
    layout.destinations.push_back(playback);
    return layout;
}

std::vector<std::string> LinesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

} // namespace

TEST_F(SettingsFileTest, SixChannelCardWritesTheHandWrittenFile)
{
    InstallModel(SimCardModel::Six);
    CWssMixer mixer;
    OpenMixer(mixer);
    ASSERT_TRUE(SaveTo(mixer, m_file.Path()));
    const std::string golden = ResourceBytes(IDR_GOLDEN_SIX_CHANNEL_MIXER);
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(golden, m_file.Read());
    // Meters are never written.
    EXPECT_EQ(std::string::npos, m_file.Read().find("Peak"));
}

TEST_F(SettingsFileTest, RoundTripRestoresEveryKindOfControl)
{
    InstallModel(SimCardModel::Six);
    CWssMixer mixer;
    OpenMixer(mixer);
    ASSERT_TRUE(mixer.SetUnsignedPair(kMasterVolume, 1000, 65535));
    ASSERT_TRUE(mixer.SetBooleanAll(kMasterMute, 1));
    ASSERT_TRUE(mixer.SetBooleanAll(kMicBoost, 1));
    ASSERT_TRUE(mixer.SetUnsigned(kMicVolume, 123));
    const LONG cdSelected[6] = {0, 1, 0, 0, 0, 0};
    ASSERT_TRUE(mixer.SetBooleanArray(kRecordSource, cdSelected, sizeof(cdSelected)));
    ASSERT_TRUE(SaveTo(mixer, m_file.Path()));

    ASSERT_TRUE(mixer.SetUnsignedPair(kMasterVolume, 5, 5));
    ASSERT_TRUE(mixer.SetBooleanAll(kMasterMute, 0));
    ASSERT_TRUE(mixer.SetBooleanAll(kMicBoost, 0));
    ASSERT_TRUE(mixer.SetUnsigned(kMicVolume, 7));
    const LONG mixSelected[6] = {1, 0, 0, 0, 0, 0};
    ASSERT_TRUE(mixer.SetBooleanArray(kRecordSource, mixSelected, sizeof(mixSelected)));
    DrainMessages();

    ASSERT_TRUE(LoadFrom(mixer, m_file.Path()));
    // What the device holds, as a second mixer reads it.
    CWssMixer check;
    OpenMixer(check);
    EXPECT_EQ((std::vector<LONG>{1000, 65535}), ValuesOf(check, kMasterVolume));
    EXPECT_EQ((std::vector<LONG>{1}), ValuesOf(check, kMasterMute));
    EXPECT_EQ((std::vector<LONG>{1}), ValuesOf(check, kMicBoost));
    EXPECT_EQ((std::vector<LONG>{123}), ValuesOf(check, kMicVolume));
    EXPECT_EQ((std::vector<LONG>(cdSelected, cdSelected + 6)), ValuesOf(check, kRecordSource));
}

TEST_F(SettingsFileTest, FileOfAnotherCardWithTheSameControlsLoads)
{
    InstallModel(SimCardModel::Six);
    m_file.Write("Begin settings: Some Other Card\t7\t1 2\r\n15\t2\t 100 200\t(Volume)\r\nEnd settings: x\t0\t0 0\r\n");
    CWssMixer mixer;
    OpenMixer(mixer);
    ASSERT_TRUE(LoadFrom(mixer, m_file.Path()));
    EXPECT_EQ((std::vector<LONG>{100, 200}), ValuesOf(mixer, kCdVolume));
}

TEST_F(SettingsFileTest, TolerantReader)
{
    InstallModel(SimCardModel::Six);
    CWssMixer mixer;
    OpenMixer(mixer);
    m_file.Write("some foreign line\r\n" +
              Section("1\t1\t 5\t(Volume)\r\n"          // count differs from the control's: ignored
                      "7777\t2\t 1 2\t(Nothing)\r\n"     // no such control: ignored
                      "15\t2\t 300\t(Volume)\r\n"        // short list: the rest is kept
                      "3\t2\t 100 100\t(Peak Meter)\r\n" // a meter: ignored
                      "2\t1\t 1\t(Mute)\r\n"             // applies after the lines before
                      "18\t1\r\n"                        // no value: ignored
                      "E\t1\t 0x1\t(Microphone Boost)\r\n") + "2\t1\t 0\t(Mute)\r\n"); // after the section
    ASSERT_TRUE(LoadFrom(mixer, m_file.Path()));
    EXPECT_EQ((std::vector<LONG>{49152, 49152}), ValuesOf(mixer, kMasterVolume));
    EXPECT_EQ((std::vector<LONG>{300, 49152}), ValuesOf(mixer, kCdVolume));
    EXPECT_EQ((std::vector<LONG>{1}), ValuesOf(mixer, kMasterMute));
    EXPECT_EQ((std::vector<LONG>{49152}), ValuesOf(mixer, kMicVolume));
    EXPECT_EQ((std::vector<LONG>{1}), ValuesOf(mixer, kMicBoost));
    (void)kMasterPeak;
}

TEST_F(SettingsFileTest, ValuesAreHeldWithinWhatTheControlCanHold)
{
    InstallModel(SimCardModel::Six);
    CWssMixer mixer;
    OpenMixer(mixer);
    m_file.Write(Section("1\t2\t 70000 -5\t(Volume)\r\n"
                      "2\t1\t 17\t(Mute)\r\n"
                      "22\t6\t 1 1 0 0 0 0\t(Recording Source)\r\n" // two sources chosen: ignored
                      "15\t2\t 99999999999 0x10\t(Volume)\r\n"));
    ASSERT_TRUE(LoadFrom(mixer, m_file.Path()));
    EXPECT_EQ((std::vector<LONG>{65535, 0}), ValuesOf(mixer, kMasterVolume));
    EXPECT_EQ((std::vector<LONG>{1}), ValuesOf(mixer, kMasterMute));
    EXPECT_EQ((std::vector<LONG>{1, 0, 0, 0, 0, 0}), ValuesOf(mixer, kRecordSource));
    EXPECT_EQ((std::vector<LONG>{65535, 16}), ValuesOf(mixer, kCdVolume));

    m_file.Write(Section("22\t6\t 0 0 0 0 0 0\t(Recording Source)\r\n"));
    ASSERT_TRUE(LoadFrom(mixer, m_file.Path()));
    EXPECT_EQ((std::vector<LONG>{1, 0, 0, 0, 0, 0}), ValuesOf(mixer, kRecordSource));
}

TEST_F(SettingsFileTest, UnsignedValuesUseAllThirtyTwoBits)
{
    InstallLayouts({WideValuesLayout()});
    CWssMixer mixer;
    OpenMixer(mixer);
    ASSERT_TRUE(mixer.SetUnsigned(kFullRange, 0xF0000000u));
    ASSERT_TRUE(SaveTo(mixer, m_file.Path()));
    // Written as a signed number, as every value is.
    EXPECT_NE(std::string::npos, m_file.Read().find("2\t1\t -268435456\t(Full Range)"));
    ASSERT_TRUE(mixer.SetUnsigned(kFullRange, 5));
    ASSERT_TRUE(LoadFrom(mixer, m_file.Path()));
    CWssMixer check;
    OpenMixer(check);
    EXPECT_EQ((std::vector<LONG>{static_cast<LONG>(0xF0000000u)}), ValuesOf(check, kFullRange));

    // A volume's range ends below 0x80000000: a negative value is held at its minimum.
    m_file.Write(Section("1\t2\t -5 -2147483648\t(Volume)\r\n"
                         "2\t1\t -1\t(Full Range)\r\n"));
    ASSERT_TRUE(LoadFrom(mixer, m_file.Path()));
    EXPECT_EQ((std::vector<LONG>{0, 0}), ValuesOf(mixer, kWideVolume));
    EXPECT_EQ((std::vector<LONG>{-1}), ValuesOf(mixer, kFullRange));
}

TEST_F(SettingsFileTest, LongControlLinesEndAtTheLastWholeValue)
{
    InstallLayouts({WideValuesLayout()});
    CWssMixer mixer;
    OpenMixer(mixer);
    constexpr DWORD kKept = 7;
    std::vector<DWORD> saved(2 * kEqualizerBands);
    for (size_t i = 0; i < saved.size(); ++i)
        saved[i] = static_cast<DWORD>(10000 + i * 271); // five digits each
    const DWORD bytes = static_cast<DWORD>(saved.size() * sizeof(DWORD));
    ASSERT_TRUE(mixer.SetUnsignedArray(kEqualizer, saved.data(), bytes));
    ASSERT_TRUE(SaveTo(mixer, m_file.Path()));
    // Within what a reader takes at once, the line feed included.
    for (const std::string& line : LinesOf(m_file.Read()))
        EXPECT_LE(line.size() + 1, kSettingsLineChars) << line;

    const std::vector<DWORD> before(saved.size(), kKept);
    ASSERT_TRUE(mixer.SetUnsignedArray(kEqualizer, before.data(), bytes));
    ASSERT_TRUE(LoadFrom(mixer, m_file.Path()));
    CWssMixer check;
    OpenMixer(check);
    const std::vector<LONG> loaded = ValuesOf(check, kEqualizer);
    ASSERT_EQ(saved.size(), loaded.size());
    // The values that fit come back, the rest keep what they held: nothing else.
    size_t restored = 0;
    while (restored < loaded.size() && static_cast<DWORD>(loaded[restored]) == saved[restored])
        ++restored;
    EXPECT_GT(restored, 80u);
    for (size_t i = restored; i < loaded.size(); ++i)
        EXPECT_EQ(static_cast<LONG>(kKept), loaded[i]) << "value " << i;
}

TEST_F(SettingsFileTest, NullOrUnwritableFileAndFileWithoutSection)
{
    InstallModel(SimCardModel::Six);
    CWssMixer mixer;
    OpenMixer(mixer);
    EXPECT_FALSE(mixer.SaveSettings(nullptr));
    EXPECT_FALSE(mixer.LoadSettings(nullptr));
    // Nothing can be written to a stream opened for reading: no success is reported.
    m_file.Write("");
    FILE* readOnly = std::fopen(m_file.Path().c_str(), "r");
    ASSERT_NE(nullptr, readOnly);
    EXPECT_FALSE(mixer.SaveSettings(readOnly));
    std::fclose(readOnly);
    m_file.Write("EQEnabled 1\r\n");
    EXPECT_TRUE(LoadFrom(mixer, m_file.Path()));
    EXPECT_EQ((std::vector<LONG>{49152, 49152}), ValuesOf(mixer, kMasterVolume));
}

TEST_F(SettingsFileTest, FindSettingsKey)
{
    m_file.Write("Begin NonWSS Settings: x\t0\t0 0\r\n"
              "MidiHWVoices 0x20\r\n"
              "EQPresetName Rock Music \t \r\n"
              "MidiSWVoices 010\r\n"
              "MidiCustomSetName\r\n"
              "MidiUseDefaultSet \t \r\n"
              "SPDIFInScanModeX 2\r\n");
    FILE* file = std::fopen(m_file.Path().c_str(), "r");
    ASSERT_NE(nullptr, file);
    int32_t number = -1;
    EXPECT_TRUE(FindSettingsKey(file, "MidiHWVoices", &number, kSettingsNumber, 0));
    EXPECT_EQ(32, number);
    char word[512] = {};
    // A text runs to the end of its line; the blanks at its end are the line's.
    EXPECT_TRUE(FindSettingsKey(file, "EQPresetName", word, kSettingsText, sizeof(word)));
    EXPECT_STREQ("Rock Music", word);
    // Found again from the start of the file.
    EXPECT_TRUE(FindSettingsKey(file, "MidiHWVoices", &number, kSettingsNumber, 0));
    EXPECT_TRUE(FindSettingsKey(file, "MidiSWVoices", &number, kSettingsNumber, 0));
    EXPECT_EQ(8, number);
    // A prefix match: the rest of the longer key is what follows.
    EXPECT_TRUE(FindSettingsKey(file, "SPDIFInScanMode", word, kSettingsText, sizeof(word)));
    EXPECT_STREQ("X 2", word);
    // No text after the key, or only blanks: nothing is read.
    std::snprintf(word, sizeof(word), "%s", "kept");
    EXPECT_FALSE(FindSettingsKey(file, "MidiCustomSetName", word, kSettingsText, sizeof(word)));
    EXPECT_FALSE(FindSettingsKey(file, "MidiUseDefaultSet", word, kSettingsText, sizeof(word)));
    EXPECT_STREQ("kept", word);
    EXPECT_FALSE(FindSettingsKey(file, "MicAECMode", &number, kSettingsNumber, 0));
    EXPECT_FALSE(FindSettingsKey(file, "MidiHWVoices", &number, 2, 0));
    // A text longer than the caller's buffer is cut.
    char small[5];
    EXPECT_TRUE(FindSettingsKey(file, "EQPresetName", small, kSettingsText, sizeof(small)));
    EXPECT_STREQ("Rock", small);
    EXPECT_TRUE(FindSettingsKey(file, "Begin NonWSS", small, kSettingsText, 3));
    EXPECT_STREQ("Se", small);
    std::fclose(file);
}

TEST_F(SettingsFileTest, LongLinesAreNeverReadAsLinesOfTheirOwn)
{
    // The rest of a 600-character line looks like a key line; it must not count.
    const std::string longLine = std::string(510, 'x') + "MicAECMode 2";
    m_file.Write(longLine + "\r\n" + std::string(5000, 'y') + "\r\nMicAECMode 1\r\n");
    FILE* file = std::fopen(m_file.Path().c_str(), "r");
    ASSERT_NE(nullptr, file);
    int32_t number = -1;
    EXPECT_TRUE(FindSettingsKey(file, "MicAECMode", &number, kSettingsNumber, 0));
    EXPECT_EQ(1, number);
    std::fclose(file);
}
