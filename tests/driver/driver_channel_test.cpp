// The driver channel against the simulated driver: finding and opening the card,
// the request records, the status word, hardware information and the driver key.
#include "driver/driver_channel.h"

#include "platform/system_version.h"
#include "driver/device_functions.h"
#include "driver/driver_keys.h"
#include "simcard/sim_driver.h"
#include "simcard/sim_system.h"
#include "support/arch_layout.h"
#include "support/registry_guard.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

namespace {

const char* kServiceEnumKey = "SYSTEM\\CurrentControlSet\\Services\\dizuda\\Enum";

// The 32-bit layout is the driver channel's own; the 64-bit one carries whole addresses.
TEST(DriverRecords, SizesOffsetsAndCodesOfEachArchitecture)
{
    ExpectLayout({
        {"HardwareOpenRequest", sizeof(HardwareOpenRequest), 12, 12},
        {"HardwareOpenRequest.cookie", offsetof(HardwareOpenRequest, cookie), 8, 8},
        {"HardwareInfo", sizeof(HardwareInfo), 68, 68},
        {"HardwareInfo.cookie", offsetof(HardwareInfo, cookie), 4, 4},
        {"HardwareInfo.fourChannelCapable", offsetof(HardwareInfo, fourChannelCapable), 28, 28},
        {"HardwareInfo.sixChannelCapable", offsetof(HardwareInfo, sixChannelCapable), 32, 32},
        {"CommandRequest", sizeof(CommandRequest), 24, 40},
        {"CommandRequest.command", offsetof(CommandRequest, command), 4, 4},
        {"CommandRequest.arguments", offsetof(CommandRequest, arguments), 8, 8},
        {"CommandRequest.arguments[3]", offsetof(CommandRequest, arguments[3]), 20, 32},
        {"PropertyRequest", sizeof(PropertyRequest), 20, 20},
        {"PropertyRequest.property", offsetof(PropertyRequest, property), 4, 4},
        {"PropertyRequest.value1", offsetof(PropertyRequest, value1), 12, 12},
        {"PropertyRequest.value2", offsetof(PropertyRequest, value2), 16, 16},
        {"RegistryWriteRequest", sizeof(RegistryWriteRequest), 24, 48},
        {"RegistryWriteRequest.keyPath", offsetof(RegistryWriteRequest, keyPath), 4, 8},
        {"RegistryWriteRequest.valueName", offsetof(RegistryWriteRequest, valueName), 8, 16},
        {"RegistryWriteRequest.kind", offsetof(RegistryWriteRequest, kind), 12, 24},
        {"RegistryWriteRequest.data", offsetof(RegistryWriteRequest, data), 16, 32},
        {"RegistryWriteRequest.length", offsetof(RegistryWriteRequest, length), 20, 40},
    });
    const DWORD codes[] = {IOCTL_CARD_HW_OPEN, IOCTL_CARD_HW_INFO, IOCTL_CARD_COMMAND,
                           IOCTL_CARD_PROPERTY_QUERY, IOCTL_CARD_PROPERTY_GET,
                           IOCTL_CARD_PROPERTY_SET, IOCTL_CARD_REGISTRY_WRITE};
    const DWORD expected[] = {0x1D2027, 0x1D202B, 0x1D202F, 0x1D2093, 0x1D20DB, 0x1D20DF, 0x1D2247};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(expected[i], codes[i]);
}

class DriverChannelTest : public testing::Test {
protected:
    DriverChannelTest() : m_installation(m_driver) {}

