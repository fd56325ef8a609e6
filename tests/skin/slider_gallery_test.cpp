// A row of sliders, audio sliders with meters at several levels, a knob and a
// progress bar, in three colour sets over a skinned background. With
// --gallery=<file.bmp> the screen under the window is saved there.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <fstream>
#include <memory>
#include <vector>

#include "skin/controls/audio_slider.h"
#include "skin/controls/cool_circ_slider.h"
#include "skin/scheme/cool_color_set.h"
#include "skin/draw/cool_dc.h"
#include "skin/draw/cool_memory_dc.h"
#include "skin/controls/cool_progress_ctrl.h"
#include "skin/scheme/cool_spread.h"
#include "slider_test_support.h"
#include "support/test_arguments.h"

namespace {

constexpr int kPanelWidth = 330;
constexpr int kPanelHeight = 300;

// A container with a shaded background that its sliders show through themselves.
class GalleryPanel : public CWnd, public CCoolScheme {
public:
    GalleryPanel(HWND parent, int left, const COOLCOLORSET& set)
    {
        CreateEx(0, SkinTestWindowClass(), "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                 {left, 0, left + kPanelWidth, kPanelHeight}, parent, 0);
        SetColor(CCOL_BACKGROUND, set.background);
        SetColor(CCOL_TEXT, set.text);
        SetColor(CCOL_STATIC, set.statics);
        SetColor(CCOL_PEAKHIGH, set.peakHigh);
        SetColor(CCOL_PEAKLOW, set.peakLow);
        SetFlags(set.renderMode | RM_AUTOSHADES);
        m_light = {kPanelWidth / 3, kPanelHeight / 4};
        CCoolMemoryDC dc(nullptr, m_background, kPanelWidth, kPanelHeight);
        POINT light = m_light;
        if (m_flags & kFlat)
            dc.FillSolidRect(dc.Rect(), m_colors[CCOL_BACKGROUND]);
        else
            dc.DrawShade(dc.Rect(), m_colors[CCOL_SHADOW], m_colors[CCOL_LIGHT], &light, 0);
    }
    int GetBkBitmap(HBITMAP* bitmap) override
    {
        *bitmap = m_background.GetHandle();
        return 1;
    }
    int GetBkRect(RECT* rect) override
    {
        GetClientRect(rect);
        ClientToScreen(rect);
        return 1;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_ERASEBKGND) {
            m_background.Draw(reinterpret_cast<HDC>(wParam), 0, 0);
            return TRUE;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }

private:
    CCoolBitmap m_background{1};
};

struct Column {
    std::unique_ptr<GalleryPanel> panel;
    std::vector<std::unique_ptr<CWnd>> controls;
};

template <class Control>
Control& Add(Column& column, DWORD exStyle, const char* windowClass, DWORD style, const RECT& rect)
{
    auto control = std::make_unique<Control>();
    control->CreateEx(exStyle, windowClass, "", WS_CHILD | WS_VISIBLE | style, rect, column.panel->GetSafeHwnd(),
                      static_cast<UINT>(100 + column.controls.size()));
    Control& made = *control;
    column.controls.push_back(std::move(control));
    return made;
}

void Fill(Column& column)
{
    CCoolSliderCtrl& plain = Add<CCoolSliderCtrl>(column, 0, TRACKBAR_CLASSA, TBS_VERT | TBS_AUTOTICKS | TBS_BOTH,
                                                  {10, 10, 50, 230});
    plain.SetRange(0, 20, true);
    plain.SetTicFreq(2);
    plain.SetPos(8);
    CCoolSliderCtrl& selection = Add<CCoolSliderCtrl>(column, WS_EX_CLIENTEDGE, TRACKBAR_CLASSA,
                                                      TBS_VERT | TBS_ENABLESELRANGE | TBS_NOTICKS, {55, 10, 85, 230});
    selection.SetRange(0, 100, true);
    selection.SetSelection(30, 80);
    selection.SetPos(10);
    const int levels[][2] = {{199, 199}, {150, 120}, {100, 90}, {40, 20}, {0, 10}};
    for (int i = 0; i < 5; ++i) {
        CAudioSlider& meter = Add<CAudioSlider>(column, 0, TRACKBAR_CLASSA,
                                                TBS_VERT | TBS_AUTOTICKS | TBS_ENABLESELRANGE,
                                                {92 + 36 * i, 10, 124 + 36 * i, 230});
        meter.SetRange(0, 199, true);
        meter.SetTicFreq(33);
        meter.SetPos(20 + 30 * i);
        meter.SetLevels(levels[i][0], levels[i][1]);
        meter.SetPeak(std::max(levels[i][0] - 25, 0));
        meter.SetOptions(CAudioSlider::kShowPeak | CAudioSlider::kRightClickMeter);
    }
    CAudioSlider& balance = Add<CAudioSlider>(column, 0, TRACKBAR_CLASSA, TBS_AUTOTICKS | TBS_ENABLESELRANGE,
                                              {10, 238, 200, 266});
    balance.SetRange(-10, 10, true);
    balance.SetPos(3);
    balance.SetLevels(-4, 2);
    CCoolCircSlider& knob = Add<CCoolCircSlider>(column, 0, TRACKBAR_CLASSA, 0, {210, 236, 262, 288});
    knob.SetRange(0, 100, true);
    knob.SetPos(70);
    CCoolProgressCtrl& bar = Add<CCoolProgressCtrl>(column, 0, PROGRESS_CLASSA, 0, {10, 272, 200, 290});
    bar.SetRange(0, 100);
    bar.SetPos(64);
    CCoolProgressCtrl& upright = Add<CCoolProgressCtrl>(column, 0, PROGRESS_CLASSA, PBS_VERTICAL, {272, 236, 290, 290});
    upright.SetRange(0, 100);
    upright.SetPos(40);
    SpreadScheme(column.panel->GetSafeHwnd(), *column.panel);
}

// The screen under the window, as a 24-bit bottom-up bitmap file.
bool SaveScreen(HWND window, const std::string& path)
{
    RECT rect;
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    DibCanvas canvas(width, height);
    HDC screen = GetDC(nullptr);
    BitBlt(canvas.dc(), 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    const int stride = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(stride * height);
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&info), sizeof(info));
    std::vector<char> row(static_cast<size_t>(stride), 0);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF pixel = canvas.Pixel(x, y);
            row[static_cast<size_t>(x * 3)] = static_cast<char>(GetBValue(pixel));
            row[static_cast<size_t>(x * 3 + 1)] = static_cast<char>(GetGValue(pixel));
            row[static_cast<size_t>(x * 3 + 2)] = static_cast<char>(GetRValue(pixel));
        }
        out.write(row.data(), stride);
    }
    return static_cast<bool>(out);
}

} // namespace

