#pragma once
// A 32-bit top-down DIB section selected into a memory context, whose pixels a
// test can read back.

#include <windows.h>

#include <cstdint>

class DibCanvas {
public:
    DibCanvas(int width, int height, COLORREF fill = RGB(0, 0, 0));
    ~DibCanvas();
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;

    HDC dc() const { return m_dc; }

    COLORREF Pixel(int x, int y) const;
    void Fill(COLORREF color);

private:
    int m_width;
    int m_height;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    uint32_t* m_bits = nullptr;
};

// Whether two colours differ by at most the given amount in every channel.
bool ColorsNear(COLORREF a, COLORREF b, int tolerance);

// The process's GDI objects, for leak checks.
DWORD GdiObjectCount();
