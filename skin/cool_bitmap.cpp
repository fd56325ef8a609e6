#include "skin/cool_bitmap.h"

#include "skin/cool_dc.h"
#include "skin/cool_picture_file.h"
#include "skin/cool_system.h"
#include "platform/dc.h"


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

BOOL CCoolBitmap::Draw(HDC dc, int x, int y, int width, int height, int sourceX, int sourceY, int sourceWidth,
                       int sourceHeight, DWORD rop)
{
    Realize();
    if (m_hObject == nullptr || !ReadRecord())
        return FALSE;
    BOOL drawn;
    {
        CDC source;
        source.CreateCompatibleDC(dc);
        CScopedSelect selected(source.GetSafeHdc(), m_hObject);
        if (sourceX == 0 && sourceY == 0 && sourceWidth == 0 && sourceHeight == 0 && width == 0 && height == 0) {
            drawn = BitBlt(dc, x, y, m_record.bmWidth, m_record.bmHeight, source.GetSafeHdc(), 0, 0, rop);
        } else {
            if (sourceWidth == 0)
                sourceWidth = m_record.bmWidth - sourceX;
            if (sourceHeight == 0)
                sourceHeight = m_record.bmHeight - sourceY;
            if (width == 0)
                width = sourceWidth;
            if (height == 0)
                height = sourceHeight;
            drawn = width == sourceWidth && height == sourceHeight
                ? BitBlt(dc, x, y, width, height, source.GetSafeHdc(), sourceX, sourceY, rop)
                : StretchBlt(dc, x, y, width, height, source.GetSafeHdc(), sourceX, sourceY, sourceWidth, sourceHeight, rop);
        }
    }
    Unrealize(false);
    return drawn;
}

BOOL CCoolBitmap::DrawTransparent(CCoolDC& dc, int x, int y, COLORREF transparent)
{
    Realize();
    if (m_hObject == nullptr || !ReadRecord())
        return FALSE;
    BOOL drawn;
    {
        CDC source;
        source.CreateCompatibleDC(dc.GetSafeHdc());
        CScopedSelect selected(source.GetSafeHdc(), m_hObject);
        drawn = dc.TransparentBlt(x, y, m_record.bmWidth, m_record.bmHeight, source.GetSafeHdc(), 0, 0, transparent);
    }
    Unrealize(false);
    return drawn;
}

BOOL CCoolBitmap::DrawBlended(CCoolDC& dc, BYTE constantAlpha, int x, int y, int width, int height, int sourceX,
                              int sourceY, int sourceWidth, int sourceHeight, BYTE alphaFormat)
{
    Realize();
    if (m_hObject == nullptr || !ReadRecord())
        return FALSE;
    if (width == 0)
        width = m_record.bmWidth;
    if (height == 0)
        height = m_record.bmHeight;
    if (sourceWidth == 0)
        sourceWidth = m_record.bmWidth;
    if (sourceHeight == 0)
        sourceHeight = m_record.bmHeight;
    BOOL drawn;
    {
        CDC source;
        source.CreateCompatibleDC(dc.GetSafeHdc());
        CScopedSelect selected(source.GetSafeHdc(), m_hObject);
        drawn = dc.AlphaBlend(x, y, width, height, source.GetSafeHdc(), sourceX, sourceY, sourceWidth, sourceHeight,
                              constantAlpha, alphaFormat);
    }
    Unrealize(false);
    return drawn;
}

int CCoolBitmap::LoadFromFile(const char* path)
{
    // A new picture: the record and memory copy of the old one must not come back.
    Release();
    // The file is the user's: its headers are checked before the system sees it.
    return Attach(LoadPictureFile(path)) ? 1 : 0;
}
