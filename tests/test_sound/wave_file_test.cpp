// Reading test sounds: well-formed files of several layouts, and damaged ones that
// must neither crash nor read past their data.
#include "test_sound/sound_test_support.h"

#include "app/wave_file.h"
#include "simcard/sim_riff_bytes.h"
#include "support/temp_file.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::string Pcm16() { return WaveFormatBody(WAVE_FORMAT_PCM, 1, 44100, 16); }

std::string WithExtra(std::string body, const std::string& extra)
{
    AppendLe16(body, static_cast<uint16_t>(extra.size()));
    return body + extra;
}

// A multichannel record's 22 extra bytes: valid bits, channel mask, sub-format.
std::string MultichannelExtra()
{
    std::string extra;
    AppendLe16(extra, 16);
    AppendLe32(extra, SPEAKER_FRONT_LEFT);
    extra.append(reinterpret_cast<const char*>(&kSubFormatPcm), sizeof(kSubFormatPcm));
    return extra;
}

struct Opened {
    bool open = false;
    std::vector<BYTE> format;
    std::vector<BYTE> data;
};

// Opens the bytes as a wave file and reads its data in pieces of the given size.
Opened Open(const std::string& bytes, DWORD piece = 4096)
{
    TempFile file;
    file.Write(bytes);
    CWaveFile wave;
    Opened opened;
    opened.open = wave.OpenWave(file.Path().c_str());
    if (!opened.open)
        return opened;
    const BYTE* format = reinterpret_cast<const BYTE*>(wave.Format());
    opened.format.assign(format, format + wave.FormatSize());
    std::vector<BYTE> block(piece);
    DWORD read = 0;
    while (wave.ReadData(piece, block.data(), &read) && read > 0)
        opened.data.insert(opened.data.end(), block.begin(), block.begin() + read);
    EXPECT_EQ(wave.DataSize(), opened.data.size());
    return opened;
}

std::vector<BYTE> Bytes(const std::string& text) { return std::vector<BYTE>(text.begin(), text.end()); }

TEST(WaveFileTest, FormatsAndChunkLayoutsAreRead)
{
    const std::string data = ToneData(301) + "z"; // odd length: the chunk is padded
    const std::string fmtPcm = RiffChunk("fmt ", Pcm16());
    const std::string dataChunk = RiffChunk("data", data);
    struct Case {
        const char* name;
        std::string file;
        std::string format; // the record expected: 16 bytes, extra size, extra bytes
    };
    const std::string pcmRecord = WithExtra(Pcm16(), "");
    const std::string multichannel =
        WithExtra(WaveFormatBody(WAVE_FORMAT_EXTENSIBLE, 1, 44100, 16), MultichannelExtra());
    const std::string adpcm = WithExtra(WaveFormatBody(2, 1, 22050, 4), "\x20\x01");
    const Case cases[] = {
        {"plain PCM", RiffForm("WAVE", fmtPcm + dataChunk), pcmRecord},
        {"PCM with an extra size field", RiffForm("WAVE", RiffChunk("fmt ", WithExtra(Pcm16(), "")) + dataChunk),
         pcmRecord},
        {"PCM ignores extra bytes", RiffForm("WAVE", RiffChunk("fmt ", WithExtra(Pcm16(), "ab")) + dataChunk),
         pcmRecord},
        {"multichannel", RiffForm("WAVE", RiffChunk("fmt ", multichannel) + dataChunk), multichannel},
        {"compressed with extra bytes", RiffForm("WAVE", RiffChunk("fmt ", adpcm) + dataChunk), adpcm},
        {"compressed without an extra size field",
         RiffForm("WAVE", RiffChunk("fmt ", WaveFormatBody(2, 1, 22050, 4)) + dataChunk),
         WithExtra(WaveFormatBody(2, 1, 22050, 4), "")},
        {"chunks before, between and after",
         RiffForm("WAVE", RiffChunk("LIST", "INFOjunk!") + fmtPcm + RiffChunk("fact", "1234") + dataChunk
                              + RiffChunk("smpl", std::string(40, '\x7F'))),
         pcmRecord},
        {"data before the format", RiffForm("WAVE", dataChunk + fmtPcm), pcmRecord},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (DWORD piece : {DWORD(7), DWORD(4096), DWORD(100000)}) {
            const Opened opened = Open(c.file, piece);
            ASSERT_TRUE(opened.open);
            EXPECT_EQ(Bytes(c.format), opened.format);
            EXPECT_EQ(Bytes(data), opened.data) << piece;
        }
    }
}

