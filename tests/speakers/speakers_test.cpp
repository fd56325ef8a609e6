// Speaker configuration, the 3D switches, stereo expansion and echo cancellation on
// the simulated card: the start-up requests of each model, the configuration
// word's normalisation and the order "registry first, then the driver".
#include "driver/driver_keys.h"
#include "driver/speaker_keys.h"
#include "platform/registry.h"
#include "support/card_bench.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kBasics = kDriverBasicsKey;
const std::string kDsConfig = std::string(kBenchDriverKey) + kDirectSoundSpeakerConfigKey;
const std::string kDsType = std::string(kBenchDriverKey) + kDirectSoundSpeakerTypeKey;
const std::string kDsDefaults = std::string(kBenchDriverKey) + kDirectSoundMixerDefaultsKey;
const std::string kMacroFXKey = std::string(kSensauraKey) + "\\" + kMacroFXSubkey;

std::vector<BYTE> Stored(const std::string& key, const char* name, DWORD type, REGSAM view = 0)
{
    const StoredValue value = ReadMachineValue(key, name, view);
    if (!value.found || value.type != type)
        return {};
    return value.data;
}

// The requests of the hardware information, the registry writes and the commands
// of the equalizer, effects, echo cancellation and speakers, in log order.
std::vector<std::string> SpeakerRequests(const SimDriver& driver)
{
    std::vector<std::string> requests;
    for (const SimDriverRequest& r : driver.Log()) {
        const DWORD group = r.code >> 16;
        if (r.controlCode == IOCTL_CARD_HW_OPEN)
            requests.push_back("open");
        else if (r.controlCode == IOCTL_CARD_HW_INFO)
            requests.push_back("info");
        else if (r.controlCode == IOCTL_CARD_REGISTRY_WRITE)
            requests.push_back("write " + r.keyPath + " " + r.valueName
                               + (r.valueName == kDriverKeyValue ? "" : " " + std::to_string(r.arguments[0])));
        else if (r.controlCode == IOCTL_CARD_COMMAND && group >= 3 && group <= 5
                 && r.code != CMD_SOURCE_POSITION)
            requests.push_back("command " + std::to_string(r.code) + " " + std::to_string(r.arguments[0]));
    }
    return requests;
}

std::string Write(const std::string& key, const char* value, DWORD number)
{
    return "write " + key + " " + value + " " + std::to_string(number);
}

std::string Command(DWORD command, DWORD argument)
{
    return "command " + std::to_string(command) + " " + std::to_string(argument);
}

class SpeakerTest : public testing::Test {
protected:
    CardBench bench;
};

