#include "skin/draw/cool_blit_source.h"

#include "skin/draw/cool_bitmap.h"

CCoolBlitSource::CCoolBlitSource(HDC compatible) { m_dc.CreateCompatibleDC(compatible); }

CCoolBlitSource::~CCoolBlitSource() { Deselect(); }

void CCoolBlitSource::Deselect()
{
    if (m_current == nullptr)
        return;
    ::SelectObject(m_dc.GetSafeHdc(), m_original);
    m_current->Unrealize(false);
    m_current = nullptr;
    m_original = nullptr;
}

HDC CCoolBlitSource::Select(CCoolBitmap& bitmap)
{
    if (m_dc.GetSafeHdc() == nullptr)
        return nullptr;
    if (m_current == &bitmap)
        return m_dc.GetSafeHdc();
    Deselect();
    bitmap.Realize();
    if (bitmap.GetHandle() == nullptr)
        return nullptr;
    m_original = ::SelectObject(m_dc.GetSafeHdc(), bitmap.GetHandle());
    if (m_original == nullptr) {
        bitmap.Unrealize(false);
        return nullptr;
    }
    m_current = &bitmap;
    return m_dc.GetSafeHdc();
}
