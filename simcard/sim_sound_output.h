#pragma once
// What one simulated sound device lets its speakers hear: eight channels, one per
// speaker position in the order of the speaker bits (front left, front right,
// centre, subwoofer, rear left, rear right, front left and right of centre), 16-bit
// at 44.1 kHz. It keeps the first ten seconds; Clear starts again.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

class SimSoundOutput {
public:
    static constexpr int kChannels = 8;
    static constexpr DWORD kRate = 44100;
    static constexpr DWORD kMaxFrames = 10 * kRate;

    // Appends mixed frames (kChannels values each), clipped to 16 bits.
    void Append(const std::vector<int32_t>& mixed);
    void Clear() { m_samples.clear(); }
    DWORD Frames() const { return static_cast<DWORD>(m_samples.size() / kChannels); }
    const std::vector<int16_t>& Samples() const { return m_samples; }

    // A multichannel RIFF WAVE file of everything kept.
    std::string WaveBytes() const;
    bool WriteWave(const char* path) const;

private:
    std::vector<int16_t> m_samples;
};
