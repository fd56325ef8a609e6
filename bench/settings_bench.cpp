// Saves and loads the whole six-channel simulated card's settings file (driver
// section and mixer section), printing the time of each.
#include <windows.h>
#include <shlwapi.h>

#include <algorithm>
#include <chrono>
#include <vector>
#include <cstdio>

#include "driver/card_mixer.h"
#include "driver/driver_keys.h"
#include "simcard/sim_card.h"
#include "simcard/sim_driver.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRounds = 200;

void DrainMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
}

bool DriverKeysExist()
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kDriverSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

struct Timing {
    double mean = 0;
    double median = 0;
};

Timing Summary(std::vector<double> samples)
{
    Timing timing;
    for (double sample : samples)
        timing.mean += sample;
    timing.mean /= static_cast<double>(samples.size());
    std::sort(samples.begin(), samples.end());
    timing.median = samples[samples.size() / 2];
    return timing;
}

// Times one operation on the open file, kRounds times.
template <typename Operation>
Timing Measure(const char* path, const char* mode, Operation operation)
{
    std::vector<double> samples;
    for (int round = 0; round < kRounds; ++round) {
        const Clock::time_point start = Clock::now();
        FILE* file = std::fopen(path, mode);
        operation(file);
        std::fclose(file);
        samples.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        DrainMessages();
    }
    return Summary(samples);
}

} // namespace

int main()
{
    // The benchmark leaves the registry of the machine it runs on as it found it.
    const bool keysExisted = DriverKeysExist();
    SimCard& card = SimCard::Instance();
    card.MixerDevices().Store().SetKey(""); // no mixer values kept
    card.Install(SimCardModel::Six);
    SimDriver driver(SimCardModel::Six);
    Timing save;
    Timing load;
    Timing mixerSection;
    {
        SimDriverInstallation installation(driver);
        CCardMixer mixer;
        if (mixer.OpenCard("Halvard 5.1+") != 1) {
            std::printf("the simulated card did not open\n");
            return 1;
        }
        char folder[MAX_PATH] = {};
        char path[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, folder);
        GetTempFileNameA(folder, "msp", 0, path);
        save = Measure(path, "w", [&](FILE* file) { mixer.SaveSettings(file); });
        load = Measure(path, "r", [&](FILE* file) { mixer.LoadSettings(file); });
        mixerSection = Measure(path, "r", [&](FILE* file) { mixer.CWssMixer::LoadSettings(file); });
        DeleteFileA(path);
    }
    card.Uninstall();
    if (!keysExisted)
        SHDeleteKeyA(HKEY_LOCAL_MACHINE, kDriverSettingsKey);
    std::printf("six-channel card settings file, %d rounds each, file opened and closed each time:\n", kRounds);
    std::printf("  save:                  mean %6.3f ms, median %6.3f ms\n", save.mean, save.median);
    std::printf("  load:                  mean %6.3f ms, median %6.3f ms\n", load.mean, load.median);
    std::printf("  of which mixer section: mean %6.3f ms, median %6.3f ms\n", mixerSection.mean, mixerSection.median);
    std::printf("  (loading applies every driver key through the card's operations: registry writes and the\n"
                "   simulated driver's own work, such as re-reading the equalizer tables, are counted)\n");
    return 0;
}
