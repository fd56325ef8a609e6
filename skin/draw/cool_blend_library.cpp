#include "skin/draw/cool_blend_library.h"

#include "skin/draw/cool_system.h"
#include "platform/dc.h"
#include "platform/gdi_object.h"

#include <utility>

HMODULE CCoolBlendLibrary::s_module = nullptr;
int CCoolBlendLibrary::s_liveContexts = 0;
GradientFillFunction CCoolBlendLibrary::s_gradientFill = nullptr;
AlphaBlendFunction CCoolBlendLibrary::s_alphaBlend = nullptr;
TransparentBltFunction CCoolBlendLibrary::s_transparentBlt = nullptr;

namespace {

template <typename Function>
Function Entry(HMODULE module, const char* name, Function substitute)
{
    const FARPROC entry = CoolSystem().getProcAddress(module, name);
    return entry != nullptr ? reinterpret_cast<Function>(entry) : substitute;
}

int Channel(COLOR16 value) { return value >> 8; }

// Raster operation DSna: destination and not source.
constexpr DWORD kDestinationAndNotSource = 0x00220326;

} // namespace

void CCoolBlendLibrary::Acquire()
{
    if (s_liveContexts++ > 0)
        return;
    s_module = CoolSystem().loadLibrary("msimg32.dll");
    if (s_module != nullptr) {
        s_gradientFill = Entry<GradientFillFunction>(s_module, "GradientFill", OwnGradientFill);
        s_alphaBlend = Entry<AlphaBlendFunction>(s_module, "AlphaBlend", OwnAlphaBlend);
        s_transparentBlt = CoolOsClassNow() == kOsNt
            ? Entry<TransparentBltFunction>(s_module, "TransparentBlt", OwnTransparentBlt)
            : OwnTransparentBlt;
    } else {
        s_gradientFill = OwnGradientFill;
        s_alphaBlend = OwnAlphaBlend;
        s_transparentBlt = OwnTransparentBlt;
    }
}

void CCoolBlendLibrary::Release()
{
    if (s_liveContexts <= 0 || --s_liveContexts > 0)
        return;
    if (s_module != nullptr)
        CoolSystem().freeLibrary(s_module);
    s_module = nullptr;
    s_gradientFill = nullptr;
    s_alphaBlend = nullptr;
    s_transparentBlt = nullptr;
}

BOOL WINAPI CCoolBlendLibrary::OwnGradientFill(HDC dc, PTRIVERTEX vertices, ULONG vertexCount, PVOID mesh,
                                              ULONG meshCount, ULONG mode)
{
    if (mode != GRADIENT_FILL_RECT_H && mode != GRADIENT_FILL_RECT_V)
        return TRUE; // triangles are not drawn without the library
    const bool vertical = mode == GRADIENT_FILL_RECT_V;
    const CBorrowedDC target(dc);
    const GRADIENT_RECT* rects = static_cast<const GRADIENT_RECT*>(mesh);
    for (ULONG r = 0; r < meshCount; ++r) {
        if (rects[r].UpperLeft >= vertexCount || rects[r].LowerRight >= vertexCount)
            continue;
        const TRIVERTEX& from = vertices[rects[r].UpperLeft];
        const TRIVERTEX& to = vertices[rects[r].LowerRight];
        RECT area = {from.x, from.y, to.x, to.y};
        if (area.left > area.right)
            std::swap(area.left, area.right);
        if (area.top > area.bottom)
            std::swap(area.top, area.bottom);
        const int stripes = vertical ? area.bottom - area.top : area.right - area.left;
        if (stripes <= 0)
            continue;
        for (int i = 0; i < stripes; ++i) {
            const int red = Channel(from.Red) + MulDiv(i, Channel(to.Red) - Channel(from.Red), stripes);
            const int green = Channel(from.Green) + MulDiv(i, Channel(to.Green) - Channel(from.Green), stripes);
            const int blue = Channel(from.Blue) + MulDiv(i, Channel(to.Blue) - Channel(from.Blue), stripes);
            RECT stripe = area;
            if (vertical) {
                stripe.top = area.top + i;
                stripe.bottom = stripe.top + 1;
            } else {
                stripe.left = area.left + i;
                stripe.right = stripe.left + 1;
            }
            target.FillSolidRect(stripe, RGB(red, green, blue));
        }
    }
    return TRUE;
}

BOOL WINAPI CCoolBlendLibrary::OwnAlphaBlend(HDC dest, int x, int y, int width, int height, HDC source, int sourceX,
                                            int sourceY, int, int, BLENDFUNCTION)
{
    return CBorrowedDC(dest).BitBlt(x, y, width, height, source, sourceX, sourceY, SRCCOPY);
}

BOOL WINAPI CCoolBlendLibrary::OwnTransparentBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX,
                                                int sourceY, int, int, UINT transparent)
{
    const HBITMAP selected = static_cast<HBITMAP>(GetCurrentObject(source, OBJ_BITMAP));
    BITMAP picture = {};
    if (selected == nullptr || GetObjectA(selected, sizeof(picture), &picture) != sizeof(picture))
        return FALSE;
    if (picture.bmWidth <= 1 && picture.bmHeight <= 1 && picture.bmBitsPixel == 1)
        return FALSE; // only the default placeholder is selected

    // A mask of the whole picture: transparent pixels white, the rest black.
    const CBorrowedDC sourceDc(source);
    const COLORREF oldBackground = sourceDc.SetBkColor(transparent);
    CDC maskDc;
    maskDc.CreateCompatibleDC(dest);
    CBitmap mask;
    mask.CreateBitmap(picture.bmWidth, picture.bmHeight, 1, 1, nullptr);
    CScopedSelect withMask(maskDc.GetSafeHdc(), mask.GetHandle());
    maskDc.BitBlt(0, 0, picture.bmWidth, picture.bmHeight, source, 0, 0, SRCCOPY);
    sourceDc.SetBkColor(oldBackground);

    // Work 1: the picture where the mask is black; work 2: the destination where
    // it is white; both together make the copy.
    CDC pictureDc;
    pictureDc.CreateCompatibleDC(dest);
    CBitmap pictureWork;
    pictureWork.CreateCompatibleBitmap(dest, width, height);
    CScopedSelect withPicture(pictureDc.GetSafeHdc(), pictureWork.GetHandle());
    CDC backDc;
    backDc.CreateCompatibleDC(dest);
    CBitmap backWork;
    backWork.CreateCompatibleBitmap(dest, width, height);
    CScopedSelect withBack(backDc.GetSafeHdc(), backWork.GetHandle());
    for (CDC* work : {&pictureDc, &backDc}) {
        work->SetTextColor(RGB(0, 0, 0));
        work->SetBkColor(RGB(255, 255, 255));
    }
    pictureDc.BitBlt(0, 0, width, height, source, sourceX, sourceY, SRCCOPY);
    pictureDc.BitBlt(0, 0, width, height, maskDc.GetSafeHdc(), sourceX, sourceY, kDestinationAndNotSource);
    backDc.BitBlt(0, 0, width, height, dest, x, y, SRCCOPY);
    backDc.BitBlt(0, 0, width, height, maskDc.GetSafeHdc(), sourceX, sourceY, SRCAND);
    backDc.BitBlt(0, 0, width, height, pictureDc.GetSafeHdc(), 0, 0, SRCPAINT);
    CBorrowedDC(dest).BitBlt(x, y, width, height, backDc.GetSafeHdc(), 0, 0, SRCCOPY);
    return TRUE;
}
