// Time of one meter update of a vertical audio slider 24 x 200 (levels changed,
// invalidated, painted), opaque and blended, and of a slider's whole life (create,
// first paint, destroy) for comparison.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>

#include "platform/wnd.h"
#include "skin/controls/audio_slider.h"
#include "skin/scheme/cool_messages.h"

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

// A trackbar whose paint only validates: the cost of the paint cycle itself
// (invalidate, begin and end painting), for comparison.
class EmptySlider : public CSliderCtrl {
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_PAINT) {
            PAINTSTRUCT paint;
            BeginPaint(m_hWnd, &paint);
            EndPaint(m_hWnd, &paint);
            return 0;
        }
        return CSliderCtrl::WindowProc(message, wParam, lParam);
    }
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

// Milliseconds per meter update: the best of several batches, since the machine is
// shared and a batch that was not interrupted shows the cost itself.
double MeterUpdateBatch(CAudioSlider& slider, int updates)
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

double MeterUpdate(CAudioSlider& slider, int batches)
{
    double best = 1e9;
    for (int i = 0; i < batches; ++i)
        best = std::min(best, MeterUpdateBatch(slider, 200));
    return best;
}

} // namespace

int main()
{
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    Host host;
    constexpr int kBatches = 40;
    {
        CAudioSlider slider;
        Create(slider, host);
        MeterUpdateBatch(slider, 200); // warm up
        const double opaque = MeterUpdate(slider, kBatches);
        slider.SendMessage(WM_COOL_SETFLAGS, 0, RM_REFLECTIONS | RM_BLENDPICTURE | RM_AUTOSHADES);
        MeterUpdateBatch(slider, 200);
        const double blended = MeterUpdate(slider, kBatches);
        std::printf("meter update, vertical audio slider 24 x 200 (best of %d batches of 200): %.4f ms opaque, %.4f ms blended at 127\n", kBatches, opaque,
                    blended);
        std::printf("nine meters every 50 ms: %.2f %% of one core (opaque), %.2f %% (blended)\n",
                    opaque * 9 / 50 * 100, blended * 9 / 50 * 100);
    }
    {
        EmptySlider empty;
        empty.CreateEx(0, TRACKBAR_CLASSA, "", WS_CHILD | WS_VISIBLE | TBS_VERT, {60, 10, 84, 210}, host.GetSafeHwnd(), 790);
        double best = 1e9;
        for (int batch = 0; batch < kBatches; ++batch) {
            LARGE_INTEGER start, end;
            QueryPerformanceCounter(&start);
            for (int i = 0; i < 200; ++i) {
                empty.Invalidate(false);
                empty.UpdateWindow();
            }
            QueryPerformanceCounter(&end);
            best = std::min(best, Seconds(start, end) * 1000.0 / 200);
        }
        std::printf("paint cycle that draws nothing, for comparison: %.4f ms\n", best);
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
