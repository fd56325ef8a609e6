// The panel's start on the simulated six-channel card against a bare comctl32
// property sheet with eight empty pages: the time from the process's creation to
// the sheet painted, each measured inside its own process (this program started
// again as a child, nine runs each, medians of wall and processor time), with the
// panel's share before its start-up (process and simulated card) and in it; the
// private bytes after start-up; and the timer and paint wake-ups per second over
// 10 s while the sheet is shown, hidden (in the tray) and minimised.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/main_sheet.h"
#include "app/panel_app.h"
#include "simcard/sim_card_switch.h"
#include "skin/scheme/cool_messages.h"

namespace {

constexpr int kRuns = 9;
constexpr DWORD kIdleMs = 10000;
constexpr int kBarePages = 8;
constexpr int kTimelineSteps = 7;
constexpr int kWatchedRuns = 3;

double NowSinceProcessCreation()
{
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER a, b;
    a.LowPart = created.dwLowDateTime;
    a.HighPart = created.dwHighDateTime;
    b.LowPart = now.dwLowDateTime;
    b.HighPart = now.dwHighDateTime;
    return static_cast<double>(b.QuadPart - a.QuadPart) / 1e4;
}

// Processor time of this process so far (user and kernel), in milliseconds: less
// moved by other programs on a busy machine than the wall time.
double ProcessorMs()
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

// Private bytes of this process, in KiB; 0 when the system does not say.
SIZE_T PrivateKiB()
{
    struct Counters {
        DWORD cb;
        DWORD PageFaultCount;
        SIZE_T PeakWorkingSetSize, WorkingSetSize, QuotaPeakPagedPoolUsage, QuotaPagedPoolUsage,
            QuotaPeakNonPagedPoolUsage, QuotaNonPagedPoolUsage, PagefileUsage, PeakPagefileUsage, PrivateUsage;
    } counters = {};
    counters.cb = sizeof(counters);
    using Query = BOOL(WINAPI*)(HANDLE, void*, DWORD);
    HMODULE library = LoadLibraryA("psapi.dll");
    auto query = reinterpret_cast<Query>(reinterpret_cast<void*>(GetProcAddress(library, "GetProcessMemoryInfo")));
    if (query == nullptr)
        return 0;
    if (query(GetCurrentProcess(), &counters, sizeof(counters)) && counters.PrivateUsage != 0)
        return counters.PrivateUsage / 1024;
    // Without the extended record, the page-file usage is the private bytes.
    counters.cb = offsetof(Counters, PrivateUsage);
    if (!query(GetCurrentProcess(), &counters, counters.cb))
        return 0;
    return counters.PagefileUsage / 1024;
}

// What the panel's thread does during its start, seen from outside: the moments its
// windows are created and first painted, and how many scheme, paint and erase
// messages its windows get.
struct Timeline {
    double firstWindow = 0; // the card's own window: the card is open
    double sheetWindow = 0; // the sheet constructed, its window being created
    double firstPage = 0;   // the first page's dialog being created
    double firstPaint = 0;  // the first paint of any of its windows
};

Timeline g_timeline;
int g_scheme = 0, g_paint = 0, g_erase = 0, g_ncPaint = 0, g_colour = 0;

void CountMessage(UINT message)
{
    if (message >= WM_COOL_SETCOLOR && message <= WM_COOL_GETLAYOUT)
        ++g_scheme;
    else if (message == WM_PAINT) {
        ++g_paint;
        if (g_timeline.firstPaint == 0)
            g_timeline.firstPaint = NowSinceProcessCreation();
    } else if (message == WM_ERASEBKGND)
        ++g_erase;
    else if (message == WM_NCPAINT)
        ++g_ncPaint;
    else if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
        ++g_colour;
}

void CountDispatched(UINT message)
{
    if (message == WM_PAINT)
        CountMessage(message);
}

void ResetCounts()
{
    g_scheme = g_paint = g_erase = g_ncPaint = g_colour = 0;
}

LRESULT CALLBACK CountSent(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION)
        CountMessage(reinterpret_cast<const CWPSTRUCT*>(lParam)->message);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK WatchCreation(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        const CREATESTRUCTA* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
        const double now = NowSinceProcessCreation();
        // Dialogs are created with the atom of the dialog class.
        const bool dialog = create->lpszClass == MAKEINTATOM(32770) ||
                            (HIWORD(reinterpret_cast<ULONG_PTR>(create->lpszClass)) != 0 &&
                             std::strcmp(create->lpszClass, "#32770") == 0);
        if (g_timeline.firstWindow == 0)
            g_timeline.firstWindow = now;
        if (dialog && (create->style & WS_CHILD) == 0 && g_timeline.sheetWindow == 0)
            g_timeline.sheetWindow = now;
        else if (dialog && (create->style & WS_CHILD) != 0 && g_timeline.firstPage == 0)
            g_timeline.firstPage = now;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::string Counts()
{
    char line[160];
    std::snprintf(line, sizeof(line), "%d %d %d %d %d", g_scheme, g_paint, g_erase, g_ncPaint, g_colour);
    return line;
}

// Shown, and no window of the thread left to paint: timers (the work after the
// first paint) come only after this.
bool IsPainted(HWND window)
{
    return IsWindowVisible(window) && (HIWORD(GetQueueStatus(QS_PAINT)) & QS_PAINT) == 0;
}

// Dispatches messages until the window is shown with nothing left to paint.
void PumpUntilPainted(HWND window)
{
    for (;;) {
        MSG message;
        while (!IsPainted(window) && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            CountDispatched(message.message);
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (IsPainted(window))
            return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

// Timer and paint messages of the thread over the time, nothing else waking it.
struct Wakeups {
    int timers = 0;
    int paints = 0;
    int all = 0;
};

Wakeups CountIdle(DWORD ms)
{
    Wakeups counted;
    const DWORD start = GetTickCount();
    for (DWORD elapsed = 0; elapsed < ms; elapsed = GetTickCount() - start) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - elapsed, QS_ALLINPUT);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            ++counted.all;
            counted.timers += message.message == WM_TIMER ? 1 : 0;
            counted.paints += message.message == WM_PAINT ? 1 : 0;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return counted;
}

INT_PTR CALLBACK EmptyPageProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

// An empty page template of the panel's page size.
std::vector<WORD> EmptyPageTemplate()
{
    std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD) + 3, 0);
    auto* header = reinterpret_cast<DLGTEMPLATE*>(words.data());
    header->style = WS_CHILD;
    header->cx = 320;
    header->cy = 200;
    return words;
}

int BareChild(const char* resultFile)
{
    INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);
    std::vector<WORD> page = EmptyPageTemplate();
    PROPSHEETPAGEA pages[kBarePages] = {};
    const char* titles[kBarePages] = {"Playback", "Sources", "Record", "Digital", "EQ", "MIDI", "3D Settings", "Misc"};
    for (int i = 0; i < kBarePages; ++i) {
        pages[i].dwSize = sizeof(PROPSHEETPAGEA);
        pages[i].dwFlags = PSP_DLGINDIRECT | PSP_USETITLE;
        pages[i].pResource = reinterpret_cast<LPCDLGTEMPLATEA>(page.data());
        pages[i].pszTitle = titles[i];
        pages[i].pfnDlgProc = &EmptyPageProc;
    }
    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof(header);
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_MODELESS;
    header.pszCaption = "Bare";
    header.nPages = kBarePages;
    header.ppsp = pages;
    const HWND sheet = reinterpret_cast<HWND>(PropertySheetA(&header));
    if (sheet == nullptr)
        return 1;
    ShowWindow(sheet, SW_SHOWNORMAL);
    PumpUntilPainted(sheet);
    const double ms = NowSinceProcessCreation();
    FILE* out = std::fopen(resultFile, "w");
    if (out != nullptr) {
        std::fprintf(out, "%.1f %.1f %lu\n", ms, ProcessorMs(), static_cast<unsigned long>(PrivateKiB()));
        std::fclose(out);
    }
    DestroyWindow(sheet);
    return 0;
}

int PanelChild(const char* resultFile, bool idle, bool watched)
{
    SetEnvironmentVariableA("HALVARD_SIMCARD", "six");
    InstallSimulatedCardFromEnvironment();
    const double beforeStart = NowSinceProcessCreation();
    // The hooks cost every message a trip to the server: the timed runs go without them.
    HHOOK creation = watched ? SetWindowsHookExA(WH_CBT, &WatchCreation, nullptr, GetCurrentThreadId()) : nullptr;
    HHOOK sent = watched ? SetWindowsHookExA(WH_CALLWNDPROC, &CountSent, nullptr, GetCurrentThreadId()) : nullptr;
    CPanelApp app(std::vector<std::string>{});
    if (!app.InitInstance())
        return 1;
    const double started = NowSinceProcessCreation();
    auto* sheet = dynamic_cast<VUDO4Ruruz*>(app.m_pMainWnd);
    if (sheet == nullptr)
        return 1;
    PumpUntilPainted(sheet->m_hWnd);
    const double ms = NowSinceProcessCreation();
    const double cpu = ProcessorMs();
    const SIZE_T kib = PrivateKiB();
    const std::string startCounts = Counts();
    // The work after the first paint comes with the sheet's first timer message; a
    // second later it is long done (the meters' poll keeps the queue busy meanwhile).
    ResetCounts();
    double settled = 0;
    const DWORD pumpStart = GetTickCount();
    while (GetTickCount() - pumpStart < 1000) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
            if (settled == 0 && message.message == WM_TIMER && message.hwnd == sheet->m_hWnd)
                settled = NowSinceProcessCreation();
        }
    }
    const SIZE_T idleKiB = PrivateKiB();
    // A page switch there and back: Playback to EQ, EQ to Playback.
    std::string switchCounts[2];
    for (int i = 0; i < 2; ++i) {
        ResetCounts();
        sheet->SendMessage(PSM_SETCURSEL, i == 0 ? 4 : 0, 0);
        PumpUntilPainted(sheet->m_hWnd);
        switchCounts[i] = Counts();
    }
    if (sent != nullptr)
        UnhookWindowsHookEx(sent);
    if (creation != nullptr)
        UnhookWindowsHookEx(creation);
    FILE* out = std::fopen(resultFile, "w");
    if (out == nullptr)
        return 1;
    std::fprintf(out, "%.1f %.1f %lu %.1f %.1f\n", ms, cpu, static_cast<unsigned long>(kib), beforeStart,
                 started - beforeStart);
    std::fprintf(out, "timeline %.1f %.1f %.1f %.1f %.1f %.1f %.1f %lu\n", beforeStart, g_timeline.firstWindow,
                 g_timeline.sheetWindow, g_timeline.firstPage, g_timeline.firstPaint, ms, settled,
                 static_cast<unsigned long>(idleKiB));
    std::fprintf(out, "counts %s | %s | %s\n", startCounts.c_str(), switchCounts[0].c_str(), switchCounts[1].c_str());
    if (idle) {
        const Wakeups shown = CountIdle(kIdleMs);
        sheet->ShowWindow(SW_HIDE);
        const Wakeups hidden = CountIdle(kIdleMs);
        sheet->ShowWindow(SW_SHOWMINIMIZED);
        const Wakeups minimised = CountIdle(kIdleMs);
        for (const auto& [what, counted] : {std::pair<const char*, Wakeups>{"shown", shown}, {"hidden", hidden},
                                            {"minimised", minimised}})
            std::fprintf(out, "%s %.2f %.2f %.2f\n", what, counted.timers * 1000.0 / kIdleMs,
                         counted.paints * 1000.0 / kIdleMs, counted.all * 1000.0 / kIdleMs);
    }
    std::fclose(out);
    app.ExitInstance();
    return 0;
}