TEST(WaveFileTest, RewindReadsTheSameDataAgain)
{
    TempFile file;
    const std::string data = ToneData(5000);
    file.Write(PcmWave(1, 44100, 16, data));
    CWaveFile wave;
    ASSERT_TRUE(wave.OpenWave(file.Path().c_str()));
    std::vector<BYTE> first(3000), all(data.size() + 10);
    DWORD read = 0;
    ASSERT_TRUE(wave.ReadData(3000, first.data(), &read));
    ASSERT_TRUE(wave.RewindData());
    ASSERT_TRUE(wave.ReadData(static_cast<DWORD>(all.size()), all.data(), &read));
    EXPECT_EQ(data.size(), read);
    EXPECT_EQ(0, std::memcmp(all.data(), data.data(), data.size()));
    // At the end: nothing more, and no failure.
    EXPECT_TRUE(wave.ReadData(10, all.data(), &read));
    EXPECT_EQ(0u, read);
}

struct DamagedCase {
    const char* name;
    std::string file;
    bool opens;
    size_t dataBytes; // when it opens: the bytes of data the file really holds
};

std::vector<DamagedCase> DamagedFiles()
{
    const std::string data = ToneData(1000);
    const std::string fmtPcm = RiffChunk("fmt ", Pcm16());
    const std::string good = RiffForm("WAVE", fmtPcm + RiffChunk("data", data));
    std::string notRiff = good;
    notRiff.replace(0, 4, "RIFX");
    std::string notWave = good;
    notWave.replace(8, 4, "AVI ");
    const std::string overlong = RiffForm("WAVE", fmtPcm + RiffChunk("data", data, 0x7FFFFFF0));
    const uint32_t pastTheEnd = static_cast<uint32_t>(data.size() + 5000);
    const std::string beyondEnd = RiffForm("WAVE", fmtPcm + RiffChunk("data", data, pastTheEnd));
    const std::string compressed = WaveFormatBody(2, 1, 22050, 4);
    return {
        {"not RIFF", notRiff, false, 0},
        {"not WAVE", notWave, false, 0},
        {"format of 14 bytes", RiffForm("WAVE", RiffChunk("fmt ", Pcm16().substr(0, 14)) + RiffChunk("data", data)),
         false, 0},
        {"extra size beyond the chunk",
         RiffForm("WAVE", RiffChunk("fmt ", WithExtra(compressed, "ab").substr(0, 19)) + RiffChunk("data", data)),
         false, 0},
        {"extra size larger than the chunk",
         RiffForm("WAVE", RiffChunk("fmt ", compressed + std::string("\x40\x00xy", 4)) + RiffChunk("data", data)),
         false, 0},
        {"no data chunk", RiffForm("WAVE", fmtPcm + RiffChunk("LIST", "abcd")), false, 0},
        {"no format chunk", RiffForm("WAVE", RiffChunk("data", data)), false, 0},
        {"zero-length file", "", false, 0},
        {"only the RIFF header", good.substr(0, 12), false, 0},
        {"cut inside the format", good.substr(0, 30), false, 0},
        {"data size beyond the file's end", beyondEnd, true, data.size()},
        {"data size near 2 GB", overlong, true, data.size()},
        {"cut inside the data", good.substr(0, good.size() - 501), true, data.size() - 501},
        {"empty data", RiffForm("WAVE", fmtPcm + RiffChunk("data", "")), true, 0},
    };
}

