#pragma once
// A bitmap of the skinned windows. On the NT family it is an ordinary bitmap;
// on the other systems it lives as a memory copy between uses and holds a system
// handle only while it is drawn, so that many cached faces do not exhaust the
// system's drawing resources.

#include <windows.h>

#include <vector>

#include "platform/gdi_object.h"

class CCoolDC;

class CCoolBitmap : public CGdiObject {
public:
    explicit CCoolBitmap(int keepHandle = 0);
    ~CCoolBitmap() override;

    // Takes ownership of a bitmap handle (what was held is released).
    void AttachBitmap(HBITMAP bitmap);
    HBITMAP GetHandle() const { return static_cast<HBITMAP>(m_hObject); }

    void Realize();
    int Unrealize(bool refresh);
    int GetWidth();
    int GetHeight();
    int GetBitsPixel();

    BOOL Draw(HDC dc, int x, int y, int width = 0, int height = 0, int sourceX = 0, int sourceY = 0,
              int sourceWidth = 0, int sourceHeight = 0, DWORD rop = SRCCOPY);
    BOOL DrawTransparent(CCoolDC& dc, int x, int y, COLORREF transparent);
    BOOL DrawBlended(CCoolDC& dc, BYTE constantAlpha, int x, int y, int width = 0, int height = 0, int sourceX = 0,
                     int sourceY = 0, int sourceWidth = 0, int sourceHeight = 0, BYTE alphaFormat = 0);
    int LoadFromFile(const char* path);

private:
    template <typename Blit>
    BOOL DrawSelected(HDC target, Blit blit);
    bool ReadRecord();
    void Release();

    int m_keepHandle;
    BITMAP m_record = {};
    std::vector<BYTE> m_savedBits;
    int m_osClass;
};
