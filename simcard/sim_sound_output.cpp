#include "simcard/sim_sound_output.h"

#include "platform/sound_records.h"
#include "simcard/sim_riff_bytes.h"

#include <algorithm>
#include <cstdio>

void SimSoundOutput::Append(const std::vector<int32_t>& mixed)
{
    const size_t room = static_cast<size_t>(kMaxFrames) * kChannels - m_samples.size();
    const size_t count = std::min(room, mixed.size() - mixed.size() % kChannels);
    for (size_t i = 0; i < count; ++i)
        m_samples.push_back(static_cast<int16_t>(std::clamp<int32_t>(mixed[i], -32768, 32767)));
}

std::string SimSoundOutput::WaveBytes() const
{
    constexpr WORD kBits = 16;
    constexpr WORD kBlock = kChannels * kBits / 8;
    std::string format;
    AppendLe16(format, WAVE_FORMAT_EXTENSIBLE);
    AppendLe16(format, kChannels);
    AppendLe32(format, kRate);
    AppendLe32(format, kRate * kBlock);
    AppendLe16(format, kBlock);
    AppendLe16(format, kBits);
    AppendLe16(format, kExtensibleExtraSize);
    AppendLe16(format, kBits);
    AppendLe32(format, (1u << kChannels) - 1);
    format.append(reinterpret_cast<const char*>(&kSubFormatPcm), sizeof(kSubFormatPcm));
    std::string data;
    data.reserve(m_samples.size() * sizeof(int16_t));
    for (int16_t sample : m_samples)
        AppendLe16(data, static_cast<uint16_t>(sample));
    return RiffForm("WAVE", RiffChunk("fmt ", format) + RiffChunk("data", data));
}

bool SimSoundOutput::WriteWave(const char* path) const
{
    FILE* file = std::fopen(path, "wb");
    if (file == nullptr)
        return false;
    const std::string bytes = WaveBytes();
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}