    SimDriver m_driver;
    SimDriverInstallation m_installation;
};

TEST_F(DriverChannelTest, OpensTheFirstCardOnly)
{
    m_driver.SetCardCount(2);
    const HANDLE device = OpenCardDevice();
    ASSERT_NE(INVALID_HANDLE_VALUE, device);
    EXPECT_EQ(std::vector<int>{0}, m_driver.OpenedCards());
    EXPECT_EQ(std::vector<DWORD>{0}, m_driver.InterfaceIndicesAsked());
    EXPECT_EQ(0, m_driver.OpenDeviceSetCount());
    {
        CDriverChannel channel;
        channel.Attach(device);
        EXPECT_TRUE(channel.IsOpen());
    }
    EXPECT_EQ(0, m_driver.OpenHandleCount());
}

TEST_F(DriverChannelTest, NoCardOrAFailingStepGivesTheInvalidHandle)
{
    m_driver.SetCardCount(0);
    EXPECT_EQ(INVALID_HANDLE_VALUE, OpenCardDevice());
    m_driver.SetCardCount(1);
    for (SimSetupFault fault : {SimSetupFault::ClassDevs, SimSetupFault::InterfaceDetail,
                                SimSetupFault::Open}) {
        m_driver.SetSetupFault(fault);
        EXPECT_EQ(INVALID_HANDLE_VALUE, OpenCardDevice());
    }
    EXPECT_EQ(0, m_driver.OpenDeviceSetCount());
    EXPECT_EQ(0, m_driver.OpenHandleCount());
    EXPECT_TRUE(m_driver.Log().empty());
}

TEST_F(DriverChannelTest, StatusWordConvention)
{
    CDriverChannel channel;
    channel.Attach(OpenCardDevice());
    ASSERT_TRUE(channel.IsOpen());

    EXPECT_EQ(0u, channel.SendCommand(CMD_SOURCE_POSITION, 3, 0x40, 0xC0));
    ASSERT_EQ(1u, m_driver.Log().size());
    const SimDriverRequest& logged = m_driver.Log().back();
    EXPECT_EQ(IOCTL_CARD_COMMAND, logged.controlCode);
    EXPECT_EQ(CMD_SOURCE_POSITION, logged.code);
    EXPECT_EQ(OnArch(24, 40), logged.inputLength);
    EXPECT_EQ(3u, logged.arguments[0]);
    EXPECT_EQ(0xC0u, logged.arguments[2]);
    EXPECT_EQ(0x40, m_driver.State().speakers.balance[3]);

    // The driver's own answer, a fault it was given, and a call that never arrives.
    EXPECT_NE(0u, channel.SendCommand(CMD_SOURCE_POSITION, 19, 0, 0));
    m_driver.FailRequest(IOCTL_CARD_COMMAND, CMD_EQ_RELOAD, 0xC0000001);
    EXPECT_EQ(0xC0000001u, channel.SendCommand(CMD_EQ_RELOAD));
    EXPECT_EQ(0u, m_driver.State().equalizer.reloads);
    m_driver.DropRequests(IOCTL_CARD_COMMAND);
    EXPECT_EQ(kStatusNotAnswered, channel.SendCommand(CMD_EQ_ON));
    EXPECT_FALSE(m_driver.State().equalizer.on);
    m_driver.ClearFaults();

    channel.Close();
    EXPECT_FALSE(channel.IsOpen());
    const size_t logged_before = m_driver.Log().size();
    EXPECT_EQ(kStatusNotAnswered, channel.SendCommand(CMD_EQ_ON));
    DWORD value1 = 5, value2 = 6;
    EXPECT_EQ(kStatusNotAnswered, channel.GetProperty(PROP_VOICE_LIMITS, value1, value2));
    EXPECT_EQ(5u, value1);
    EXPECT_EQ(6u, value2);
    EXPECT_EQ(logged_before, m_driver.Log().size());
}

TEST_F(DriverChannelTest, DriverTakesOnlyItsArchitecturesRecordSizes)
{
    CDriverChannel channel;
    channel.Attach(OpenCardDevice());
    ASSERT_TRUE(channel.IsOpen());
    auto send = [&](DWORD controlCode, void* record, size_t length) {
        DWORD status = kStatusNotAnswered;
        DWORD returned = 0;
        DeviceApi().deviceIoControl(channel.Handle(), controlCode, record, static_cast<DWORD>(length),
                                    &status, sizeof(status), &returned, nullptr);
        return status;
    };
    CommandRequest command = {sizeof(CommandRequest), CMD_EQ_ON, {}};
    EXPECT_EQ(0u, send(IOCTL_CARD_COMMAND, &command, sizeof(command)));
    command.size = static_cast<DWORD>(OnArch(40, 24)); // the other architecture's record
    EXPECT_EQ(kSimStatusInvalidParameter, send(IOCTL_CARD_COMMAND, &command, sizeof(command)));
    command.size = sizeof(CommandRequest);
    EXPECT_EQ(kSimStatusInvalidParameter, send(IOCTL_CARD_COMMAND, &command, OnArch(20, 24)));

    const DWORD number = 1;
    RegistryWriteRequest write = {1, kDriverBasicsKey, "Unused", kRegistryWriteNumber, &number,
                                  sizeof(number)};
    EXPECT_EQ(kSimStatusInvalidParameter,
              send(IOCTL_CARD_REGISTRY_WRITE, &write, OnArch(20, 24)));
    EXPECT_EQ(OnArch(20, 24), m_driver.Log().back().inputLength);
}

TEST_F(DriverChannelTest, ClosedAndInvalidHandlesFailAsWindowsDoes)
{
    const HANDLE device = OpenCardDevice();
    ASSERT_TRUE(DeviceApi().closeHandle(device));
    EXPECT_FALSE(DeviceApi().closeHandle(device));
    CommandRequest request = {sizeof(CommandRequest), CMD_EQ_ON, {}};
    DWORD status = kStatusNotAnswered;
    DWORD returned = 0;
    for (HANDLE handle : {device, INVALID_HANDLE_VALUE}) {
        SetLastError(0);
        EXPECT_FALSE(DeviceApi().deviceIoControl(handle, IOCTL_CARD_COMMAND, &request, sizeof(request),
                                                 &status, sizeof(status), &returned, nullptr));
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
        EXPECT_EQ(kStatusNotAnswered, status);
    }
}

TEST_F(DriverChannelTest, HardwareInformationPerModelAndOnFailure)
{
    for (SimCardModel model : {SimCardModel::Six, SimCardModel::Four, SimCardModel::Stereo}) {
        SimDriver driver(model);
        SimDriverInstallation installation(driver);
        CDriverChannel channel;
        channel.Attach(OpenCardDevice());
        HardwareInfo info;
        ASSERT_TRUE(channel.ReadHardwareInfo(info));
        EXPECT_EQ(IsFourChannelCapable(model) ? 1u : 0u, info.fourChannelCapable);
        EXPECT_EQ(IsSixChannelCapable(model) ? 1u : 0u, info.sixChannelCapable);
        EXPECT_EQ(kHardwareInfoInputLength, driver.Log().back().inputLength);
    }

    CDriverChannel channel;
    channel.Attach(OpenCardDevice());
    HardwareInfo info;
    m_driver.FailRequest(IOCTL_CARD_HW_OPEN, 0, 1);
    EXPECT_FALSE(channel.ReadHardwareInfo(info));
    EXPECT_EQ(0, m_driver.CountRequests(IOCTL_CARD_HW_INFO));
    m_driver.ClearFaults();
    m_driver.FailRequest(IOCTL_CARD_HW_INFO, 0, 1);
    EXPECT_FALSE(channel.ReadHardwareInfo(info));
    m_driver.ClearFaults();

    // A driver that fills less than the record leaves the rest zero, not stale.
    m_driver.SetHardwareInfoAnswerBytes(28);
    ASSERT_TRUE(channel.ReadHardwareInfo(info));
    EXPECT_EQ(0u, info.fourChannelCapable);
    EXPECT_EQ(0u, info.sixChannelCapable);
}

TEST_F(DriverChannelTest, VoiceLimitPropertiesOfTheThreeDriverKinds)
{
    CDriverChannel channel;
    channel.Attach(OpenCardDevice());
    DWORD minimum = 0, limit = 0;

    m_driver.SetVoiceLimitKind(SimVoiceLimitKind::Registry);
    EXPECT_EQ(0u, channel.QueryProperty(PROP_VOICE_LIMITS_REGISTRY));
    EXPECT_NE(0u, channel.GetProperty(PROP_VOICE_LIMITS, minimum, limit));
    EXPECT_EQ(0u, channel.SetProperty(PROP_VOICE_LIMITS_EX, 16, 32));
    EXPECT_EQ(32u, m_driver.State().wavetable.voiceLimit);
    EXPECT_NE(0u, channel.SetProperty(PROP_VOICE_LIMITS_EX, 16, 65));

    m_driver.SetVoiceLimitKind(SimVoiceLimitKind::Property);
    EXPECT_NE(0u, channel.QueryProperty(PROP_VOICE_LIMITS_REGISTRY));
    EXPECT_EQ(0u, channel.SetProperty(PROP_VOICE_LIMITS, 16, 40));
    EXPECT_EQ(0u, channel.GetProperty(PROP_VOICE_LIMITS, minimum, limit));
    EXPECT_EQ(16u, minimum);
    EXPECT_EQ(40u, limit);

    m_driver.SetVoiceLimitKind(SimVoiceLimitKind::None);
    EXPECT_NE(0u, channel.QueryProperty(PROP_VOICE_LIMITS_REGISTRY));
    EXPECT_NE(0u, channel.GetProperty(PROP_VOICE_LIMITS, minimum, limit));
    EXPECT_NE(0u, channel.SetProperty(PROP_VOICE_LIMITS, 16, 24));
    EXPECT_NE(0u, channel.SetProperty(PROP_VOICE_LIMITS_EX, 16, 24));
}

TEST_F(DriverChannelTest, DriverWritesOnlyWithinTheBuffersItIsGiven)
{
    CDriverChannel channel;
    channel.Attach(OpenCardDevice());
    EXPECT_EQ(0u, channel.SendCommand(CMD_EQ_ON));
    DWORD levels[12];
    for (DWORD& level : levels)
        level = 0xEEEEEEEE;
    EXPECT_EQ(0u, channel.SendCommand(CMD_EQ_PEAK_LEVELS, PointerArgument(levels), 5 * 4));
    EXPECT_NE(0xEEEEEEEEu, levels[4]);
    EXPECT_EQ(0xEEEEEEEEu, levels[5]);
    EXPECT_EQ(0u, channel.SendCommand(CMD_EQ_PEAK_LEVELS, PointerArgument(levels), 12 * 4));
    EXPECT_EQ(0xEEEEEEEEu, levels[10]);

    DWORD status = 0xFFFF, second = 0xFFFF;
    m_driver.State().spdif.inputRate = 44100;
    m_driver.State().spdif.inputCopyBit = true;
    EXPECT_EQ(0u, channel.SendCommand(CMD_SPDIF_INPUT_STATUS, EP_SPDIF_IN, EP_MAIN_MIX,
                                      PointerArgument(&status), PointerArgument(&second)));
    EXPECT_EQ((44100u << 12) | 0x11u, status);
    m_driver.State().spdif.inputPresent = false;
    EXPECT_EQ(0u, channel.SendCommand(CMD_SPDIF_INPUT_STATUS, EP_SPDIF_IN, EP_MAIN_MIX,
                                      PointerArgument(&status), 0));
    EXPECT_EQ(0u, status);

    DWORD result = 7;
    EXPECT_EQ(0u, channel.SendCommand(CMD_SPDIF_CONNECT, EP_MAIN_MIX, EP_SPDIF_OUT, 0,
                                      PointerArgument(&result)));
    EXPECT_EQ(0u, result);
    EXPECT_EQ(0u, channel.SendCommand(CMD_SPDIF_CONNECT, EP_SOFTWARE_DVD, EP_SPDIF_OUT, 0,
                                      PointerArgument(&result)));
    EXPECT_EQ(1u, result); // the output already has a source
    EXPECT_EQ(0u, channel.SendCommand(CMD_SPDIF_DISCONNECT, EP_MAIN_MIX, EP_SPDIF_OUT));
    EXPECT_TRUE(m_driver.State().spdif.routes.empty());
}

TEST(SystemVersion, PlaysTheGivenSystem)
{
    {
        SimSystemInstallation system(SimSystem::WindowsMe);
        const SystemVersion version = QuerySystemVersion();
        EXPECT_EQ(4u, version.major);
        EXPECT_EQ(90u, version.minor);
        EXPECT_EQ(static_cast<DWORD>(VER_PLATFORM_WIN32_WINDOWS), version.platform);
    }
    {
        SimSystemInstallation system(SimSystem::Windows2000);
        EXPECT_EQ(5u, QuerySystemVersion().major);
        EXPECT_EQ(0u, QuerySystemVersion().minor);
    }
    // The prefix plays XP (5.1), or XP x64 (5.2) for a 64-bit build.
    EXPECT_EQ(5u, QuerySystemVersion().major);
    EXPECT_EQ(OnArch(1, 2), QuerySystemVersion().minor);
}

class PublishDriverKeyTest : public DriverChannelTest {
protected:
    PublishDriverKeyTest()
        : m_basics(HKEY_LOCAL_MACHINE, kDriverBasicsKey)
        , m_driverKey(HKEY_LOCAL_MACHINE, kDriverBasicsKey, kDriverKeyValue)
        , m_enum(HKEY_LOCAL_MACHINE, kServiceEnumKey)
        , m_instance(HKEY_LOCAL_MACHINE, kServiceEnumKey, "0")
    {
        m_channel.Attach(OpenCardDevice());
        DeleteRawValue(HKEY_LOCAL_MACHINE, kServiceEnumKey, "0");
    }

