// The speaker test plays on the sound device named like the card's mixer.
#include "test_sound/sound_test_support.h"

#include <string>
#include <vector>

namespace {

GUID DeviceGuid(BYTE n) { return {0x7A1B0000u + n, 0x11, 0x22, {0, 1, 2, 3, 4, 5, 6, n}}; }

SimSoundDevice Device(BYTE n, const std::string& description)
{
    SimSoundDevice device;
    device.guid = DeviceGuid(n);
    device.description = description;
    device.module = "module" + std::to_string(n) + ".sys";
    return device;
}

struct ChoiceCase {
    const char* name;
    std::vector<SimSoundDevice> devices;
    const char* deviceName;
    int chosen; // index into devices; -1: the default device
};

class DeviceChoiceTest : public SoundTest {};

TEST_F(DeviceChoiceTest, TheLastDeviceNamedLikeTheMixerIsChosenElseTheDefault)
{
    const std::string longName = std::string(kProductName) + " " + std::string(300, 'x');
    const ChoiceCase cases[] = {
        {"the last of several", {Device(1, "Other"), Device(2, "Halvard 5.1+ Wave"), Device(3, "Halvard 5.1+ Rear"),
                                 Device(4, "Another")}, kProductName, 2},
        {"none matching", {Device(1, "Onboard"), Device(2, "USB Headset")}, kProductName, -1},
        {"not at the start", {Device(1, "Onboard"), Device(2, "Wave (Halvard 5.1+)")}, kProductName, 1},
        {"case matters", {Device(1, "Onboard"), Device(2, "HALVARD 5.1+")}, kProductName, -1},
        {"long description", {Device(1, longName), Device(2, "Onboard")}, kProductName, 0},
        {"no name", {Device(1, "Onboard"), Device(2, "Halvard 5.1+")}, nullptr, -1},
        {"empty name", {Device(1, "Onboard"), Device(2, "Halvard 5.1+")}, "", -1},
    };
    for (const ChoiceCase& c : cases) {
        SCOPED_TRACE(c.name);
        Sound().SetDevices(c.devices);
        CSpeakerTest test;
        ASSERT_EQ(DS_OK, test.InitSoundDevice(Owner(), c.deviceName));
        // The default device first, without a GUID, then every device.
        ASSERT_EQ(c.devices.size() + 1, test.Devices().size());
        EXPECT_EQ(kNullGuid, test.Devices()[0].guid);
        for (size_t i = 0; i < c.devices.size(); ++i) {
            const SoundDeviceEntry& entry = test.Devices()[i + 1];
            EXPECT_EQ(c.devices[i].guid, entry.guid);
            EXPECT_EQ(c.devices[i].description.substr(0, 127), entry.description);
            EXPECT_EQ(c.devices[i].module, entry.module);
        }
        const GUID expected = c.chosen < 0 ? kNullGuid : c.devices[c.chosen].guid;
        EXPECT_EQ(expected, test.DeviceChoice());
        EXPECT_EQ(expected, Sound().CreationLog().back());

        // The sound comes out of that device only.
        ASSERT_EQ(S_OK, test.LoadTestSound(TestSoundPath().c_str()));
        ASSERT_EQ(DS_OK, test.StartSpeaker(SPEAKER_BACK_LEFT, TRUE));
        const size_t sounding = c.chosen < 0 ? 0 : static_cast<size_t>(c.chosen);
        for (size_t device = 0; device < c.devices.size(); ++device) {
            const DWORD expectedSpeakers = device == sounding ? SPEAKER_BACK_LEFT : 0;
            EXPECT_EQ(expectedSpeakers, LoudSpeakers(RenderPeaks(441, device), 0)) << device;
        }
        test.StopSpeaker(SPEAKER_BACK_LEFT, TRUE);
    }
}

TEST_F(DeviceChoiceTest, AMachineWithoutSoundDevicesFailsTheInitialisation)
{
    Sound().SetDevices({});
    CSpeakerTest test;
    EXPECT_EQ(DSERR_NODRIVER, test.InitSoundDevice(Owner(), kProductName));
    EXPECT_TRUE(test.Devices().empty());
    EXPECT_EQ(0, Sound().CreatedObjects());
}

} // namespace
