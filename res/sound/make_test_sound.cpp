// Writes the speaker test's sound, "NVTest.wav": half a second of a 1 kHz tone at
// half of full scale, 44.1 kHz, 16-bit mono, with a 20 ms soft start and end so
// that no speaker clicks. A program of the build machine, run during the build.
// Usage: make_test_sound FILE...
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

namespace {

constexpr uint32_t kRate = 44100;
constexpr uint32_t kFrames = kRate / 2;
constexpr uint32_t kFadeFrames = kRate / 50;
constexpr double kFrequency = 1000.0;
constexpr double kAmplitude = 16384.0;
constexpr double kPi = 3.14159265358979323846;

void Le16(std::string& bytes, uint32_t value)
{
    bytes.push_back(static_cast<char>(value & 0xFF));
    bytes.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void Le32(std::string& bytes, uint32_t value)
{
    Le16(bytes, value & 0xFFFF);
    Le16(bytes, value >> 16);
}

double Envelope(uint32_t frame)
{
    const uint32_t edge = frame < kFrames - frame ? frame : kFrames - 1 - frame;
    if (edge >= kFadeFrames)
        return 1.0;
    return 0.5 - 0.5 * std::cos(kPi * edge / kFadeFrames);
}

std::string TestSound()
{
    std::string data;
    for (uint32_t frame = 0; frame < kFrames; ++frame) {
        const double value = kAmplitude * Envelope(frame) * std::sin(2.0 * kPi * kFrequency * frame / kRate);
        Le16(data, static_cast<uint16_t>(static_cast<int16_t>(std::lround(value))));
    }
    std::string wave = "RIFF";
    Le32(wave, 4 + 8 + 16 + 8 + static_cast<uint32_t>(data.size()));
    wave += "WAVEfmt ";
    Le32(wave, 16);
    Le16(wave, 1);         // PCM
    Le16(wave, 1);         // mono
    Le32(wave, kRate);
    Le32(wave, kRate * 2); // bytes per second
    Le16(wave, 2);         // block alignment
    Le16(wave, 16);        // bits per sample
    wave += "data";
    Le32(wave, static_cast<uint32_t>(data.size()));
    return wave + data;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string sound = TestSound();
    for (int i = 1; i < argc; ++i) {
        FILE* file = std::fopen(argv[i], "wb");
        if (file == nullptr) {
            std::fprintf(stderr, "make_test_sound: cannot write %s\n", argv[i]);
            return 1;
        }
        const bool written = std::fwrite(sound.data(), 1, sound.size(), file) == sound.size();
        if (std::fclose(file) != 0 || !written) {
            std::fprintf(stderr, "make_test_sound: cannot write %s\n", argv[i]);
            return 1;
        }
    }
    return argc > 1 ? 0 : 2;
}