std::string RunChild(const char* role)
{
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    char file[MAX_PATH] = {};
    GetTempFileNameA(folder, "hvb", 0, file);
    std::string command = std::string("\"") + self + "\" " + role + " \"" + file + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    std::string result;
    if (CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        WaitForSingleObject(process.hProcess, 120000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        FILE* in = std::fopen(file, "r");
        char line[256];
        while (in != nullptr && std::fgets(line, sizeof(line), in) != nullptr)
            result += line;
        if (in != nullptr)
            std::fclose(in);
    }
    DeleteFileA(file);
    return result;
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--bare") == 0)
        return BareChild(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "--panel") == 0)
        return PanelChild(argv[2], false, false);
    if (argc == 3 && std::strcmp(argv[1], "--timeline") == 0)
        return PanelChild(argv[2], false, true);
    if (argc == 3 && std::strcmp(argv[1], "--idle") == 0)
        return PanelChild(argv[2], true, false);

    std::vector<double> bare, panel, bareCpu, panelCpu, panelBefore, panelStart;
    std::vector<double> timeline[kTimelineSteps];
    std::string counts;
    unsigned long bareKiB = 0, panelKiB = 0, panelIdleKiB = 0;
    for (int run = 0; run < kRuns; ++run) {
        double ms = 0, cpu = 0;
        unsigned long kib = 0;
        if (std::sscanf(RunChild("--bare").c_str(), "%lf %lf %lu", &ms, &cpu, &kib) == 3) {
            bare.push_back(ms);
            bareCpu.push_back(cpu);
            bareKiB = kib;
        }
        double before = 0, start = 0;
        const std::string result = RunChild("--panel");
        if (std::sscanf(result.c_str(), "%lf %lf %lu %lf %lf", &ms, &cpu, &kib, &before, &start) == 5) {
            panel.push_back(ms);
            panelBefore.push_back(before);
            panelStart.push_back(start);
            panelCpu.push_back(cpu);
            panelKiB = kib;
        }
    }
    // Watched start-ups, apart from the timed ones.
    for (int run = 0; run < kWatchedRuns; ++run) {
        const std::string result = RunChild("--timeline");
        const size_t timelineAt = result.find("timeline ");
        double steps[kTimelineSteps] = {};
        unsigned long afterKiB = 0;
        if (timelineAt != std::string::npos &&
            std::sscanf(result.c_str() + timelineAt, "timeline %lf %lf %lf %lf %lf %lf %lf %lu", &steps[0], &steps[1],
                        &steps[2], &steps[3], &steps[4], &steps[5], &steps[6], &afterKiB) == 8) {
            for (int i = 0; i < kTimelineSteps; ++i)
                timeline[i].push_back(steps[i]);
            panelIdleKiB = afterKiB;
        }
        const size_t countsAt = result.find("counts ");
        if (countsAt != std::string::npos)
            counts = result.substr(countsAt + 7, result.find('\n', countsAt) - countsAt - 7);
    }
    const double bareMs = Median(bare), panelMs = Median(panel);
    const double bareCpuMs = Median(bareCpu), panelCpuMs = Median(panelCpu);
    std::printf("start-up, process creation to the sheet painted (median of %d; wall time, processor time):\n", kRuns);
    std::printf("  bare comctl32 sheet, 8 empty pages: %8.1f ms %8.1f ms   private %lu KiB\n", bareMs, bareCpuMs,
                bareKiB);
    std::printf("  panel, six-channel simulated card:  %8.1f ms %8.1f ms   private %lu KiB\n", panelMs, panelCpuMs,
                panelKiB);
    std::printf("    of which before the start-up %.1f ms, the start-up (card, sheet, speaker test) %.1f ms\n",
                Median(panelBefore), Median(panelStart));
    std::printf("  ratio panel / bare: wall %.2f, processor %.2f (goal at most 1.30)\n",
                bareMs > 0 ? panelMs / bareMs : 0.0, bareCpuMs > 0 ? panelCpuMs / bareCpuMs : 0.0);
    std::printf("  private bytes after the work that follows the first paint: %lu KiB, %.2f times the bare sheet\n",
                panelIdleKiB, bareKiB > 0 ? static_cast<double>(panelIdleKiB) / bareKiB : 0.0);
    const char* stepNames[kTimelineSteps] = {"process started, start-up begins", "card open (its first window)",
                                             "sheet constructed, its window created", "first page created",
                                             "first paint", "everything painted", "work after the first paint done"};
    std::printf("start-up timeline, ms since process creation (medians of %d watched runs, slower than the timed ones):\n",
                kWatchedRuns);
    for (int i = 0; i < kTimelineSteps; ++i)
        std::printf("  %8.1f  %s\n", Median(timeline[i]), stepNames[i]);
    std::printf("messages (scheme, paint, erase, frame paint, control colour), start-up | switch to EQ | back to "
                "Playback:\n  %s\n",
                counts.c_str());
    std::printf("wake-ups per second over %lu s (timer, paint, all messages):\n",
                static_cast<unsigned long>(kIdleMs / 1000));
    const std::string idle = RunChild("--idle");
    size_t at = idle.find('\n');
    while (at != std::string::npos && at + 1 < idle.size()) {
        const size_t end = idle.find('\n', at + 1);
        const std::string line = idle.substr(at + 1, end - at - 1);
        if (line.rfind("timeline", 0) != 0 && line.rfind("counts", 0) != 0)
            std::printf("  %s\n", line.c_str());
        at = end;
    }
    return 0;
}
