#include "skin/containers/cool_container_background.h"

#include "platform/dc.h"
#include "skin/draw/cool_bitmap.h"
#include "skin/draw/cool_dc.h"
#include "skin/draw/cool_memory_dc.h"
#include "skin/scheme/cool_scheme.h"

void DrawGeneratedBackground(CCoolDC& dc, const RECT& rect, const CCoolScheme& scheme)
{
    if (scheme.m_flags & CCoolScheme::kFlat) {
        dc.FillSolidRect(rect, scheme.m_colors[CCOL_BACKGROUND]);
        return;
    }
    // Shading clamps the point it is given; the scheme keeps its own.
    POINT light = scheme.m_light;
    dc.DrawShade(rect, scheme.m_colors[CCOL_SHADOW], scheme.m_colors[CCOL_LIGHT], &light, 0);
}

void DrawSheetBackground(CCoolDC& dc, const RECT& rect, const CCoolScheme& scheme, CCoolBitmap* picture)
{
    const bool hasPicture = picture != nullptr && HoldsBitmap(*picture);
    const bool blend = (scheme.m_flags & CCoolScheme::kBlendPicture) != 0;
    if (!hasPicture || blend)
        DrawGeneratedBackground(dc, rect, scheme);
    if (!hasPicture)
        return;
    const int level = scheme.m_blendLevel & 0xFF;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (blend && level != 255) {
        picture->DrawBlended(dc, static_cast<BYTE>(255 - level), rect.left, rect.top, width, height);
        return;
    }
    // Colours of a shrunk picture are kept, not ANDed together.
    SetStretchBltMode(dc.GetSafeHdc(), COLORONCOLOR);
    picture->Draw(dc.GetSafeHdc(), rect.left, rect.top, width, height, 0, 0, picture->GetWidth(), picture->GetHeight());
}

bool HoldsBitmap(CCoolBitmap& bitmap)
{
    return bitmap.GetWidth() > 0;
}

void DropBitmap(CCoolBitmap& bitmap)
{
    bitmap.AttachBitmap(nullptr);
}

bool BuildBackground(HWND window, CCoolBitmap& cache, const BackgroundPainter& paint)
{
    RECT client = {};
    GetClientRect(window, &client);
    DropBitmap(cache);
    if (IsRectEmpty(&client))
        return false;
    CClientDC screen(window);
    CCoolMemoryDC memory(screen.GetSafeHdc(), cache, client.right, client.bottom);
    if (!memory.IsValid())
        return false;
    paint(memory, client);
    return true;
}
