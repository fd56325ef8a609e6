#include "test_sound/sound_test_support.h"

#include "app/wave_file.h"
#include "simcard/sim_riff_bytes.h"
#include "support/temp_file.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

std::string TestSoundPath()
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length < MAX_PATH ? length : 0);
    folder.erase(folder.find_last_of("\\/") + 1);
    return folder + "NVTest.wav";
}

std::string TestSoundBytes()
{
    std::ifstream in(TestSoundPath(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string WaveFormatBody(WORD tag, WORD channels, DWORD rate, WORD bits)
{
    std::string body;
    const WORD align = static_cast<WORD>(channels * bits / 8);
    AppendLe16(body, tag);
    AppendLe16(body, channels);
    AppendLe32(body, rate);
    AppendLe32(body, rate * align);
    AppendLe16(body, align);
    AppendLe16(body, bits);
    return body;
}

std::string PcmWave(WORD channels, DWORD rate, WORD bits, const std::string& data)
{
    return RiffForm("WAVE", RiffChunk("fmt ", WaveFormatBody(WAVE_FORMAT_PCM, channels, rate, bits))
                                + RiffChunk("data", data));
}

std::string ToneData(DWORD frames)
{
    std::string data;
    for (DWORD frame = 0; frame < frames; ++frame)
        AppendLe16(data, static_cast<uint16_t>(static_cast<int16_t>(16384 * std::sin(frame * 0.1425))));
    return data;
}

DWORD LoudSpeakers(const SpeakerPeaks& peaks, int threshold)
{
    DWORD speakers = 0;
    for (size_t channel = 0; channel < peaks.size(); ++channel) {
        if (peaks[channel] > threshold)
            speakers |= 1u << channel;
    }
    return speakers;
}

SoundTest::SoundTest()
    : m_owner(CreateWindowExA(0, "STATIC", "speaker test owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr)),
      m_installation(m_sound)
{
}

SoundTest::~SoundTest()
{
    if (m_owner != nullptr)
        DestroyWindow(m_owner);
}

void SoundTest::Prepare(CSpeakerTest& test, const std::string& soundPath)
{
    ASSERT_NE(nullptr, m_owner);
    ASSERT_EQ(DS_OK, test.InitSoundDevice(m_owner, kProductName));
    ASSERT_EQ(S_OK, test.LoadTestSound(soundPath.c_str())) << soundPath;
}

SpeakerPeaks SoundTest::RenderPeaks(DWORD frames, size_t device)
{
    SpeakerPeaks peaks = {};
    m_sound.Output(device).Clear();
    m_sound.Render(frames);
    TempFile file;
    const bool written = m_sound.Output(device).WriteWave(file.Path().c_str());
    m_sound.Output(device).Clear();
    EXPECT_TRUE(written);
    CWaveFile wave;
    if (!wave.OpenWave(file.Path().c_str())) {
        ADD_FAILURE() << "the recording does not open";
        return peaks;
    }
    const WAVEFORMATEX* format = wave.Format();
    EXPECT_EQ(WAVE_FORMAT_EXTENSIBLE, format->wFormatTag);
    EXPECT_EQ(8, format->nChannels);
    EXPECT_EQ(frames * 16u, wave.DataSize());
    std::vector<BYTE> data(wave.DataSize());
    DWORD read = 0;
    EXPECT_TRUE(wave.ReadData(wave.DataSize(), data.data(), &read));
    for (size_t sample = 0; sample + 1 < read; sample += 2) {
        const int value = std::abs(static_cast<int16_t>(data[sample] | (data[sample + 1] << 8)));
        int& peak = peaks[(sample / 2) % 8];
        peak = value > peak ? value : peak;
    }
    return peaks;
}