TEST_F(SpeakerTest, StartUpOfEachModelSendsExactlyItsRequests)
{
    struct Case {
        SimCardModel model;
        bool stored;
        DWORD config;
        DWORD word;
        DWORD type;
    };
    for (const Case& c : {Case{SimCardModel::Six, true, 5, 6, 10}, Case{SimCardModel::Four, true, 6, 3, 8},
                          Case{SimCardModel::Stereo, false, 0, 0x140004, 1},
                          Case{SimCardModel::Six, true, 0, 0x140004, 1}}) {
        SCOPED_TRACE(c.word);
        DeleteKeyTree(HKEY_LOCAL_MACHINE, kDriverSettingsKey);
        if (c.stored)
            WriteMachineNumber(kBasics, kSpeakerConfigValue, c.config, REG_DWORD);
        for (const char* value : {kSensaura3DValue, kReverbValue, kMP3AccelerationValue, kStereoExpansionValue})
            WriteMachineNumber(kBasics, value, 1, REG_BINARY);
        WriteMachineNumber(kAecKey, kAecStateValue, 2, REG_BINARY);
        WriteMachineNumber(kA3DSettingsKey, kSplashScreenValue, 1, REG_DWORD, kSharedSoftwareView);
        WriteMachineNumber(kMacroFXKey, kMacroFXValue, 1, REG_DWORD, kSharedSoftwareView);
        ASSERT_TRUE(bench.Start(c.model));
        const std::vector<std::string> expected = {
            "open",
            "info",
            "write " + kBasics + " DriverKey",
            Write(kDsConfig, kSpeakerConfigValue, c.word),
            Write(kDsType, kSpeakerTypeValue, c.type),
            Write(kDsDefaults, kAccelerationValue, 0),
            Write(kBasics, kSpeakerConfigValue, c.word),
            Command(CMD_SPEAKER_CONFIG, c.word & 0xFF),
            Command(CMD_SPEAKER_CONFIG, c.word & 0xFF),
        };
        EXPECT_EQ(expected, SpeakerRequests(bench.Driver()));
        CCardMixer& mixer = bench.Mixer();
        EXPECT_EQ(c.word, mixer.GetSpeakerConfig());
        EXPECT_EQ(NumberBytes(c.word), Stored(kBasics, kSpeakerConfigValue, REG_DWORD));
        EXPECT_EQ(NumberBytes(c.type), Stored(kDsType, kSpeakerTypeValue, REG_DWORD));
        EXPECT_EQ(NumberBytes(0), Stored(kDsDefaults, kAccelerationValue, REG_DWORD));
        EXPECT_EQ(c.word & 0xFF, bench.Driver().State().speakers.speakerConfig);
        EXPECT_EQ(1u, mixer.GetSensaura3D());
        EXPECT_EQ(1u, mixer.GetReverb());
        EXPECT_EQ(1u, mixer.GetStereoExpansion());
        EXPECT_EQ(1u, mixer.GetA3DSplashScreen());
        EXPECT_EQ(1u, mixer.GetMacroFX());
        EXPECT_EQ(2u, mixer.GetAecMode());
        // The MP3 flag is cleared at the end of every start-up.
        EXPECT_EQ(0u, mixer.GetMP3Acceleration());
        EXPECT_EQ(NumberBytes(0), Stored(kBasics, kMP3AccelerationValue, REG_BINARY));
    }
}

TEST_F(SpeakerTest, WithoutADriverKeyOnlyTheBasicsKeyIsWritten)
{
    if (RegistryKeyExists(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Services\\dizuda\\Enum"))
        GTEST_SKIP() << "this prefix has a driver instance";
    SimSystemInstallation xp(SimSystem::WindowsXp);
    DeleteKeyTree(HKEY_LOCAL_MACHINE, kDriverSettingsKey);
    WriteMachineNumber(kBasics, kSpeakerConfigValue, 0x00070003, REG_DWORD);
    ASSERT_TRUE(bench.Start(SimCardModel::Four));
    const std::vector<std::string> expected = {
        "open",
        "info",
        "write " + kBasics + " DriverKey",
        Write(kBasics, kSpeakerConfigValue, 0x70003),
        Command(CMD_SPEAKER_CONFIG, 3),
        Command(CMD_SPEAKER_CONFIG, 3),
    };
    EXPECT_EQ(expected, SpeakerRequests(bench.Driver()));
    // Read from the registry: without a driver key the basics value stands.
    DWORD config = 0;
    EXPECT_EQ(1, bench.Mixer().ApplySpeakerConfig(0, config));
    EXPECT_EQ(0x70003u, config);
}

TEST_F(SpeakerTest, ConfigurationsAreNormalisedForTheCard)
{
    struct Case {
        SimCardModel model;
        DWORD requested;
        DWORD word;
        DWORD type;
    };
    const Case cases[] = {
        {SimCardModel::Six, 5, 6, 10},
        {SimCardModel::Six, 0x00030006, 0x30006, 10},
        {SimCardModel::Six, 3, 3, 8},
        {SimCardModel::Six, 0, 0x140004, 1},
        {SimCardModel::Six, 2, 0x140004, 1},
        {SimCardModel::Six, 0x000A0004, 0xA0004, 1},
        // Headphones keep their geometry, even 0.
        {SimCardModel::Six, 1, 1, 0},
        {SimCardModel::Six, 0x00050001, 0x50001, 0},
        {SimCardModel::Four, 6, 3, 8},
        {SimCardModel::Four, 0x00020005, 0x20003, 8},
        {SimCardModel::Stereo, 6, 0x140004, 1},
        {SimCardModel::Stereo, 3, 0x140004, 1},
        {SimCardModel::Stereo, 0x00090001, 0x90001, 0},
    };
    SimCardModel started = SimCardModel::Six;
    bool running = false;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(static_cast<int>(c.model)) + " " + std::to_string(c.requested));
        if (!running || started != c.model) {
            ASSERT_TRUE(bench.Start(c.model));
            started = c.model;
            running = true;
        }
        bench.Driver().ClearLog();
        CCardMixer& mixer = bench.Mixer();
        EXPECT_EQ(1, mixer.SetSpeakerConfig(c.requested));
        EXPECT_EQ(c.word, mixer.GetSpeakerConfig());
        const std::vector<std::string> expected = {
            Write(kDsConfig, kSpeakerConfigValue, c.word),
            Write(kDsType, kSpeakerTypeValue, c.type),
            Write(kBasics, kSpeakerConfigValue, c.word),
            Command(CMD_SPEAKER_CONFIG, c.word & 0xFF),
        };
        EXPECT_EQ(expected, SpeakerRequests(bench.Driver()));
        // What the driver found in its key when it was told.
        EXPECT_EQ(c.word, bench.Driver().State().speakers.storedSpeakerConfig);
        EXPECT_EQ(NumberBytes(c.word), Stored(kDsConfig, kSpeakerConfigValue, REG_DWORD));
        EXPECT_EQ(NumberBytes(c.type), Stored(kDsType, kSpeakerTypeValue, REG_DWORD));
    }
}

