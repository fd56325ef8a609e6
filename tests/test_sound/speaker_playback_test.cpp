// Which speaker really sounds: the simulated sound system mixes what the speaker
// test's buffers play into one channel per speaker position.
#include "test_sound/sound_test_support.h"

#include "app/wave_file.h"
#include "support/temp_file.h"

#include <chrono>
#include <vector>

namespace {

constexpr DWORD kAllSpeakers = 0xFF;
constexpr DWORD kTenthOfASecond = 4410;

const DWORD kMasks[] = {SPEAKER_FRONT_LEFT, SPEAKER_FRONT_RIGHT, SPEAKER_FRONT_CENTER, SPEAKER_LOW_FREQUENCY,
                        SPEAKER_BACK_LEFT, SPEAKER_BACK_RIGHT, SPEAKER_FRONT_LEFT_OF_CENTER,
                        SPEAKER_FRONT_RIGHT_OF_CENTER};

std::vector<BYTE> TestSoundData()
{
    CWaveFile wave;
    std::vector<BYTE> data;
    if (!wave.OpenWave(TestSoundPath().c_str()))
        return data;
    data.resize(wave.DataSize());
    DWORD read = 0;
    wave.ReadData(wave.DataSize(), data.data(), &read);
    return data;
}

class SpeakerPlaybackTest : public SoundTest {};

TEST_F(SpeakerPlaybackTest, EachMaskPlaysTheTestSoundOnExactlyItsSpeaker)
{
    CSpeakerTest test;
    Prepare(test);
    const std::vector<BYTE> sound = TestSoundData();
    ASSERT_FALSE(sound.empty());
    for (DWORD mask : kMasks) {
        SCOPED_TRACE(mask);
        ASSERT_EQ(DS_OK, test.StartSpeaker(mask, TRUE));
        EXPECT_EQ(1, test.ActiveCount());
        const SimSoundBuffer* buffer = Sound().BufferOn(mask);
        ASSERT_NE(nullptr, buffer);
        EXPECT_TRUE(buffer->IsLooping());
        EXPECT_EQ(WAVE_FORMAT_EXTENSIBLE, buffer->Format().wFormatTag);
        EXPECT_EQ(sound, buffer->Memory());
        // Beyond the soft start: the tone at full strength on one channel, silence elsewhere.
        const SpeakerPeaks peaks = RenderPeaks(kTenthOfASecond);
        EXPECT_EQ(mask, LoudSpeakers(peaks));
        EXPECT_EQ(mask, LoudSpeakers(peaks, 0));
        EXPECT_GT(peaks[__builtin_ctz(mask)], 16000);
        EXPECT_EQ(DS_OK, test.StopSpeaker(mask, TRUE));
        EXPECT_EQ(0, test.ActiveCount());
    }
    EXPECT_EQ(8, test.ChannelCount());
}

TEST_F(SpeakerPlaybackTest, WithoutMultichannelMixingFourSpeakersPlayTheSoundInMono)
{
    Sound().Device(kCardDevice).acceptsMultichannel = false;
    CSpeakerTest test;
    Prepare(test);
    for (DWORD mask : {SPEAKER_FRONT_LEFT, SPEAKER_FRONT_RIGHT, SPEAKER_BACK_LEFT, SPEAKER_BACK_RIGHT}) {
        SCOPED_TRACE(mask);
        ASSERT_EQ(DS_OK, test.StartSpeaker(mask, TRUE));
        const SimSoundBuffer* buffer = Sound().BufferOn(mask);
        ASSERT_NE(nullptr, buffer);
        EXPECT_EQ(WAVE_FORMAT_PCM, buffer->Format().wFormatTag);
        EXPECT_EQ(1, buffer->Format().nChannels);
        EXPECT_EQ(mask, LoudSpeakers(RenderPeaks(kTenthOfASecond), 0));
        EXPECT_EQ(4u, Sound().LiveSecondaryBuffers().size());
        EXPECT_EQ(DS_OK, test.StopSpeaker(mask, TRUE));
    }
    // The other speakers have no buffer: nothing starts, the count stays.
    ASSERT_EQ(DS_OK, test.StartSpeaker(SPEAKER_FRONT_LEFT, TRUE));
    const DWORD withoutBuffer[] = {SPEAKER_FRONT_CENTER, SPEAKER_LOW_FREQUENCY, SPEAKER_FRONT_LEFT_OF_CENTER,
                                   SPEAKER_FRONT_RIGHT_OF_CENTER, 0, 3, 0x100};
    for (DWORD mask : withoutBuffer) {
        SCOPED_TRACE(mask);
        EXPECT_TRUE(FAILED(test.StartSpeaker(mask, TRUE)));
        EXPECT_EQ(1, test.ActiveCount());
        EXPECT_EQ(DWORD(SPEAKER_FRONT_LEFT), Sound().PlayingSpeakers());
    }
}

TEST_F(SpeakerPlaybackTest, TheDeviceGoesWithTheLastSpeakerAndComesBackAnew)
{
    CSpeakerTest test;
    Prepare(test);
    const int initialObjects = Sound().CreatedObjects();
    EXPECT_EQ(0, Sound().LiveObjects());
    ASSERT_EQ(DS_OK, test.StartSpeaker(SPEAKER_FRONT_LEFT, TRUE));
    ASSERT_EQ(DS_OK, test.StartSpeaker(SPEAKER_FRONT_RIGHT, TRUE));
    EXPECT_EQ(initialObjects + 1, Sound().CreatedObjects());
    EXPECT_EQ(9, Sound().LiveBuffers()); // primary and eight speakers
    EXPECT_EQ(2, test.ActiveCount());

    EXPECT_EQ(DS_OK, test.StopSpeaker(SPEAKER_FRONT_LEFT, TRUE));
    EXPECT_EQ(1, Sound().LiveObjects());
    EXPECT_EQ(DWORD(SPEAKER_FRONT_RIGHT), Sound().PlayingSpeakers());
    EXPECT_EQ(DS_OK, test.StopSpeaker(SPEAKER_FRONT_RIGHT, TRUE));
    EXPECT_EQ(0, Sound().LiveObjects());
    EXPECT_EQ(0, Sound().LiveBuffers());
    EXPECT_FALSE(test.HasSoundDevice());

    const int buffersBefore = Sound().CreatedBuffers();
    ASSERT_EQ(DS_OK, test.StartSpeaker(SPEAKER_BACK_RIGHT, TRUE));
    EXPECT_EQ(initialObjects + 2, Sound().CreatedObjects());
    EXPECT_EQ(buffersBefore + 9, Sound().CreatedBuffers());
    EXPECT_EQ(DWORD(SPEAKER_BACK_RIGHT), LoudSpeakers(RenderPeaks(kTenthOfASecond)));
}

TEST_F(SpeakerPlaybackTest, AFailedStartAndItsStopLeaveTheOthersPlaying)
{
    CSpeakerTest test;
    Prepare(test);
    ASSERT_EQ(DS_OK, test.StartSpeaker(SPEAKER_FRONT_LEFT, TRUE));
    ASSERT_EQ(DS_OK, test.StartSpeaker(SPEAKER_FRONT_RIGHT, TRUE));
    Sound().FailNextPlay(DSERR_GENERIC);
    EXPECT_EQ(DSERR_GENERIC, test.StartSpeaker(SPEAKER_FRONT_CENTER, TRUE));
    EXPECT_EQ(2, test.ActiveCount());
    // Stopping the speaker that never started, and one that was never asked for.
    EXPECT_EQ(DS_OK, test.StopSpeaker(SPEAKER_FRONT_CENTER, TRUE));
    EXPECT_EQ(DS_OK, test.StopSpeaker(SPEAKER_BACK_LEFT, TRUE));
    EXPECT_EQ(2, test.ActiveCount());
    EXPECT_EQ(1, Sound().LiveObjects());
    EXPECT_EQ(DWORD(SPEAKER_FRONT_LEFT | SPEAKER_FRONT_RIGHT), LoudSpeakers(RenderPeaks(kTenthOfASecond)));
    // Starting a playing speaker again does not count it twice.
    EXPECT_EQ(DS_OK, test.StartSpeaker(SPEAKER_FRONT_LEFT, TRUE));
    EXPECT_EQ(2, test.ActiveCount());
    test.StopSpeaker(SPEAKER_FRONT_LEFT, TRUE);
    test.StopSpeaker(SPEAKER_FRONT_RIGHT, TRUE);
    EXPECT_EQ(0, Sound().LiveObjects());
}

TEST_F(SpeakerPlaybackTest, ALostBufferIsRestoredAndRefilledOrFailsTheStartSoon)
{
    CSpeakerTest test;
    Prepare(test);
    const std::vector<BYTE> sound = TestSoundData();
    ASSERT_EQ(DS_OK, test.StartSpeaker(SPEAKER_FRONT_LEFT, TRUE));

    ASSERT_TRUE(Sound().LoseBuffer(SPEAKER_FRONT_RIGHT, 3));
    int restores = Sound().RestoreCalls();
    ASSERT_EQ(DS_OK, test.StartSpeaker(SPEAKER_FRONT_RIGHT, TRUE));
    EXPECT_EQ(restores + 3, Sound().RestoreCalls());
    EXPECT_EQ(sound, Sound().BufferOn(SPEAKER_FRONT_RIGHT)->Memory());
    EXPECT_EQ(DWORD(SPEAKER_FRONT_LEFT | SPEAKER_FRONT_RIGHT), LoudSpeakers(RenderPeaks(kTenthOfASecond)));

    ASSERT_TRUE(Sound().LoseBuffer(SPEAKER_BACK_LEFT, 0));
    restores = Sound().RestoreCalls();
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(DSERR_BUFFERLOST, test.StartSpeaker(SPEAKER_BACK_LEFT, TRUE));
    const auto took = std::chrono::steady_clock::now() - started;
    EXPECT_LT(took, std::chrono::seconds(1));
    EXPECT_EQ(restores + CSpeakerTest::kRestoreTries, Sound().RestoreCalls());
    EXPECT_EQ(2, test.ActiveCount());
    EXPECT_EQ(DWORD(SPEAKER_FRONT_LEFT | SPEAKER_FRONT_RIGHT), Sound().PlayingSpeakers());
}

TEST_F(SpeakerPlaybackTest, ApplyingSpeakersStopsEveryTestSoundAndSetsTheConfiguration)
{
    CSpeakerTest test;
    Sound().Device(kCardDevice).speakerConfiguration = DSSPEAKER_STEREO;
    Prepare(test);
    // Initialisation remembers the system's configuration and gives it six speakers.
    EXPECT_EQ(DWORD(DSSPEAKER_STEREO), test.SpeakerConfiguration());
    EXPECT_EQ(DWORD(DSSPEAKER_5POINT1), Sound().Device(kCardDevice).speakerConfiguration);
    EXPECT_EQ(0, Sound().LiveObjects());

    for (DWORD mask : {SPEAKER_FRONT_LEFT, SPEAKER_FRONT_RIGHT, SPEAKER_LOW_FREQUENCY})
        ASSERT_EQ(DS_OK, test.StartSpeaker(mask, TRUE));
    EXPECT_EQ(DS_OK, test.ApplySoundSystemSpeakers(DSSPEAKER_QUAD));
    EXPECT_EQ(0u, Sound().PlayingSpeakers());
    EXPECT_EQ(0, test.ActiveCount());
    EXPECT_EQ(0, Sound().LiveObjects());
    EXPECT_EQ(0, Sound().LiveBuffers());
    EXPECT_EQ(DWORD(DSSPEAKER_QUAD), test.SpeakerConfiguration());
    EXPECT_EQ(DWORD(DSSPEAKER_QUAD), Sound().Device(kCardDevice).speakerConfiguration);

    // Without a test sound the configuration is still the panel's to set.
    EXPECT_TRUE(FAILED(test.LoadTestSound("no such sound.wav")));
    EXPECT_EQ(DS_OK, test.ApplySoundSystemSpeakers(DSSPEAKER_5POINT1));
    EXPECT_EQ(DWORD(DSSPEAKER_5POINT1), Sound().Device(kCardDevice).speakerConfiguration);
    const int objects = Sound().CreatedObjects();
    EXPECT_TRUE(FAILED(test.StartSpeaker(SPEAKER_FRONT_LEFT, TRUE)));
    EXPECT_EQ(objects, Sound().CreatedObjects());
    // A configuration the system refuses is reported and not remembered.
    EXPECT_EQ(DSERR_INVALIDPARAM, test.ApplySoundSystemSpeakers(0x7F));
    EXPECT_EQ(DWORD(DSSPEAKER_5POINT1), test.SpeakerConfiguration());
}

TEST_F(SpeakerPlaybackTest, DestructionLetsPlayingSpeakersAndTheDeviceGo)
{
    {
        CSpeakerTest test;
        Prepare(test);
        for (DWORD mask : {SPEAKER_BACK_LEFT, SPEAKER_FRONT_LEFT_OF_CENTER, SPEAKER_FRONT_CENTER})
            ASSERT_EQ(DS_OK, test.StartSpeaker(mask, FALSE));
        EXPECT_EQ(3, test.ActiveCount());
    }
    EXPECT_EQ(0, Sound().LiveObjects());
    EXPECT_EQ(0, Sound().LiveBuffers());
}

TEST_F(SpeakerPlaybackTest, ADeviceThatCannotBeMadeStartsNothing)
{
    CSpeakerTest test;
    Prepare(test);
    Sound().FailCreate(DSERR_ALLOCATED);
    EXPECT_EQ(DSERR_ALLOCATED, test.StartSpeaker(SPEAKER_FRONT_LEFT, TRUE));
    EXPECT_EQ(DSERR_ALLOCATED, test.ApplySoundSystemSpeakers(DSSPEAKER_QUAD));
    EXPECT_EQ(0, test.ActiveCount());
    Sound().FailCreate(DS_OK);
    EXPECT_EQ(DS_OK, test.StartSpeaker(SPEAKER_FRONT_LEFT, TRUE));
    EXPECT_EQ(DWORD(SPEAKER_FRONT_LEFT), LoudSpeakers(RenderPeaks(kTenthOfASecond)));
}

} // namespace
