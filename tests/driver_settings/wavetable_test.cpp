// Wavetable voice limits of the driver kinds, their clamps, and the sample set.
#include "card_settings_fixture.h"

#include "driver/wavetable_settings.h"

namespace {

using WavetableTest = CardSettingsTest;

DWORD Stored(const char* name)
{
    DWORD value = 0xDEAD;
    EXPECT_TRUE(CardSettingsTest::ReadNumber(kWavetableKey, name, value)) << name;
    return value;
}

void ExpectRange(CCardMixer& mixer, DWORD hwMinimum, DWORD hwMaximum, DWORD swMinimum,
                 DWORD swMaximum)
{
    DWORD minimum = 0, maximum = 0;
    mixer.GetHwVoiceRange(minimum, maximum);
    EXPECT_EQ(hwMinimum, minimum);
    EXPECT_EQ(hwMaximum, maximum);
    mixer.GetSwVoiceRange(minimum, maximum);
    EXPECT_EQ(swMinimum, minimum);
    EXPECT_EQ(swMaximum, maximum);
}

TEST_F(WavetableTest, RegistryKeptLimitsStoreTheirDefaults)
{
    InstallAndOpen(SimCardModel::Four);
    EXPECT_TRUE(Mixer().AreVoiceLimitsInRegistry());
    ExpectRange(Mixer(), 16, 48, 16, 896);
    EXPECT_EQ(64u, Mixer().GetHwVoiceLimit());
    EXPECT_EQ(256u, Mixer().GetSwVoiceLimit());
    EXPECT_EQ(1u, Mixer().GetUseDefaultSet());
    EXPECT_STREQ("", Mixer().GetCustomSetFile());
    EXPECT_EQ(64u, Stored(kHwVoicesLimitValue));
    EXPECT_EQ(256u, Stored(kSwVoicesLimitValue));
    EXPECT_EQ(0u, Stored(kVoiceAllocationValue));
    EXPECT_EQ(0u, Stored(kStaticImageValue));
    EXPECT_EQ(0u, Stored(kOverrideDefaultSetValue));

    InstallAndOpen(SimCardModel::Six);
    ExpectRange(Mixer(), 16, 64, 16, 896);
}

TEST_F(WavetableTest, HardwareLimitIsClampedStoredAndSentToEitherDriverKind)
{
    InstallAndOpen(SimCardModel::Four);
    const std::vector<std::pair<DWORD, DWORD>> cases = {{100, 48}, {8, 16}, {0, 0}, {32, 32}};
    for (const auto& c : cases) {
        Driver().ClearLog();
        Mixer().SetHwVoiceLimit(c.first);
        EXPECT_EQ(c.second, Mixer().GetHwVoiceLimit()) << c.first;
        EXPECT_EQ(c.second, Stored(kHwVoicesLimitValue)) << c.first;
        ASSERT_EQ(1, Driver().CountRequests(IOCTL_CARD_PROPERTY_SET, PROP_VOICE_LIMITS_EX));
        EXPECT_EQ(c.second, Driver().State().wavetable.voiceLimit);
    }

    // A driver asked by property tells its range and takes its limit the same way.
    Install(SimCardModel::Six, SimVoiceLimitKind::Property);
    Driver().State().wavetable.minimumVoices = 8;
    Driver().State().wavetable.voiceLimit = 40;
    Open();
    EXPECT_FALSE(Mixer().AreVoiceLimitsInRegistry());
    ExpectRange(Mixer(), 8, 48, 16, 896); // 48 even on the six-channel card
    EXPECT_EQ(40u, Mixer().GetHwVoiceLimit());
    Mixer().SetHwVoiceLimit(60);
    EXPECT_EQ(48u, Mixer().GetHwVoiceLimit());
    EXPECT_EQ(1, Driver().CountRequests(IOCTL_CARD_PROPERTY_SET, PROP_VOICE_LIMITS));
    EXPECT_EQ(48u, Driver().State().wavetable.voiceLimit);

    // A driver that answers neither leaves 16-48 with 24; nothing of the sample set is read.
    WriteNumber(kWavetableKey, kStaticImageValue, 1);
    InstallAndOpen(SimCardModel::Six, SimVoiceLimitKind::None);
    ExpectRange(Mixer(), 16, 48, 16, 896);
    EXPECT_EQ(24u, Mixer().GetHwVoiceLimit());
    EXPECT_EQ(0u, Mixer().GetSampleSetResident());

    // A minimum the driver reports above the maximum still leaves a range.
    Install(SimCardModel::Six, SimVoiceLimitKind::Property);
    Driver().State().wavetable.minimumVoices = 200;
    Open();
    ExpectRange(Mixer(), 48, 48, 16, 896);
}

TEST_F(WavetableTest, SoftwareLimitClampsAndTheMaxSoftValue)
{
    InstallAndOpen();
    const std::vector<std::pair<DWORD, DWORD>> cases = {{976, 976}, {1000, 896}, {8, 16}, {0, 0}, {300, 300}};
    Driver().ClearLog();
    for (const auto& c : cases) {
        Mixer().SetSwVoiceLimit(c.first);
        EXPECT_EQ(c.second, Mixer().GetSwVoiceLimit()) << c.first;
        EXPECT_EQ(c.second, Stored(kSwVoicesLimitValue)) << c.first;
    }
    EXPECT_TRUE(Driver().Log().empty());

    struct MaxSoftCase {
        DWORD maxSoft;
        DWORD maximum;
        DWORD limit; // with a stored limit of 256
    };
    for (const MaxSoftCase& c : {MaxSoftCase{8, 16, 16}, MaxSoftCase{2000, 896, 256},
                                 MaxSoftCase{128, 128, 128}, MaxSoftCase{0, 896, 256}}) {
        WriteNumber(kControlPanelKey, kMaxSoftValue, c.maxSoft);
        WriteNumber(kWavetableKey, kSwVoicesLimitValue, 256);
        InstallAndOpen();
        ExpectRange(Mixer(), 16, 64, 16, c.maximum);
        EXPECT_EQ(c.limit, Mixer().GetSwVoiceLimit()) << c.maxSoft;
    }
}

TEST_F(WavetableTest, VoiceAllocationAndResidentSet)
{
    InstallAndOpen();
    Mixer().SetVoiceAllocation(kVoiceAllocationDls);
    EXPECT_EQ(kVoiceAllocationDls, Stored(kVoiceAllocationValue));
    Mixer().SetVoiceAllocation(2);
    EXPECT_EQ(kVoiceAllocationDls, Mixer().GetVoiceAllocation());
    EXPECT_EQ(kVoiceAllocationDls, Stored(kVoiceAllocationValue));

    Driver().ClearLog();
    Mixer().SetSampleSetResident(1);
    Mixer().SetSampleSetResident(1);
    EXPECT_EQ(1, Driver().CountRequests(IOCTL_CARD_COMMAND, CMD_WAVETABLE_STATIC_IMAGE));
    EXPECT_EQ(1u, Driver().State().wavetable.staticImage);
    EXPECT_EQ(1u, Stored(kStaticImageValue));

    InstallAndOpen();
    EXPECT_EQ(1u, Mixer().GetSampleSetResident());
    EXPECT_EQ(kVoiceAllocationDls, Mixer().GetVoiceAllocation());
}

TEST_F(WavetableTest, CustomSetIsChosenOnlyWithAFileAndReloadedByTheToggle)
{
    InstallAndOpen();
    Driver().ClearLog();
    Mixer().SetUseDefaultSet(0);
    EXPECT_EQ(1u, Mixer().GetUseDefaultSet());
    EXPECT_EQ(0u, Stored(kOverrideDefaultSetValue));
    const auto commands = Commands();
    ASSERT_EQ(2u, commands.size());
    EXPECT_EQ(1u, commands[0].arguments[0]);
    EXPECT_EQ(0u, commands[1].arguments[0]);
    EXPECT_EQ(0u, Driver().State().wavetable.staticImage);

    const char* path = "C:\\Sets\\Concert.dls";
    Driver().ClearLog();
    ASSERT_EQ(1, Mixer().SetCustomSetFile(path));
    EXPECT_TRUE(Driver().Log().empty());
    EXPECT_EQ(path, ReadText(kWavetableKey, kOverrideSetFileValue));
    EXPECT_EQ(path, ReadText(kWavetableKey, kOverrideSetFileCopyValue));
    Mixer().SetSampleSetResident(1);
    Driver().ClearLog();
    Mixer().SetUseDefaultSet(0);
    EXPECT_EQ(0u, Mixer().GetUseDefaultSet());
    EXPECT_EQ(1u, Stored(kOverrideDefaultSetValue));
    EXPECT_EQ(2, Driver().CountRequests(IOCTL_CARD_COMMAND, CMD_WAVETABLE_STATIC_IMAGE));
    EXPECT_EQ(1u, Driver().State().wavetable.staticImage);

    // The next start-up finds the custom set.
    InstallAndOpen();
    EXPECT_EQ(0u, Mixer().GetUseDefaultSet());
    EXPECT_STREQ(path, Mixer().GetCustomSetFile());

    // An empty file name means the default set, whatever was stored.
    WriteRawValue(HKEY_LOCAL_MACHINE, kWavetableKey, kOverrideSetFileValue, REG_SZ, "", 1);
    InstallAndOpen();
    EXPECT_EQ(1u, Mixer().GetUseDefaultSet());
    EXPECT_EQ(0u, Stored(kOverrideDefaultSetValue));
}

TEST_F(WavetableTest, SampleSetPathsAreBoundedAndTerminated)
{
    InstallAndOpen();
    ASSERT_EQ(1, Mixer().SetCustomSetFile("C:\\short.dls"));
    const std::string longest = "C:\\" + std::string(248, 'a') + ".dls"; // 255 characters
    ASSERT_EQ(1, Mixer().SetCustomSetFile(longest.c_str()));
    EXPECT_EQ(longest, Mixer().GetCustomSetFile());
    const std::string tooLong = "C:\\" + std::string(297, 'b') + ".dls";
    EXPECT_EQ(0, Mixer().SetCustomSetFile(tooLong.c_str()));
    EXPECT_EQ(longest, Mixer().GetCustomSetFile());
    EXPECT_EQ(longest, ReadText(kWavetableKey, kOverrideSetFileValue));
    ASSERT_EQ(1, Mixer().SetCustomSetFile(nullptr));
    EXPECT_STREQ("", Mixer().GetCustomSetFile());

    // Stored by someone else: without a terminator, and far too long.
    const std::string unterminated = "C:\\Sets\\Raw.dls";
    WriteRawValue(HKEY_LOCAL_MACHINE, kWavetableKey, kOverrideSetFileValue, REG_BINARY,
                  unterminated.data(), static_cast<DWORD>(unterminated.size()));
    WriteNumber(kWavetableKey, kOverrideDefaultSetValue, 1);
    InstallAndOpen();
    EXPECT_EQ(unterminated, Mixer().GetCustomSetFile());
    EXPECT_EQ(0u, Mixer().GetUseDefaultSet());

    const std::string huge(600, 'x');
    WriteRawValue(HKEY_LOCAL_MACHINE, kWavetableKey, kOverrideSetFileValue, REG_SZ, huge.c_str(),
                  static_cast<DWORD>(huge.size() + 1));
    WriteNumber(kWavetableKey, kOverrideDefaultSetValue, 1);
    InstallAndOpen();
    EXPECT_STREQ("", Mixer().GetCustomSetFile());
    EXPECT_EQ(1u, Mixer().GetUseDefaultSet());
    EXPECT_EQ(0u, Stored(kOverrideDefaultSetValue));
}

} // namespace
