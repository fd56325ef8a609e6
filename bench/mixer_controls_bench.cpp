// The generic mixer sheet on the simulated six-channel card: the time from a
// device change (the change event posted) to the bound fader painted again, and
// the cost of one 50 ms meter tick with every meter of the playback page visible,
// as a share of one core.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "mixer/controls/mixer_property_page.h"
#include "mixer/controls/mixer_property_sheet.h"
#include "mixer/controls/mixer_slider_ex.h"
#include "mixer/wss_mixer.h"
#include "simcard/sim_card.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kChanges = 400;
constexpr int kTicks = 400;
constexpr int kRounds = 5;
constexpr double kTickPeriodMs = 50.0;

double Milliseconds(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

void DrainMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void PumpFor(DWORD ms)
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        DrainMessages();
        Sleep(5);
    }
}

std::vector<const CMixerSliderEx*> MeteredFaders(const CMixerPropertyPage& page)
{
    std::vector<const CMixerSliderEx*> faders;
    for (const auto& fader : page.Sliders())
        if (fader->HasMeter())
            faders.push_back(fader.get());
    return faders;
}

void SetMeters(SimMixerDevices& devices, const std::vector<const CMixerSliderEx*>& faders, LONG level)
{
    for (const CMixerSliderEx* fader : faders)
        devices.SetMeterLevels(0, fader->GetMeterId(), {level, level});
}

int PaintsOf(const CMixerSliderEx& fader)
{
    return fader.GetFirstSlider()->GetDrawCounts().paints;
}

} // namespace

int main()
{
    INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_BAR_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&classes);
    SimCard& card = SimCard::Instance();
    card.MixerDevices().Store().SetKey(""); // nothing written to the registry
    card.Install(SimCardModel::Six);
    SimMixerDevices& devices = card.MixerDevices();

    CWssMixer mixer;
    if (!mixer.Open("Halvard 5.1+", 0, 0))
        return 1;
    CMixerPropertySheet sheet("Mixer", &mixer);
    if (!sheet.Create(nullptr, WS_POPUP | WS_CAPTION | WS_SYSMENU))
        return 1;
    sheet.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    sheet.ShowWindow(SW_SHOWNOACTIVATE);
    const CMixerPropertyPage& page = *sheet.GetPlaybackPage();
    const std::vector<const CMixerSliderEx*> metered = MeteredFaders(page);
    // Quiet meters first, so that only what is measured paints.
    SetMeters(devices, metered, 0);
    PumpFor(2000);

    // A change of the CD volume (a fader without meter), alternating two values.
    const CMixerSliderEx& cd = *page.Sliders()[7];
    const DWORD volume = cd.ControlId();
    double best = 1e9;
    double total = 0;
    unsigned unpainted = 0;
    for (int round = 0; round < kRounds; ++round) {
        const Clock::time_point start = Clock::now();
        for (int i = 0; i < kChanges; ++i) {
            const LONG value = (i % 2) != 0 ? 8000 : 60000;
            const int paintsBefore = PaintsOf(cd);
            devices.SetFromOutside(0, volume, {value, value});
            DrainMessages();
            unpainted += PaintsOf(cd) == paintsBefore ? 1 : 0;
        }
        const double perChange = Milliseconds(start, Clock::now()) / kChanges;
        best = std::min(best, perChange);
        total += perChange;
    }
    std::printf("device change to fader painted: %.3f ms per change (best of %d rounds), %.3f ms average; "
                "%u of %d changes without a paint\n",
                best, kRounds, total / kRounds, unpainted, kRounds * kChanges);

    // Meter ticks: every meter changes on every tick (full, then falling), with and
    // without the painting that follows.
    double bestTick = 1e9;
    double bestPoll = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        for (bool paint : {false, true}) {
            const Clock::time_point start = Clock::now();
            for (int i = 0; i < kTicks; ++i) {
                SetMeters(devices, metered, (i % 8) == 0 ? 32767 : 0);
                mixer.PollMeters();
                if (paint)
                    RedrawWindow(page.m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            }
            double& best = paint ? bestTick : bestPoll;
            best = std::min(best, Milliseconds(start, Clock::now()) / kTicks);
            RedrawWindow(page.m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        }
    }
    std::printf("meter tick with %zu meters visible: %.3f ms per tick = %.2f %% of one core at 50 ms "
                "(best of %d rounds of %d ticks)\n",
                metered.size(), bestTick, 100.0 * bestTick / kTickPeriodMs, kRounds, kTicks);
    std::printf("  of which reading the meters, stepping the levels and invalidating: %.3f ms = %.2f %%; "
                "the rest is the sliders' painting\n",
                bestPoll, 100.0 * bestPoll / kTickPeriodMs);

    sheet.DestroyWindow();
    card.Uninstall();
    return 0;
}