TEST_F(SpeakerTest, ReadingTheConfigurationPrefersDirectSoundsValue)
{
    ASSERT_TRUE(bench.Start(SimCardModel::Six));
    bench.Driver().ClearLog();
    CCardMixer& mixer = bench.Mixer();
    WriteMachineNumber(kBasics, kSpeakerConfigValue, 1, REG_DWORD);
    WriteMachineNumber(kDsConfig, kSpeakerConfigValue, 0x00050003, REG_DWORD);
    DWORD config = 0;
    EXPECT_EQ(1, mixer.ApplySpeakerConfig(0, config));
    EXPECT_EQ(0x50003u, config);
    WriteMachineNumber(kBasics, kSpeakerConfigValue, 1, REG_DWORD);
    DeleteKeyTree(HKEY_LOCAL_MACHINE, kDsConfig);
    EXPECT_EQ(1, mixer.ApplySpeakerConfig(0, config));
    EXPECT_EQ(1u, config);
    // The acceleration value only with its option bit.
    EXPECT_EQ(-1, bench.IndexOfRegistryWrite(kDsDefaults, kAccelerationValue));
    // A refused command reads as failure; the value is stored all the same.
    bench.Driver().FailRequest(IOCTL_CARD_COMMAND, CMD_SPEAKER_CONFIG, 0xC0000001);
    EXPECT_EQ(0, mixer.SetSpeakerConfig(3));
    EXPECT_EQ(3u, mixer.GetSpeakerConfig());
}

