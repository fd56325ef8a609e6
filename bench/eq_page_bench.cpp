// What the EQ page costs while it sits on the screen: the panel on the simulated
// six-channel card with the EQ page active, its process's CPU time per second of
// wall time and the timer wake-ups per second over 10 s, with the peak meters on,
// with them off, and with the sheet hidden in the tray (the page's timer must not
// fire then).
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/main_sheet.h"
#include "app/panel_app.h"
#include "dialogs/eq_ids.h"
#include "driver/card_mixer.h"
#include "pages/nvp4_page_eq.h"
#include "simcard/sim_card_switch.h"

namespace {

constexpr DWORD kPhaseMs = 10000;

double ProcessCpuMs()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    ULARGE_INTEGER k, u;
    k.LowPart = kernel.dwLowDateTime;
    k.HighPart = kernel.dwHighDateTime;
    u.LowPart = user.dwLowDateTime;
    u.HighPart = user.dwHighDateTime;
    return static_cast<double>(k.QuadPart + u.QuadPart) / 1e4;
}

struct Phase {
    double cpuPercent = 0;   // of one core
    double timersPerSecond = 0;
    double pageTimersPerSecond = 0; // the EQ page's own timer
};

Phase Measure(HWND page, DWORD ms)
{
    int timers = 0, pageTimers = 0;
    const double cpuStart = ProcessCpuMs();
    const DWORD start = GetTickCount();
    for (DWORD elapsed = 0; elapsed < ms; elapsed = GetTickCount() - start) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - elapsed, QS_ALLINPUT);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_TIMER) {
                ++timers;
                pageTimers += message.hwnd == page ? 1 : 0;
            }
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    const double seconds = ms / 1000.0;
    return {(ProcessCpuMs() - cpuStart) / ms * 100.0, timers / seconds, pageTimers / seconds};
}

// A click on a check box of the page, as the user makes it.
void Click(HWND page, int id, bool checked)
{
    const HWND box = GetDlgItem(page, id);
    SendMessageA(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(box));
}

} // namespace

int main()
{
    SetEnvironmentVariableA("HALVARD_SIMCARD", "six");
    InstallSimulatedCardFromEnvironment();
    CPanelApp app(std::vector<std::string>{});
    if (!app.InitInstance())
        return 1;
    auto* sheet = dynamic_cast<VUDO4Ruruz*>(app.m_pMainWnd);
    if (sheet == nullptr)
        return 1;
    auto* eq = static_cast<CNVP4PageEQ*>(sheet->Page(MainSheetPage::Equalizer));
    if (eq == nullptr || !sheet->SetActivePage(eq) || eq->m_hWnd == nullptr)
        return 1;
    Click(eq->m_hWnd, IDC_EQ_ENABLE, true);
    Click(eq->m_hWnd, IDC_EQ_PEAK_METERS, true);
    Measure(eq->m_hWnd, 1000); // settle

    const Phase on = Measure(eq->m_hWnd, kPhaseMs);
    Click(eq->m_hWnd, IDC_EQ_PEAK_METERS, false);
    const Phase off = Measure(eq->m_hWnd, kPhaseMs);
    Click(eq->m_hWnd, IDC_EQ_PEAK_METERS, true);
    sheet->ShowWindow(SW_HIDE);
    const Phase hidden = Measure(eq->m_hWnd, kPhaseMs);
    sheet->ShowWindow(SW_SHOW);
    const Phase back = Measure(eq->m_hWnd, 2000);

    std::printf("EQ page on the six-channel simulated card, %lu s per phase\n",
                static_cast<unsigned long>(kPhaseMs / 1000));
    std::printf("%-28s %10s %14s %14s\n", "", "CPU %", "timers/s", "EQ timer/s");
    for (const auto& [what, phase] : {std::pair<const char*, Phase>{"shown, meters on", on},
                                      {"shown, meters off", off},
                                      {"hidden, meters on", hidden},
                                      {"shown again (2 s)", back}})
        std::printf("%-28s %10.2f %14.1f %14.1f\n", what, phase.cpuPercent, phase.timersPerSecond,
                    phase.pageTimersPerSecond);
    app.ExitInstance();
    return 0;
}
