#include "skin/draw/cool_bitmap.h"

#include "platform/dc.h"
#include "skin/draw/cool_dc.h"
#include "skin/draw/cool_picture_file.h"
#include "skin/draw/cool_system.h"

CCoolBitmap::CCoolBitmap(int keepHandle) : m_keepHandle(keepHandle), m_osClass(CoolOsClassNow()) {}

CCoolBitmap::~CCoolBitmap() { Release(); }

void CCoolBitmap::Release()
{
    DeleteObject();
    // The memory copy goes too, also when a handle was held at the same time.
    m_savedBits.clear();
    m_savedBits.shrink_to_fit();
    m_record = BITMAP{};
}

void CCoolBitmap::AttachBitmap(HBITMAP bitmap)
{
    Release();
    Attach(bitmap);
}

bool CCoolBitmap::ReadRecord()
{
    if (m_record.bmWidth != 0)
        return true;
    if (m_hObject == nullptr)
        return false;
    BITMAP record = {};
    if (GetObject(sizeof(record), &record) != sizeof(record))
        return false;
    record.bmBits = nullptr;
    m_record = record;
    return true;
}

void CCoolBitmap::Realize()
{
    if (m_osClass == kOsNt || m_keepHandle || m_hObject != nullptr || m_savedBits.empty())
        return;
    BITMAP record = m_record;
    record.bmBits = m_savedBits.data();
    Attach(CreateBitmapIndirect(&record));
}

int CCoolBitmap::Unrealize(bool refresh)
{
    if (m_osClass == kOsNt || m_keepHandle)
        return 1;
    if (m_hObject == nullptr)
        return 0;
    const bool first = m_savedBits.empty();
    if (first || refresh) {
        if (!ReadRecord() || m_record.bmWidthBytes <= 0 || m_record.bmHeight <= 0)
            return 0;
        const size_t size = static_cast<size_t>(m_record.bmWidthBytes) * static_cast<size_t>(m_record.bmHeight);
        m_savedBits.assign(size, 0);
        GetBitmapBits(GetHandle(), static_cast<LONG>(size), m_savedBits.data());
    }
    DeleteObject();
    return 1;
}

int CCoolBitmap::GetWidth() { return ReadRecord() ? m_record.bmWidth : 0; }
int CCoolBitmap::GetHeight() { return ReadRecord() ? m_record.bmHeight : 0; }
int CCoolBitmap::GetBitsPixel() { return ReadRecord() ? m_record.bmBitsPixel : 0; }

// Every draw: the handle exists for the copy only, selected into a memory context
// compatible with the target, and the system's resources go again afterwards.
template <typename Blit>
BOOL CCoolBitmap::DrawSelected(HDC target, Blit blit)
{
    Realize();
    if (m_hObject == nullptr || !ReadRecord())
        return FALSE;
    bool drawn;
    {
        CDC source;
        source.CreateCompatibleDC(target);
        CScopedSelect selected(source.GetSafeHdc(), m_hObject);
        drawn = blit(source.GetSafeHdc());
    }
    Unrealize(false);
    return drawn ? TRUE : FALSE;
}

BOOL CCoolBitmap::Draw(HDC dc, int x, int y, int width, int height, int sourceX, int sourceY, int sourceWidth,
                       int sourceHeight, DWORD rop)
{
    return DrawSelected(dc, [&](HDC source) {
        const CBorrowedDC target(dc);
        if (sourceX == 0 && sourceY == 0 && sourceWidth == 0 && sourceHeight == 0 && width == 0 && height == 0)
            return target.BitBlt(x, y, m_record.bmWidth, m_record.bmHeight, source, 0, 0, rop);
        if (sourceWidth == 0)
            sourceWidth = m_record.bmWidth - sourceX;
        if (sourceHeight == 0)
            sourceHeight = m_record.bmHeight - sourceY;
        if (width == 0)
            width = sourceWidth;
        if (height == 0)
            height = sourceHeight;
        if (width == sourceWidth && height == sourceHeight)
            return target.BitBlt(x, y, width, height, source, sourceX, sourceY, rop);
        return target.StretchBlt(x, y, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight, rop);
    });
}

BOOL CCoolBitmap::DrawTransparent(CCoolDC& dc, int x, int y, COLORREF transparent)
{
    return DrawSelected(dc.GetSafeHdc(), [&](HDC source) {
        return dc.TransparentBlt(x, y, m_record.bmWidth, m_record.bmHeight, source, 0, 0, transparent) != FALSE;
    });
}

BOOL CCoolBitmap::DrawBlended(CCoolDC& dc, BYTE constantAlpha, int x, int y, int width, int height, int sourceX,
                              int sourceY, int sourceWidth, int sourceHeight, BYTE alphaFormat)
{
    return DrawSelected(dc.GetSafeHdc(), [&](HDC source) {
        return dc.AlphaBlend(x, y, width != 0 ? width : m_record.bmWidth, height != 0 ? height : m_record.bmHeight,
                             source, sourceX, sourceY, sourceWidth != 0 ? sourceWidth : m_record.bmWidth,
                             sourceHeight != 0 ? sourceHeight : m_record.bmHeight, constantAlpha,
                             alphaFormat) != FALSE;
    });
}

int CCoolBitmap::LoadFromFile(const char* path)
{
    // A new picture: the record and memory copy of the old one must not come back.
    Release();
    // The file is the user's: its headers are checked before the system sees it.
    return Attach(LoadPictureFile(path)) ? 1 : 0;
}