TEST_F(SpeakerTest, SwitchesAreStoredWithoutTellingTheDriver)
{
    ASSERT_TRUE(bench.Start(SimCardModel::Six));
    CCardMixer& mixer = bench.Mixer();
    bench.Driver().ClearLog();
    DeleteKeyTree(HKEY_LOCAL_MACHINE, kSensauraKey, kSharedSoftwareView);
    EXPECT_EQ(1, mixer.SetSensaura3D(1));
    EXPECT_EQ(1, mixer.SetReverb(1));
    EXPECT_EQ(1, mixer.SetMP3Acceleration(1));
    EXPECT_EQ(1, mixer.SetA3DSplashScreen(1));
    EXPECT_EQ(1, mixer.SetMacroFX(1));
    EXPECT_TRUE(bench.Driver().Log().empty());
    for (const char* value : {kSensaura3DValue, kReverbValue, kMP3AccelerationValue})
        EXPECT_EQ(NumberBytes(1), Stored(kBasics, value, REG_BINARY)) << value;
    // The two keys of the 3D software are created when missing and hold numbers.
    EXPECT_EQ(NumberBytes(1), Stored(kA3DSettingsKey, kSplashScreenValue, REG_DWORD, kSharedSoftwareView));
    EXPECT_EQ(NumberBytes(1), Stored(kMacroFXKey, kMacroFXValue, REG_DWORD, kSharedSoftwareView));
    // They are shared with the 32-bit panel: a 64-bit build leaves its own view alone.
    if (sizeof(void*) == 8) {
        EXPECT_FALSE(ReadMachineValue(kA3DSettingsKey, kSplashScreenValue, KEY_WOW64_64KEY).found);
        EXPECT_FALSE(ReadMachineValue(kMacroFXKey, kMacroFXValue, KEY_WOW64_64KEY).found);
    }
    mixer.SetMacroFX(0);
    EXPECT_EQ(NumberBytes(0), Stored(kMacroFXKey, kMacroFXValue, REG_DWORD, kSharedSoftwareView));
    EXPECT_EQ(0u, mixer.GetMacroFX());
}

TEST_F(SpeakerTest, StereoExpansionReachesTheRegistryOnlyWhenTheDriverTookIt)
{
    ASSERT_TRUE(bench.Start(SimCardModel::Six));
    CCardMixer& mixer = bench.Mixer();
    bench.Driver().ClearLog();
    EXPECT_EQ(1, mixer.SetStereoExpansion(0));
    EXPECT_TRUE(bench.Driver().Log().empty());
    EXPECT_EQ(1, mixer.SetStereoExpansion(1));
    EXPECT_TRUE(bench.Driver().State().speakers.stereoExpansion);
    EXPECT_EQ(NumberBytes(1), Stored(kBasics, kStereoExpansionValue, REG_BINARY));

    bench.Driver().FailRequest(IOCTL_CARD_COMMAND, CMD_STEREO_EXPANSION_OFF, 0xC0000001);
    EXPECT_EQ(0, mixer.SetStereoExpansion(0));
    EXPECT_EQ(0u, mixer.GetStereoExpansion());
    EXPECT_EQ(NumberBytes(1), Stored(kBasics, kStereoExpansionValue, REG_BINARY));
    EXPECT_TRUE(bench.Driver().State().speakers.stereoExpansion);
}

TEST_F(SpeakerTest, EchoCancellationModes)
{
    WriteMachineNumber(kAecKey, kAecStateValue, 1, REG_BINARY);
    ASSERT_TRUE(bench.Start(SimCardModel::Six));
    CCardMixer& mixer = bench.Mixer();
    EXPECT_EQ(1u, mixer.GetAecMode());
    bench.Driver().ClearLog();
    EXPECT_EQ(0, mixer.SetAecMode(3));
    EXPECT_TRUE(bench.Driver().Log().empty());
    EXPECT_EQ(1u, mixer.GetAecMode());
    EXPECT_EQ(NumberBytes(1), Stored(kAecKey, kAecStateValue, REG_BINARY));

    EXPECT_EQ(1, mixer.SetAecMode(2));
    EXPECT_EQ(NumberBytes(2), Stored(kAecKey, kAecStateValue, REG_BINARY));
    EXPECT_EQ(2u, bench.Driver().State().speakers.aecMode);
    // The driver found the new mode in its key when it was told.
    EXPECT_EQ(2u, bench.Driver().State().speakers.storedAecState);

    // A stored mode the driver does not know reads as "never".
    WriteMachineNumber(kAecKey, kAecStateValue, 7, REG_BINARY);
    EXPECT_EQ(0u, mixer.ReadAecMode());
    DeleteKeyTree(HKEY_LOCAL_MACHINE, kAecKey);
    EXPECT_EQ(0u, mixer.ReadAecMode());
}

} // namespace
