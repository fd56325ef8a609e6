// Repaint times of the skinned controls on a page of 20 of them: each control from
// its cached faces (the paint of every day), and the whole page after a scheme
// change (every face drawn again). Needs a display.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "platform/wnd.h"
#include "skin/controls/cool_button.h"
#include "skin/controls/cool_combo_box.h"
#include "skin/controls/cool_edit.h"
#include "skin/controls/cool_list_ctrl.h"
#include "skin/scheme/cool_scheme.h"
#include "skin/controls/cool_scroll_bar.h"
#include "skin/scheme/cool_spread.h"
#include "skin/controls/cool_static.h"
#include "skin/controls/cool_status_bar_ctrl.h"
#include "skin/controls/cool_tab_ctrl.h"

namespace {

class Page : public CWnd {
public:
    Page()
    {
        RegisterWindowClass("HalvardBenchPage", 0, LoadCursorA(nullptr, IDC_ARROW),
                            reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
        CreateEx(0, "HalvardBenchPage", "Bench", WS_POPUP | WS_CLIPCHILDREN, {0, 0, 640, 420}, nullptr, 0);
        ShowWindow(SW_SHOWNOACTIVATE);
    }
    ~Page() override { DestroyWindow(); }
};

struct Control {
    const char* name;
    std::unique_ptr<CWnd> window;
};

// CPU time of this thread (the machine may be busy with other work), milliseconds.
double CpuNow()
{
    FILETIME created, exited, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
    const auto add = [](const FILETIME& t) {
        return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime);
    };
    return (add(kernel) + add(user)) / 10000.0;
}

double Now()
{
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

template <typename T>
Control Make(const char* name, const char* windowClass, DWORD style, const RECT& rect, HWND parent, int id,
             const std::function<void(T&)>& fill = nullptr)
{
    auto control = std::make_unique<T>();
    control->CreateEx(0, windowClass, name, WS_CHILD | WS_VISIBLE | style, rect, parent, static_cast<UINT>(id));
    if (fill)
        fill(*control);
    return {name, std::move(control)};
}

void Drain()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
}

} // namespace

