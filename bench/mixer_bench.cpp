// Opens the six-channel simulated mixer and times typed gets and sets through the
// mixer model against the same requests made directly through the mixer functions.
#include "mixer/mixer_functions.h"
#include "mixer/wss_mixer.h"
#include "simcard/sim_card.h"

#include <chrono>
#include <cstdio>

namespace {

using BenchMixer = CWssMixer;

using Clock = std::chrono::steady_clock;

double MicrosecondsPer(Clock::time_point start, int count)
{
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / count;
}

constexpr int kOpens = 200;
constexpr int kOperations = 200000;
// Every set posts a change message; fewer sets keep the message queue within its limit.
constexpr int kSets = 5000;
// A registry read each: fewer than the model's plain gets.
constexpr int kSharedGets = 20000;

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

    Clock::time_point start = Clock::now();
    for (int i = 0; i < kOpens; ++i) {
        BenchMixer mixer;
        if (!mixer.Open("Halvard 5.1+", 0, 0))
            return 1;
    }
    std::printf("open (choose, open, enumerate): %.1f us per open\n", MicrosecondsPer(start, kOpens));

    BenchMixer mixer;
    if (!mixer.Open("Halvard 5.1+", 0, 0))
        return 1;
    MixerControlEntry* volume = nullptr;
    if (!mixer.GetControl(0, 1, 0, volume)) // the Front volume
        return 1;
    const DWORD id = volume->control.dwControlID;

    DWORD left = 0, right = 0;
    start = Clock::now();
    for (int i = 0; i < kOperations; ++i)
        mixer.GetUnsignedPair(id, left, right);
    const double modelGet = MicrosecondsPer(start, kOperations);
    start = Clock::now();
    for (int i = 0; i < kSets; ++i)
        mixer.SetUnsignedPair(id, i & 0xFFFF, 0xFFFF - (i & 0xFFFF));
    const double modelSet = MicrosecondsPer(start, kSets);
    DrainMessages();

    // The same requests made directly, as a caller without the model would.
    DWORD values[2] = {};
    MIXERCONTROLDETAILS request = {};
    request.cbStruct = sizeof(request);
    request.dwControlID = id;
    request.cChannels = 2;
    request.cbDetails = sizeof(DWORD);
    request.paDetails = values;
    HMIXEROBJ object = reinterpret_cast<HMIXEROBJ>(mixer.Handle());
    start = Clock::now();
    for (int i = 0; i < kOperations; ++i) {
        MixerApi().getControlDetails(object, &request, MIXER_GETCONTROLDETAILSF_VALUE);
        left = values[0];
        right = values[1];
    }
    const double rawGet = MicrosecondsPer(start, kOperations);
    start = Clock::now();
    for (int i = 0; i < kSets; ++i) {
        values[0] = i & 0xFFFF;
        values[1] = 0xFFFF - (i & 0xFFFF);
        MixerApi().setControlDetails(object, &request, MIXER_SETCONTROLDETAILSF_VALUE);
    }
    const double rawSet = MicrosecondsPer(start, kSets);
    DrainMessages();

    std::printf("get pair: model %.3f us, raw mixer call %.3f us\n", modelGet, rawGet);
    std::printf("set pair: model %.3f us, raw mixer call %.3f us\n", modelSet, rawSet);
    std::printf("(last values %lu %lu)\n", static_cast<unsigned long>(left), static_cast<unsigned long>(right));

    // With the values kept in the registry, where the simulated card shares them
    // between programs: every read takes them from there.
    card.MixerDevices().Store().SetKey("Software\\Norvalis Dirizuzaro GmbH\\Simulated Card\\Mixer Bench");
    {
        BenchMixer shared;
        if (!shared.Open("Halvard 5.1+", 0, 0))
            return 1;
        start = Clock::now();
        for (int i = 0; i < kSets; ++i)
            shared.SetUnsignedPair(id, i & 0xFFFF, 0xFFFF - (i & 0xFFFF));
        const double sharedSet = MicrosecondsPer(start, kSets);
        DrainMessages();
        start = Clock::now();
        for (int i = 0; i < kSharedGets; ++i)
            shared.GetUnsignedPair(id, left, right);
        const double sharedGet = MicrosecondsPer(start, kSharedGets);
        std::printf("values shared between programs: get pair %.3f us, set pair %.3f us\n", sharedGet, sharedSet);
    }
    card.MixerDevices().Store().Remove();
    card.MixerDevices().Store().SetKey("");
    card.Uninstall();
    return 0;
}
