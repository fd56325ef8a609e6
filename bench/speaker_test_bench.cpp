// The first start of a speaker test (sound device, primary format, eight buffers
// filled with the project's test sound, play) on the simulated card's sound system,
// printing the time it takes; the stop that follows lets everything go again.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/speaker_test.h"
#include "simcard/sim_sound_system.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRounds = 200;

std::string SoundBesideProgram()
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length < MAX_PATH ? length : 0);
    folder.erase(folder.find_last_of("\\/") + 1);
    return folder + "NVTest.wav";
}

bool Measure(const char* name, SimSoundSystem& sound, HWND owner, const std::string& soundPath)
{
    CSpeakerTest test;
    if (FAILED(test.InitSoundDevice(owner, "Halvard 5.1+")) || FAILED(test.LoadTestSound(soundPath.c_str()))) {
        std::printf("%s: the speaker test could not be prepared (%s)\n", name, soundPath.c_str());
        return false;
    }
    std::vector<double> samples;
    for (int round = 0; round < kRounds; ++round) {
        const Clock::time_point start = Clock::now();
        const HRESULT result = test.StartSpeaker(SPEAKER_FRONT_LEFT, TRUE);
        samples.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        if (FAILED(result)) {
            std::printf("%s: the start failed (0x%08lX)\n", name, static_cast<unsigned long>(result));
            return false;
        }
        test.StopSpeaker(SPEAKER_FRONT_LEFT, TRUE);
    }
    double mean = 0;
    for (double sample : samples)
        mean += sample;
    mean /= samples.size();
    std::sort(samples.begin(), samples.end());
    // Buffers made by one start, the primary buffer included.
    std::printf("%-46s mean %.3f ms  median %.3f ms  max %.3f ms  (%d rounds, %d buffers a start)\n", name, mean,
                samples[samples.size() / 2], samples.back(), kRounds, sound.CreatedBuffers() / kRounds);
    return true;
}

} // namespace

int main()
{
    HWND owner = CreateWindowExA(0, "STATIC", "speaker test bench", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    const std::string soundPath = SoundBesideProgram();
    bool measured = true;
    {
        SimSoundSystem sound;
        SimSoundInstallation installation(sound);
        measured &= Measure("first StartSpeaker, multichannel (8 buffers)", sound, owner, soundPath);
    }
    {
        SimSoundSystem sound;
        sound.Device(1).acceptsMultichannel = false;
        SimSoundInstallation installation(sound);
        measured &= Measure("first StartSpeaker, 3D fallback (4 buffers)", sound, owner, soundPath);
    }
    DestroyWindow(owner);
    return measured ? 0 : 1;
}
