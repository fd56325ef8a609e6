// Time of one meter update of a vertical audio slider 24 x 200 (levels changed,
// invalidated, painted), opaque and blended, and of a slider's whole life (create,
// first paint, destroy) for comparison.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>

#include "platform/wnd.h"
#include "skin/audio_slider.h"
#include "skin/cool_messages.h"

namespace {

class Host : public CWnd {
public:
    Host()
    {
        CWnd::RegisterWindowClass("HalvardSliderBench", 0, LoadCursorA(nullptr, IDC_ARROW),
                                  reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
        CreateEx(0, "HalvardSliderBench", "Bench", WS_POPUP | WS_CLIPCHILDREN, {0, 0, 200, 260}, nullptr, 0);
        ShowWindow(SW_SHOWNOACTIVATE);
    }
    ~Host() override { DestroyWindow(); }
};

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Create(CAudioSlider& slider, const Host& host)
{
    slider.CreateEx(0, TRACKBAR_CLASSA, "", WS_CHILD | WS_VISIBLE | TBS_VERT | TBS_AUTOTICKS | TBS_ENABLESELRANGE,
                    {10, 10, 34, 210}, host.GetSafeHwnd(), 789);
    slider.SetRange(0, 199, true);
    slider.SetTicFreq(33);
    slider.SetOptions(CAudioSlider::kShowPeak | CAudioSlider::kRightClickMeter);
    slider.UpdateWindow();
}

// Milliseconds per meter update.
double MeterUpdate(CAudioSlider& slider, int updates)
{
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < updates; ++i) {
        const int level = (i * 7) % 200;
        slider.SetLevels(level, 199 - level);
        slider.SetPeak(level / 2);
        slider.Invalidate(false);
        slider.UpdateWindow();
    }
    QueryPerformanceCounter(&end);
    return Seconds(start, end) * 1000.0 / updates;
}

} // namespace

int main()
{
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    Host host;
    constexpr int kUpdates = 5000;
    {
        CAudioSlider slider;
        Create(slider, host);
        MeterUpdate(slider, 200); // warm up
        const double opaque = MeterUpdate(slider, kUpdates);
        slider.SendMessage(WM_COOL_SETFLAGS, 0, RM_REFLECTIONS | RM_BLENDPICTURE | RM_AUTOSHADES);
        MeterUpdate(slider, 200);
        const double blended = MeterUpdate(slider, kUpdates);
        std::printf("meter update, vertical audio slider 24 x 200: %.4f ms opaque, %.4f ms blended at 127\n", opaque,
                    blended);
        std::printf("nine meters every 50 ms: %.2f %% of one core (opaque), %.2f %% (blended)\n",
                    opaque * 9 / 50 * 100, blended * 9 / 50 * 100);
    }
    constexpr int kLives = 200;
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < kLives; ++i) {
        CAudioSlider slider;
        Create(slider, host);
    }
    QueryPerformanceCounter(&end);
    std::printf("slider life (create, first paint, destroy): %.3f ms\n", Seconds(start, end) * 1000.0 / kLives);
    return 0;
}
