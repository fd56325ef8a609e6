// Time per call of a 600 x 400 shaded background and a 40 x 40 knob, with the
// system's blending library and with the library's own substitutes.
#include <windows.h>

#include <cstdio>

#include "skin/draw/cool_dc.h"
#include "skin/draw/cool_system.h"

namespace {

HMODULE WINAPI NoBlendLibrary(LPCSTR name)
{
    if (name != nullptr && lstrcmpiA(name, "msimg32.dll") == 0)
        return nullptr;
    return LoadLibraryA(name);
}

double Microseconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency, int calls)
{
    return static_cast<double>(to.QuadPart - from.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart) / calls;
}

void Measure(const char* label)
{
    constexpr int kCalls = 300;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP face = CreateCompatibleBitmap(screen, 600, 400);
    HGDIOBJ old = SelectObject(memory, face);
    LARGE_INTEGER frequency, start, middle, end;
    QueryPerformanceFrequency(&frequency);
    {
        CCoolDC dc;
        dc.Attach(memory);
        const RECT background = {0, 0, 600, 400};
        const RECT knob = {0, 0, 40, 40};
        QueryPerformanceCounter(&start);
        for (int i = 0; i < kCalls; ++i) {
            POINT light = {300, 200};
            dc.DrawShade(background, RGB(20, 30, 40), RGB(120, 140, 160), &light, 0);
        }
        QueryPerformanceCounter(&middle);
        for (int i = 0; i < kCalls; ++i) {
            POINT light = {14, 14};
            dc.DrawShadedEllipse(knob, RGB(20, 30, 40), RGB(220, 220, 220), &light);
        }
        QueryPerformanceCounter(&end);
        dc.Detach();
    }
    std::printf("%-24s shaded 600x400: %8.1f us/call   knob 40x40: %6.1f us/call\n", label,
                Microseconds(start, middle, frequency, kCalls), Microseconds(middle, end, frequency, kCalls));
    SelectObject(memory, old);
    DeleteObject(face);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

} // namespace

int main()
{
    Measure("with msimg32.dll");
    CoolSystemFunctions without = WindowsCoolSystem();
    without.loadLibrary = NoBlendLibrary;
    SetCoolSystem(without);
    Measure("without msimg32.dll");
    return 0;
}
