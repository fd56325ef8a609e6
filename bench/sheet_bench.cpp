// Time of the skinned sheet's background build (600 x 400, shaded; also with a
// picture blended at 180) and of a page switch (the other page of the same sheet
// activated and painted: cached background copied, its controls drawn).
// With --screenshot=<file.bmp> the sheet, first and second page side by side, is
// saved as a 24-bit bitmap file.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/dialog_template.h"
#include "skin/draw/cool_bitmap.h"
#include "skin/controls/cool_button.h"
#include "skin/containers/cool_container_background.h"
#include "skin/draw/cool_dc.h"
#include "skin/draw/cool_memory_dc.h"
#include "skin/scheme/cool_messages.h"
#include "skin/containers/cool_property_page.h"
#include "skin/containers/cool_property_sheet.h"
#include "skin/controls/cool_static.h"

namespace {

constexpr WORD kButton = 0x0080;
constexpr WORD kStatic = 0x0082;

double Now()
{
    LARGE_INTEGER counter;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) * 1e3 / static_cast<double>(frequency.QuadPart);
}

// Milliseconds spent handling messages, by the window class that handled them.
std::map<std::string, double>* g_byClass = nullptr;

void Pump()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        const double start = Now();
        DispatchMessageA(&message);
        if (g_byClass != nullptr) {
            char name[64] = "";
            GetClassNameA(message.hwnd, name, sizeof(name));
            (*g_byClass)[name] += Now() - start;
        }
    }
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// A page of skinned controls: a group of radio buttons, check boxes, push buttons
// and labels.
class ControlsPage : public CCoolPropertyPage {
public:
    ControlsPage(const char* title, const char* group, const char* const labels[4])
        : m_template(WS_CHILD | WS_DISABLED | WS_CAPTION, 0, 0, 0, 300, 170, title)
    {
        // Coordinates in the units of the system font, which these templates use.
        m_template.AddItem(WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 6, 6, 100, 62, 100, kButton, group);
        m_template.AddItem(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, 14, 20, 86, 11, 101,
                           kButton, labels[0]);
        m_template.AddItem(WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON, 14, 33, 86, 11, 102, kButton, labels[1]);
        m_template.AddItem(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX, 14, 48, 86, 11, 103,
                           kButton, labels[2]);
        m_template.AddItem(WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 120, 10, 70, 16, 104, kButton,
                           labels[3]);
        m_template.AddItem(WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 120, 31, 70, 16, 105, kButton,
                           "&Reset");
        m_template.AddItem(WS_CHILD | WS_VISIBLE | SS_CENTER, 120, 53, 70, 13, 106, kStatic, "0.0 dB");
        m_template.AddItem(WS_CHILD | WS_VISIBLE, 6, 80, 184, 11, 107, kStatic, "Halvard 5.1+ skinned page");
        ConstructIndirect(m_template.Get());
    }

    BOOL OnInitDialog() override
    {
        CCoolPropertyPage::OnInitDialog();
        const HFONT font = reinterpret_cast<HFONT>(::SendMessageA(GetParent(), WM_GETFONT, 0, 0));
        for (int i = 0; i < 6; ++i) {
            AttachItem(100 + i, m_buttons[i]);
            m_buttons[i].SetFont(font, false);
        }
        AttachItem(106, m_display);
        AttachItem(107, m_label);
        m_display.SetStyle(1);
        m_label.SetStyle(2);
        m_display.SetFont(font, false);
        m_label.SetFont(font, false);
        m_buttons[1].SetCheck(BST_CHECKED);
        m_buttons[3].SetCheck(BST_CHECKED);
        SpreadScheme();
        return TRUE;
    }

private:
    CDialogTemplate m_template;
    CCoolButton m_buttons[6];
    CCoolStatic m_display;
    CCoolStatic m_label;
};

// A picture of our own: rings over a diagonal sweep.
std::string PictureFile(int width, int height, const std::function<COLORREF(int, int)>& pixel)
{
    const int stride = (width * 3 + 3) / 4 * 4;
    std::string bits(static_cast<size_t>(stride) * height, '\0');
    for (int row = 0; row < height; ++row)
        for (int x = 0; x < width; ++x) {
            const COLORREF c = pixel(x, height - 1 - row);
            char* p = &bits[static_cast<size_t>(row) * stride + x * 3];
            p[0] = static_cast<char>(GetBValue(c));
            p[1] = static_cast<char>(GetGValue(c));
            p[2] = static_cast<char>(GetRValue(c));
        }
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = static_cast<DWORD>(file.bfOffBits + bits.size());
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    return std::string(reinterpret_cast<const char*>(&file), sizeof(file)) +
        std::string(reinterpret_cast<const char*>(&info), sizeof(info)) + bits;
}

COLORREF Rings(int x, int y)
{
    const double dx = x - 160.0;
    const double dy = y - 100.0;
    const double ring = 0.5 + 0.5 * std::sin(std::sqrt(dx * dx + dy * dy) / 7.0);
    return RGB(static_cast<int>(60 + 195 * ring), static_cast<int>(x * 255 / 320), static_cast<int>(y * 255 / 200));
}

bool WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out);
}

// The sheet's window as shown on the screen.
std::vector<COLORREF> Capture(HWND window, int* width, int* height)
{
    RECT rect;
    GetWindowRect(window, &rect);
    *width = rect.right - rect.left;
    *height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < *height; ++y)
        for (int x = 0; x < *width; ++x)
            pixels.push_back(GetPixel(screen, rect.left + x, rect.top + y));
    ReleaseDC(nullptr, screen);
    return pixels;
}

