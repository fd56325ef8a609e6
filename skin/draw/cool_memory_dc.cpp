#include "skin/draw/cool_memory_dc.h"

#include "skin/draw/cool_bitmap.h"

namespace {

// A compatible bitmap; a zero-sized request yields a 1 x 1 bitmap, so that the
// context still has something selected.
HBITMAP MakeBitmap(HDC compatible, int width, int height)
{
    width = width > 0 ? width : 1;
    height = height > 0 ? height : 1;
    if (compatible != nullptr)
        return ::CreateCompatibleBitmap(compatible, width, height);
    const CClientDC screen(nullptr);
    return ::CreateCompatibleBitmap(screen.GetSafeHdc(), width, height);
}

} // namespace

CCoolMemoryDC::CCoolMemoryDC(HDC compatible, int width, int height)
{
    if (!CreateCompatibleDC(compatible))
        return;
    m_own.Attach(MakeBitmap(compatible, width, height));
    m_width = width > 0 ? width : 0;
    m_height = height > 0 ? height : 0;
    Select(m_own.GetHandle());
}

CCoolMemoryDC::CCoolMemoryDC(HDC compatible, CCoolBitmap& bitmap, int width, int height) : m_kept(&bitmap)
{
    if (!CreateCompatibleDC(compatible))
        return;
    bitmap.Realize();
    if (bitmap.GetHandle() == nullptr)
        bitmap.AttachBitmap(MakeBitmap(compatible, width, height));
    m_width = bitmap.GetWidth();
    m_height = bitmap.GetHeight();
    Select(bitmap.GetHandle());
}

void CCoolMemoryDC::Select(HBITMAP bitmap)
{
    if (bitmap == nullptr)
        return;
    m_previous = ::SelectObject(m_hDC, bitmap);
    if (m_previous != nullptr)
        m_selected = bitmap;
}

CCoolMemoryDC::~CCoolMemoryDC()
{
    if (m_selected != nullptr)
        ::SelectObject(m_hDC, m_previous);
    DeleteDC();
    // Outside the NT family the kept bitmap goes back to its memory copy, refreshed
    // with what was drawn.
    if (m_kept != nullptr && m_selected != nullptr)
        m_kept->Unrealize(true);
}

bool CCoolMemoryDC::CopyTo(HDC target, int x, int y) const
{
    return IsValid() && CBorrowedDC(target).BitBlt(x, y, m_width, m_height, m_hDC, 0, 0, SRCCOPY);
}