TEST(SliderGallery, ThreeColourSetsPaintTheirMeters)
{
    ScrollHost host(3 * kPanelWidth + 20, kPanelHeight);
    const BuiltInColorSets sets = BuildBuiltInColorSets(nullptr);
    const int chosen[] = {3, 8, 6}; // Midnight Blue, Hot Metal, Black/White (flat)
    Column columns[3];
    for (int i = 0; i < 3; ++i) {
        columns[i].panel = std::make_unique<GalleryPanel>(host.GetSafeHwnd(), i * (kPanelWidth + 10),
                                                          sets[static_cast<size_t>(chosen[i])].colors);
        Fill(columns[i]);
    }
    RedrawWindow(host.GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    // The fully lit meter (levels at the minimum) shows the set's low peak colour
    // near its bottom, in every set.
    for (int i = 0; i < 3; ++i) {
        auto& meter = static_cast<CAudioSlider&>(*columns[i].controls[6]);
        RECT channel;
        meter.GetChannelRect(&channel);
        const ClientPixels pixels(meter.m_hWnd);
        EXPECT_TRUE(ColorsNear(sets[static_cast<size_t>(chosen[i])].colors.peakLow,
                               pixels.At(channel.left + 2, channel.bottom - 3), 40))
            << sets[static_cast<size_t>(chosen[i])].name;
    }
    const std::string path = TestArgument("gallery");
    if (!path.empty()) {
        EXPECT_TRUE(SaveScreen(host.GetSafeHwnd(), path));
    }
}