    std::string Published()
    {
        DWORD type = 0;
        std::vector<BYTE> data;
        EXPECT_TRUE(ReadRawValue(HKEY_LOCAL_MACHINE, kDriverBasicsKey, kDriverKeyValue, type, data));
        EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
        EXPECT_FALSE(data.empty());
        return data.empty() ? std::string("<none>") : std::string(reinterpret_cast<char*>(data.data()));
    }

    RegistryKeyGuard m_basics;
    RegistryValueGuard m_driverKey;
    RegistryKeyGuard m_enum;
    RegistryValueGuard m_instance;
    CDriverChannel m_channel;
};

TEST_F(PublishDriverKeyTest, MajorVersionFourUsesTheMatchingMediaDevice)
{
    SimMediaDevice other;
    other.hardwareId = std::string("PCI\\OTHER_DEVICE\0", 18) + '\0';
    other.driver = std::string("{4D36E96C-E325-11CE-BFC1-08002BE10318}\\0000") + '\0';
    m_driver.SetMediaDevices(
        {other, SimDriver::MatchingMediaDevice("{4D36E96C-E325-11CE-BFC1-08002BE10318}\\0003"),
         SimDriver::MatchingMediaDevice("{4D36E96C-E325-11CE-BFC1-08002BE10318}\\0004")});
    m_channel.PublishDriverKey(4);
    EXPECT_EQ("SYSTEM\\CurrentControlSet\\Services\\Class\\{4D36E96C-E325-11CE-BFC1-08002BE10318}\\0003",
              Published());
    EXPECT_EQ(0, m_driver.OpenDeviceSetCount());
    const SimDriverRequest& request = m_driver.Log().back();
    EXPECT_EQ(IOCTL_CARD_REGISTRY_WRITE, request.controlCode);
    EXPECT_EQ(kDriverBasicsKey, request.keyPath);
    EXPECT_EQ("DriverKey", request.valueName);

    m_driver.SetMediaDevices({other});
    m_channel.PublishDriverKey(4);
    EXPECT_EQ("", Published());
}

TEST_F(PublishDriverKeyTest, MajorVersionFourRefusesAnUnterminatedDriverProperty)
{
    SimMediaDevice device = SimDriver::MatchingMediaDevice("x");
    device.driver.assign(128, 'D'); // fills the buffer without a terminator
    SimMediaDevice longId = SimDriver::MatchingMediaDevice("y");
    longId.hardwareId.assign(256, 'H');
    m_driver.SetMediaDevices({longId, device});
    m_channel.PublishDriverKey(4);
    EXPECT_EQ("", Published());
}

TEST_F(PublishDriverKeyTest, LaterSystemsUseTheServiceDeviceList)
{
    m_channel.PublishDriverKey(5);
    EXPECT_EQ("", Published());

    const char instance[] = "PCI\\VEN_0000&DEV_0000\\3&61AAA01&0&48";
    ASSERT_TRUE(WriteRawValue(HKEY_LOCAL_MACHINE, kServiceEnumKey, "0", REG_SZ, instance, sizeof(instance)));
    m_channel.PublishDriverKey(5);
    EXPECT_EQ(std::string("SYSTEM\\CurrentControlSet\\Hardware Profiles\\Current\\System\\"
                          "CurrentControlSet\\Enum\\") + instance,
              Published());

    const std::string tooLong(128, 'P');
    ASSERT_TRUE(WriteRawValue(HKEY_LOCAL_MACHINE, kServiceEnumKey, "0", REG_SZ, tooLong.data(), 128));
    m_channel.PublishDriverKey(6);
    EXPECT_EQ("", Published());
}

} // namespace