int main()
{
    const INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    Page page;
    const HWND parent = page.m_hWnd;
    std::vector<Control> controls;
    int id = 100;
    for (int row = 0; row < 2; ++row) {
        const int y = 10 + row * 200;
        controls.push_back(Make<CCoolButton>("push button", "BUTTON", BS_PUSHBUTTON, {10, y, 110, y + 26}, parent, id++));
        controls.push_back(Make<CCoolButton>("check box", "BUTTON", BS_AUTOCHECKBOX, {10, y + 30, 110, y + 50}, parent,
                                             id++, [](CCoolButton& b) { b.SetCheck(BST_CHECKED); }));
        controls.push_back(Make<CCoolButton>("radio button", "BUTTON", BS_AUTORADIOBUTTON, {10, y + 54, 110, y + 74},
                                             parent, id++));
        controls.push_back(Make<CCoolButton>("group box", "BUTTON", BS_GROUPBOX, {120, y, 240, y + 90}, parent, id++));
        controls.push_back(Make<CCoolComboBox>("combo box", "COMBOBOX", CBS_DROPDOWNLIST, {250, y, 400, y + 120},
                                               parent, id++, [](CCoolComboBox& c) {
                                                   c.AddString("Microphone");
                                                   c.SetCurSel(0);
                                               }));
        controls.push_back(Make<CCoolEdit>("edit", "EDIT", ES_AUTOHSCROLL | WS_BORDER, {250, y + 30, 400, y + 52},
                                           parent, id++));
        controls.push_back(Make<CCoolListCtrl>("list", WC_LISTVIEWA, LVS_LIST | WS_BORDER, {410, y, 620, y + 90},
                                               parent, id++, [](CCoolListCtrl& l) {
                                                   for (const char* item : {"Front", "Rear", "Centre", "Bass"})
                                                       l.InsertItem(l.GetItemCount(), item);
                                               }));
        controls.push_back(Make<CCoolScrollBar>("scroll bar", "SCROLLBAR", SBS_HORZ, {250, y + 60, 400, y + 77}, parent,
                                                id++, [](CCoolScrollBar& s) {
                                                    SCROLLINFO info = {sizeof(info), SIF_ALL, 0, 100, 10, 30, 0};
                                                    s.SetScrollInfo(info);
                                                }));
        controls.push_back(Make<CCoolStatic>("static", "STATIC", SS_LEFT, {10, y + 100, 110, y + 120}, parent, id++,
                                             [row](CCoolStatic& s) { s.SetStyle(static_cast<unsigned>(row)); }));
        controls.push_back(row == 0 ? Make<CCoolStatusBarCtrl>("status bar", STATUSCLASSNAMEA,
                                                               CCS_NOPARENTALIGN | CCS_NORESIZE,
                                                               {10, y + 130, 620, y + 150}, parent, id++,
                                                               [](CCoolStatusBarCtrl& s) { s.SetText("Ready", 0); })
                                    : Make<CCoolTabCtrl>("tab", WC_TABCONTROLA, 0, {10, y + 130, 620, y + 190}, parent,
                                                         id++, [](CCoolTabCtrl& t) {
                                                             TCITEMA item = {};
                                                             item.mask = TCIF_TEXT;
                                                             for (const char* text : {"Mixer", "Effects"}) {
                                                                 item.pszText = const_cast<char*>(text);
                                                                 t.SendMessage(TCM_INSERTITEMA, 0,
                                                                               reinterpret_cast<LPARAM>(&item));
                                                             }
                                                         }));
    }
    CCoolScheme scheme;
    scheme.SetLight({320, 210});
    SpreadScheme(parent, scheme);
    page.UpdateWindow();
    Drain();

    // What a repaint costs the system alone: a platform static that only validates.
    const HWND plain = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 300, 100, 20, parent, nullptr,
                                       nullptr, nullptr);
    constexpr int kPaints = 300;
    double start = Now();
    for (int n = 0; n < kPaints; ++n) {
        InvalidateRect(plain, nullptr, FALSE);
        UpdateWindow(plain);
    }
    const double baseline = (Now() - start) / kPaints;
    DestroyWindow(plain);
    std::printf("Repaint from cached faces, per control (%d paints each)\n", kPaints);
    std::printf("  %-14s %10s %12s %12s\n", "", "own paint", "(cpu time)", "paint cycle");
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP target = CreateCompatibleBitmap(screen, 640, 420);
    HGDIOBJ old = SelectObject(memory, target);
    double paintTotal = 0;
    double cpuTotal = 0;
    double cycleTotal = 0;
    const size_t kinds = controls.size() / 2;
    for (size_t i = 0; i < kinds; ++i) {
        CWnd& window = *controls[i].window;
        window.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
        start = Now();
        const double cpuStart = CpuNow();
        for (int n = 0; n < kPaints; ++n)
            window.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
        const double paint = (Now() - start) / kPaints;
        const double paintCpu = (CpuNow() - cpuStart) / kPaints;
        cpuTotal += paintCpu;
        start = Now();
        for (int n = 0; n < kPaints; ++n) {
            window.Invalidate(false);
            window.UpdateWindow();
        }
        const double cycle = (Now() - start) / kPaints;
        paintTotal += paint;
        cycleTotal += cycle;
        std::printf("  %-14s %7.3f ms %9.3f ms %9.3f ms\n", controls[i].name, paint, paintCpu, cycle);
    }
    SelectObject(memory, old);
    DeleteObject(target);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    std::printf("  %-14s %7.3f ms %9.3f ms %9.3f ms   (goal: under 0.2 ms)\n", "average", paintTotal / kinds,
                cpuTotal / kinds, cycleTotal / kinds);
    std::printf("  the system's own invalidate-and-paint cycle of a platform static: %.3f ms\n", baseline);

    constexpr int kChanges = 40;
    const COLORREF backgrounds[] = {RGB(0x37, 0x44, 0x59), RGB(0x34, 0x5C, 0x5C), RGB(0x4E, 0x4E, 0x4E)};
    start = Now();
    const double cpuStart = CpuNow();
    double spreading = 0;
    for (int n = 0; n < kChanges; ++n) {
        scheme.SetColor(CCOL_BACKGROUND, backgrounds[n % 3]);
        const double spreadStart = Now();
        SpreadScheme(parent, scheme);
        spreading += Now() - spreadStart;
        page.UpdateWindow();
        // Every child was invalidated; each paints once, every face drawn anew.
        for (const Control& control : controls)
            control.window->UpdateWindow();
    }
    std::printf("Full repaint of the %zu-control page after a scheme change: %.2f ms, cpu time %.2f ms "
                "(goal: under 10 ms)\n",
                controls.size(), (Now() - start) / kChanges, (CpuNow() - cpuStart) / kChanges);
    std::printf("  of which passing the scheme on: %.2f ms\n", spreading / kChanges);
    return 0;
}
