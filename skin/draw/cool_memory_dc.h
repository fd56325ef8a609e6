#pragma once
// A drawing context over a memory bitmap: the skinned windows build their faces in
// one and copy it to the screen in a single step. The bitmap is either the
// context's own (a work bitmap of the given size) or one the caller keeps (a cached
// face); it stays selected for the context's life.

#include <windows.h>

#include "platform/gdi_object.h"
#include "skin/draw/cool_dc.h"

class CCoolBitmap;

class CCoolMemoryDC : public CCoolDC {
public:
    // A work bitmap of that size, compatible with the given context (null: screen).
    CCoolMemoryDC(HDC compatible, int width, int height);
    // Draws into the caller's bitmap; an empty one is created at that size first.
    CCoolMemoryDC(HDC compatible, CCoolBitmap& bitmap, int width = 0, int height = 0);
    ~CCoolMemoryDC() override;

    // False when no context or no bitmap could be made.
    bool IsValid() const { return m_hDC != nullptr && m_selected != nullptr; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    RECT Rect() const { return {0, 0, m_width, m_height}; }
    // Copies the whole bitmap to the target at (x, y).
    bool CopyTo(HDC target, int x = 0, int y = 0) const;

private:
    void Select(HBITMAP bitmap);

    CBitmap m_own;
    CCoolBitmap* m_kept = nullptr;
    HGDIOBJ m_previous = nullptr;
    HGDIOBJ m_selected = nullptr;
    int m_width = 0;
    int m_height = 0;
};
