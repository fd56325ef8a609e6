#pragma once
// The cached faces of a skinned control: drawn once into memory bitmaps, copied to
// the screen on every paint, dropped when the scheme (or anything else the faces
// depend on) changes, so that the next paint draws them again.

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "skin/draw/cool_bitmap.h"

class CCoolDC;

class CCoolFaceCache {
public:
    // Draws a face into the context; rect is the face's whole area, from (0, 0).
    using Painter = std::function<void(CCoolDC& dc, const RECT& rect)>;

    explicit CCoolFaceCache(int count);
    CCoolFaceCache(const CCoolFaceCache&) = delete;
    CCoolFaceCache& operator=(const CCoolFaceCache&) = delete;

    // Face `index` at that size, painted now when it is missing or has another
    // size; null for an index out of range or a face that cannot be made.
    CCoolBitmap* Get(int index, HDC compatible, int width, int height, const Painter& paint);
    // Copies face `index` (painted first when needed) to the target at (x, y).
    bool Draw(int index, HDC target, int x, int y, int width, int height, const Painter& paint);
    bool Has(int index) const;
    void Drop();
    void Drop(int index);
    int Count() const { return static_cast<int>(m_faces.size()); }

private:
    std::vector<std::unique_ptr<CCoolBitmap>> m_faces;
};
