// The speaker-mode sequence: whatever the card is set to, the sound system is left
// at six speakers; the card keeps the chosen configuration.
#include "app/speaker_mode.h"

#include "simcard/sim_sound_system.h"
#include "support/card_bench.h"

#include <gtest/gtest.h>

TEST(SpeakerMode, SoundSystemAtSixSpeakersCardAtTheChosenOne)
{
    CardBench bench;
    ASSERT_TRUE(bench.Start(SimCardModel::Six));
    SimSoundSystem system;
    SimSoundInstallation installation(system);
    HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    CSpeakerTest sound;
    ASSERT_EQ(DS_OK, sound.InitSoundDevice(owner, "Halvard 5.1+"));
    const int card = system.DeviceIndex(sound.DeviceChoice());
    ASSERT_GE(card, 0);

    for (DWORD configuration : {DWORD(DSSPEAKER_QUAD), DWORD(DSSPEAKER_HEADPHONE), DWORD(DSSPEAKER_STEREO),
                                DWORD(DSSPEAKER_5POINT1)}) {
        SCOPED_TRACE(configuration);
        system.Device(static_cast<size_t>(card)).speakerConfiguration = DSSPEAKER_STEREO;
        RunSpeakerModeSequence(sound, bench.Mixer(), configuration);
        EXPECT_EQ(static_cast<DWORD>(DSSPEAKER_5POINT1), system.Device(static_cast<size_t>(card)).speakerConfiguration);
        EXPECT_EQ(configuration, bench.Mixer().GetSpeakerConfig() & 0xFF) << "the code, with the stereo geometry above it";
    }
    DestroyWindow(owner);
}
