#pragma once
// The speaker test's fixture: a hidden owner window and a simulated sound system
// behind the seam for each test, the project's test sound, wave files of the
// tests' own and what the simulated speakers let a listener hear.
#include "app/speaker_test.h"
#include "simcard/sim_sound_buffer.h"
#include "simcard/sim_sound_system.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

// "NVTest.wav" beside the test program, and its bytes.
std::string TestSoundPath();
std::string TestSoundBytes();

// The 16 bytes a "fmt " chunk starts with; alignment and rate follow from the rest.
std::string WaveFormatBody(WORD tag, WORD channels, DWORD rate, WORD bits);
// A RIFF WAVE file with a 16-byte PCM "fmt " chunk and the given data.
std::string PcmWave(WORD channels, DWORD rate, WORD bits, const std::string& data);
// Frames of a 16-bit mono tone at half of full scale.
std::string ToneData(DWORD frames);

// The largest magnitude on each of the eight speaker channels.
using SpeakerPeaks = std::array<int, 8>;
// Speaker bits whose channel is louder than the threshold.
DWORD LoudSpeakers(const SpeakerPeaks& peaks, int threshold = 1000);

// The card's device index in the simulated machine.
constexpr size_t kCardDevice = 1;
constexpr const char* kProductName = "Halvard 5.1+";

class SoundTest : public testing::Test {
protected:
    SoundTest();
    ~SoundTest() override;

    HWND Owner() const { return m_owner; }
    SimSoundSystem& Sound() { return m_sound; }
    // Initialises on the card's device by the product name and loads the test sound.
    void Prepare(CSpeakerTest& test, const std::string& soundPath = TestSoundPath());
    // Renders frames and reads a device's output back from the wave file the
    // simulated system writes; the output is emptied.
    SpeakerPeaks RenderPeaks(DWORD frames, size_t device = kCardDevice);

private:
    HWND m_owner;
    SimSoundSystem m_sound;
    SimSoundInstallation m_installation;
};
