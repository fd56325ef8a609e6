#pragma once
// One memory context through which a paint copies from several cached bitmaps in
// turn, so that a paint makes one context for all its copies instead of one each.
// Outside the NT family each bitmap gives its handle up again when the next one is
// selected or the source ends.

#include <windows.h>

#include "platform/dc.h"

class CCoolBitmap;

class CCoolBlitSource {
public:
    explicit CCoolBlitSource(HDC compatible);
    ~CCoolBlitSource();
    CCoolBlitSource(const CCoolBlitSource&) = delete;
    CCoolBlitSource& operator=(const CCoolBlitSource&) = delete;

    // The context with the bitmap selected; null when the bitmap is empty or no
    // context could be made.
    HDC Select(CCoolBitmap& bitmap);

private:
    void Deselect();

    CDC m_dc;
    HGDIOBJ m_original = nullptr;
    CCoolBitmap* m_current = nullptr;
};
