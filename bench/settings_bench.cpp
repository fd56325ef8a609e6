// Saves and loads the whole six-channel simulated card's settings file, printing
// the time of each.
#include <windows.h>

#include <chrono>
#include <cstdio>

#include "mixer/wss_mixer.h"
#include "simcard/sim_card.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRounds = 200;

void DrainMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
}

} // namespace

int main()
{
    SimCard& card = SimCard::Instance();
    card.MixerDevices().Store().SetKey(""); // nothing written to the registry
    card.Install(SimCardModel::Six);
    CWssMixer mixer;
    if (!mixer.Open("Halvard 5.1+", 0, 0)) {
        std::printf("the simulated mixer did not open\n");
        return 1;
    }
    char folder[MAX_PATH] = {};
    char path[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    GetTempFileNameA(folder, "msp", 0, path);

    double saveMs = 0;
    double loadMs = 0;
    for (int round = 0; round < kRounds; ++round) {
        const Clock::time_point saveStart = Clock::now();
        FILE* out = std::fopen(path, "w");
        mixer.SaveSettings(out);
        std::fclose(out);
        saveMs += std::chrono::duration<double, std::milli>(Clock::now() - saveStart).count();
        DrainMessages();

        const Clock::time_point loadStart = Clock::now();
        FILE* in = std::fopen(path, "r");
        mixer.LoadSettings(in);
        std::fclose(in);
        loadMs += std::chrono::duration<double, std::milli>(Clock::now() - loadStart).count();
        DrainMessages();
    }
    DeleteFileA(path);
    std::printf("six-channel settings file: save %.3f ms, load %.3f ms (mean of %d, file opened and closed each time)\n",
                saveMs / kRounds, loadMs / kRounds, kRounds);
    card.Uninstall();
    return 0;
}