class Showcase {
public:
    Showcase()
    {
        static const char* const mixer[4] = {"&Speakers", "&Headphones", "&Reflections", "&Defaults"};
        static const char* const effects[4] = {"&Hall", "&Room", "&Wide stereo", "&Test tone"};
        first = std::make_unique<ControlsPage>("Mixer", "Output", mixer);
        second = std::make_unique<ControlsPage>("Effects", "Space", effects);
        sheet.Construct("Halvard");
        sheet.SetFlags(RM_REFLECTIONS | RM_AUTOSHADES);
        sheet.AddPage(first.get());
        sheet.AddPage(second.get());
    }
    bool Open()
    {
        if (!sheet.Create(nullptr, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX))
            return false;
        sheet.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        sheet.ShowWindow(SW_SHOWNOACTIVATE);
        Paint();
        return true;
    }
    // Everything drawn again.
    void Paint()
    {
        Pump();
        RedrawWindow(sheet.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Pump();
    }
    // What is invalid drawn now.
    void Update()
    {
        Pump();
        RedrawWindow(sheet.m_hWnd, nullptr, nullptr, RDW_ALLCHILDREN | RDW_UPDATENOW);
        Pump();
    }
    // The client area made exactly width x height.
    void SetClientSize(int width, int height)
    {
        RECT window;
        RECT client;
        sheet.GetWindowRect(&window);
        sheet.GetClientRect(&client);
        sheet.SetWindowPos(nullptr, 0, 0, width + (window.right - window.left) - client.right,
                           height + (window.bottom - window.top) - client.bottom,
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    CCoolPropertySheet sheet;
    std::unique_ptr<ControlsPage> first;
    std::unique_ptr<ControlsPage> second;
};

// Median time of building the background, drawn anew each time.
double BackgroundBuild(Showcase& show)
{
    std::vector<double> times;
    HBITMAP cache = nullptr;
    for (int i = 0; i < 60; ++i) {
        const double start = Now();
        show.sheet.OnSchemeChanged();
        show.sheet.GetBkBitmap(&cache);
        times.push_back(Now() - start);
    }
    return Median(times);
}

// Median time of a page switch, and where the painting went (per switch).
void PageSwitch(Showcase& show, const char* label)
{
    constexpr int kSwitches = 40;
    show.Paint();
    std::vector<double> times;
    std::map<std::string, double> byClass;
    double activation = 0;
    g_byClass = &byClass;
    for (int i = 0; i < kSwitches; ++i) {
        const double start = Now();
        show.sheet.SetActivePage((show.sheet.GetActiveIndex() + 1) % 2);
        activation += Now() - start;
        show.Update();
        times.push_back(Now() - start);
    }
    g_byClass = nullptr;
    std::printf("page switch, %-24s               %7.2f ms (median; activation %.2f", label, Median(times), activation / kSwitches);
    for (const auto& entry : byClass) {
        const char* who = entry.first == "#32770" ? "sheet+page" : entry.first.c_str();
        std::printf(", %s %.2f", who, entry.second / kSwitches);
    }
    std::printf(" ms on average)\n");
}

// Both pages side by side, as 24-bit bitmap file.
bool SaveScreenshot(Showcase& show, const std::string& path)
{
    int width = 0;
    int height = 0;
    show.sheet.SetActivePage(0);
    show.Paint();
    const std::vector<COLORREF> first = Capture(show.sheet.m_hWnd, &width, &height);
    show.sheet.SetActivePage(1);
    show.Paint();
    const std::vector<COLORREF> second = Capture(show.sheet.m_hWnd, &width, &height);
    constexpr int kGap = 8;
    const std::string file = PictureFile(2 * width + kGap, height, [&](int x, int y) {
        if (x < width)
            return first[static_cast<size_t>(y) * width + x];
        if (x < width + kGap)
            return RGB(255, 255, 255);
        return second[static_cast<size_t>(y) * width + (x - width - kGap)];
    });
    return WriteFile(path, file);
}

} // namespace

int main(int argc, char** argv)
{
    std::string screenshot;
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--screenshot=", 13) == 0)
            screenshot = argv[i] + 13;
    const INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);

    char folder[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, folder);
    const std::string picturePath = std::string(folder) + "halvard_rings.bmp";
    if (!WriteFile(picturePath, PictureFile(320, 200, Rings)))
        return 1;

    Showcase show;
    if (!show.Open())
        return 1;
    RECT natural;
    show.sheet.GetWindowRect(&natural);
    // The second page is created on its first visit.
    const double start = Now();
    show.sheet.SetActivePage(1);
    show.Update();
    std::printf("first visit of a page (created and painted):        %7.2f ms\n", Now() - start);
    show.sheet.SetActivePage(0);
    PageSwitch(show, "shaded:");
    show.SetClientSize(600, 400);
    std::printf("sheet background 600x400, shaded:                   %7.2f ms (median)\n", BackgroundBuild(show));

    // As started with a picture: blended at 180 over the shaded background.
    show.sheet.m_blendLevel = 180;
    show.sheet.SetFlags(show.sheet.GetFlags() | RM_BLENDPICTURE);
    show.sheet.SetPicture(picturePath.c_str(), false);
    std::printf("sheet background 600x400, shaded + picture at 180:  %7.2f ms (median)\n", BackgroundBuild(show));
    show.sheet.SetWindowPos(nullptr, 0, 0, natural.right - natural.left, natural.bottom - natural.top,
                            SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PageSwitch(show, "shaded + picture at 180:");
    int result = 0;
    if (!screenshot.empty())
        result = SaveScreenshot(show, screenshot) ? 0 : 1;
    show.sheet.DestroyWindow();
    DeleteFileA(picturePath.c_str());
    return result;
}