TEST(WaveFileTest, DamagedFilesFailOrReadOnlyTheirData)
{
    for (const DamagedCase& c : DamagedFiles()) {
        SCOPED_TRACE(c.name);
        const Opened opened = Open(c.file);
        ASSERT_EQ(c.opens, opened.open);
        if (!opened.open)
            continue;
        ASSERT_EQ(c.dataBytes, opened.data.size());
        const size_t dataStart = c.file.find("data") + 8;
        EXPECT_EQ(0, std::memcmp(opened.data.data(), c.file.data() + dataStart, opened.data.size()));
    }
    CWaveFile wave;
    EXPECT_FALSE(wave.OpenWave("no such file.wav"));
    EXPECT_FALSE(wave.OpenWave(nullptr));
    EXPECT_EQ(nullptr, wave.Format());
}

class DamagedSoundTest : public SoundTest {};

// After each damaged file the speaker test plays the part the file holds, or nothing.
TEST_F(DamagedSoundTest, DamagedTestSoundsPlayTheirGoodPartOrNothing)
{
    for (const DamagedCase& c : DamagedFiles()) {
        SCOPED_TRACE(c.name);
        TempFile file;
        file.Write(c.file);
        CSpeakerTest test;
        ASSERT_EQ(DS_OK, test.InitSoundDevice(Owner(), kProductName));
        const bool loaded = SUCCEEDED(test.LoadTestSound(file.Path().c_str()));
        EXPECT_EQ(c.opens && c.dataBytes > 0, loaded);
        const HRESULT started = test.StartSpeaker(SPEAKER_FRONT_RIGHT, TRUE);
        EXPECT_EQ(loaded, SUCCEEDED(started));
        if (SUCCEEDED(started)) {
            const SimSoundBuffer* buffer = Sound().BufferOn(SPEAKER_FRONT_RIGHT);
            ASSERT_NE(nullptr, buffer);
            const size_t dataStart = c.file.find("data") + 8;
            EXPECT_EQ(Bytes(c.file.substr(dataStart, c.dataBytes)), buffer->Memory());
            EXPECT_EQ(DWORD(SPEAKER_FRONT_RIGHT), LoudSpeakers(RenderPeaks(441), 0));
        } else {
            EXPECT_EQ(0, test.ActiveCount());
            EXPECT_EQ(0, Sound().LiveObjects());
        }
    }
}

TEST(TestSoundFileTest, TheProjectsTestSoundIsAShortSoftToneInMono)
{
    CWaveFile wave;
    ASSERT_TRUE(wave.OpenWave(TestSoundPath().c_str())) << TestSoundPath();
    const WAVEFORMATEX* format = wave.Format();
    EXPECT_EQ(WAVE_FORMAT_PCM, format->wFormatTag);
    EXPECT_EQ(1, format->nChannels);
    EXPECT_EQ(44100u, format->nSamplesPerSec);
    EXPECT_EQ(16, format->wBitsPerSample);
    ASSERT_EQ(44100u, wave.DataSize()); // half a second
    std::vector<BYTE> data(wave.DataSize());
    DWORD read = 0;
    ASSERT_TRUE(wave.ReadData(wave.DataSize(), data.data(), &read));
    auto sample = [&](size_t frame) { return static_cast<int16_t>(data[2 * frame] | (data[2 * frame + 1] << 8)); };
    int peak = 0;
    for (size_t frame = 0; frame < 22050; ++frame)
        peak = std::max(peak, std::abs(static_cast<int>(sample(frame))));
    EXPECT_NEAR(16384, peak, 20);
    // Soft at both ends.
    for (size_t frame : {size_t(0), size_t(1), size_t(22048), size_t(22049)})
        EXPECT_LT(std::abs(static_cast<int>(sample(frame))), 50) << frame;
}

} // namespace
