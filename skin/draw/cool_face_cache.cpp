#include "skin/draw/cool_face_cache.h"

#include "skin/draw/cool_memory_dc.h"

CCoolFaceCache::CCoolFaceCache(int count)
{
    for (int i = 0; i < count; ++i)
        m_faces.push_back(std::make_unique<CCoolBitmap>());
}

bool CCoolFaceCache::Has(int index) const
{
    if (index < 0 || index >= Count())
        return false;
    // Outside the NT family a face between uses has no handle, only its record.
    return m_faces[static_cast<size_t>(index)]->GetWidth() > 0;
}

void CCoolFaceCache::Drop()
{
    for (auto& face : m_faces)
        face = std::make_unique<CCoolBitmap>();
}

void CCoolFaceCache::Drop(int index)
{
    if (index >= 0 && index < Count())
        m_faces[static_cast<size_t>(index)] = std::make_unique<CCoolBitmap>();
}

CCoolBitmap* CCoolFaceCache::Get(int index, HDC compatible, int width, int height, const Painter& paint)
{
    if (index < 0 || index >= Count() || width <= 0 || height <= 0)
        return nullptr;
    auto& face = m_faces[static_cast<size_t>(index)];
    if (Has(index) && (face->GetWidth() != width || face->GetHeight() != height))
        face = std::make_unique<CCoolBitmap>();
    if (!Has(index)) {
        CCoolMemoryDC dc(compatible, *face, width, height);
        if (!dc.IsValid()) {
            face = std::make_unique<CCoolBitmap>();
            return nullptr;
        }
        if (paint)
            paint(dc, dc.Rect());
    }
    return face.get();
}

bool CCoolFaceCache::Draw(int index, HDC target, int x, int y, int width, int height, const Painter& paint)
{
    CCoolBitmap* face = Get(index, target, width, height, paint);
    return face != nullptr && face->Draw(target, x, y) != FALSE;
}
