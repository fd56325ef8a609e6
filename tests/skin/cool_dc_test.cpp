// Shaded backgrounds, gradients, blending and transparent copies, drawn into DIB
// sections and read back pixel by pixel, with and without "msimg32.dll".
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "skin/draw/cool_bitmap.h"
#include "skin/draw/cool_blend_library.h"
#include "skin/draw/cool_dc.h"
#include "skin/draw/cool_shading.h"
#include "skin/draw/cool_system.h"
#include "support/dib_canvas.h"

namespace {

HMODULE WINAPI NoBlendLibrary(LPCSTR name)
{
    if (name != nullptr && lstrcmpiA(name, "msimg32.dll") == 0)
        return nullptr;
    return LoadLibraryA(name);
}

BOOL WINAPI Windows98(LPOSVERSIONINFOA info)
{
    info->dwMajorVersion = 4;
    info->dwMinorVersion = 10;
    info->dwBuildNumber = 2222;
    info->dwPlatformId = VER_PLATFORM_WIN32_WINDOWS;
    return TRUE;
}

// Runs a test as on another system; Windows' own functions come back afterwards.
class ScopedSystem {
public:
    explicit ScopedSystem(bool withBlendLibrary, bool ntFamily = true)
    {
        SystemFunctions system = WindowsSystemFunctions();
        if (!ntFamily)
            system.getVersionEx = Windows98;
        SetSystemFunctions(system);
        CoolSystemFunctions functions = WindowsCoolSystem();
        if (!withBlendLibrary)
            functions.loadLibrary = NoBlendLibrary;
        SetCoolSystem(functions);
    }
    ~ScopedSystem()
    {
        RestoreWindowsSystemFunctions();
        SetCoolSystem(WindowsCoolSystem());
    }
};

// A drawing context on a canvas.
class CanvasDC : public CCoolDC {
public:
    explicit CanvasDC(DibCanvas& canvas) { Attach(canvas.dc()); }
    ~CanvasDC() override { Detach(); }
};

COLORREF VertexColor(const TRIVERTEX& vertex)
{
    return RGB(vertex.Red >> 8, vertex.Green >> 8, vertex.Blue >> 8);
}

constexpr COLORREF kEdge = RGB(0, 0, 0);
constexpr COLORREF kCentre = RGB(200, 100, 40);
constexpr COLORREF kMagenta = RGB(255, 0, 255);

HBITMAP MakeTwoColourBitmap(HDC compatible, int width, int height, COLORREF left, COLORREF right)
{
    HBITMAP bitmap = CreateCompatibleBitmap(compatible, width, height);
    HDC dc = CreateCompatibleDC(compatible);
    HGDIOBJ old = SelectObject(dc, bitmap);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            SetPixel(dc, x, y, x < width / 2 ? left : right);
    SelectObject(dc, old);
    DeleteDC(dc);
    return bitmap;
}

} // namespace

TEST(ShadeMesh, LightPointIsClampedIntoTheRectangle)
{
    const RECT rect = {0, 0, 100, 50};
    POINT light = {0, 0};
    BuildShadeMesh(rect, kEdge, kCentre, &light, 0);
    EXPECT_EQ(2, light.x);
    EXPECT_EQ(2, light.y);
    light = POINT{500, 49};
    BuildShadeMesh(rect, kEdge, kCentre, &light, 0);
    EXPECT_EQ(98, light.x);
    EXPECT_EQ(48, light.y);

    // Without a light point the centre sits near the top left.
    const ShadeMesh mesh = BuildShadeMesh(rect, kEdge, kCentre, nullptr, 0);
    ASSERT_EQ(9u, mesh.vertices.size());
    EXPECT_EQ(100 / 16 + 1, mesh.vertices[8].x);
    EXPECT_EQ(50 / 16 + 1, mesh.vertices[8].y);
    ASSERT_EQ(8u, mesh.triangles.size());
    EXPECT_EQ(7u, mesh.triangles[7].Vertex2);
    EXPECT_EQ(0u, mesh.triangles[7].Vertex3);

    const ShadeMesh bar = BuildShadeMesh(rect, kEdge, kCentre, nullptr, 1);
    EXPECT_EQ(5u, bar.vertices.size());
    EXPECT_EQ(4u, bar.triangles.size());
}

TEST(ShadeMesh, RimColoursFollowTheDistanceFromTheLight)
{
    const RECT square = {0, 0, 100, 100};
    POINT light = {50, 50};
    const ShadeMesh mesh = BuildShadeMesh(square, RGB(255, 255, 255), RGB(0, 0, 0), &light, 0);
    const int edgeMiddle = static_cast<int>(255 / std::sqrt(2.0));
    for (int corner : {0, 2, 4, 6})
        EXPECT_EQ(RGB(255, 255, 255), VertexColor(mesh.vertices[corner])) << corner;
    for (int middle : {1, 3, 5, 7})
        EXPECT_EQ(RGB(edgeMiddle, edgeMiddle, edgeMiddle), VertexColor(mesh.vertices[middle])) << middle;
    EXPECT_EQ(RGB(0, 0, 0), VertexColor(mesh.vertices[8]));
}

TEST(CoolDC, ShadedBackgroundPixels)
{
    ScopedSystem system(true);
    DibCanvas canvas(101, 101, RGB(1, 2, 3));
    CanvasDC dc(canvas);
    ASSERT_TRUE(CCoolBlendLibrary::IsLoaded());
    const RECT square = {0, 0, 101, 101};
    POINT light = {50, 50};
    EXPECT_EQ(1, dc.DrawShade(square, RGB(255, 255, 255), RGB(0, 0, 0), &light, 0));
    EXPECT_TRUE(ColorsNear(RGB(255, 255, 255), canvas.Pixel(0, 0), 8)) << std::hex << canvas.Pixel(0, 0);
    EXPECT_TRUE(ColorsNear(RGB(0, 0, 0), canvas.Pixel(50, 50), 8)) << std::hex << canvas.Pixel(50, 50);
    // Top middle: t = 1/sqrt(2) of the way to the edge.
    EXPECT_TRUE(ColorsNear(RGB(180, 180, 180), canvas.Pixel(50, 0), 8)) << std::hex << canvas.Pixel(50, 0);
    const RECT empty = {10, 10, 10, 40};
    EXPECT_EQ(0, dc.DrawShade(empty, kEdge, kCentre, nullptr, 0));
}

TEST(CoolDC, WithoutBlendLibraryShadesAreTwoBandStripes)
{
    ScopedSystem system(false);
    DibCanvas canvas(40, 100, RGB(1, 2, 3));
    CanvasDC dc(canvas);
    ASSERT_FALSE(CCoolBlendLibrary::IsLoaded());
    ASSERT_TRUE(CCoolBlendLibrary::HasOwnGradientFill());
    const RECT rect = {0, 0, 40, 100};
    POINT light = {20, 50};
    EXPECT_EQ(1, dc.DrawShade(rect, RGB(0, 0, 0), RGB(200, 100, 40), &light, 0));
    EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(5, 0));
    EXPECT_EQ(RGB(200, 100, 40), canvas.Pixel(5, 50));
    // Stripe i of n: start + MulDiv(i, end - start, n).
    EXPECT_EQ(RGB(MulDiv(25, 200, 50), MulDiv(25, 100, 50), MulDiv(25, 40, 50)), canvas.Pixel(39, 25));
    EXPECT_EQ(RGB(200 + MulDiv(49, -200, 50), 100 + MulDiv(49, -100, 50), 40 + MulDiv(49, -40, 50)),
              canvas.Pixel(0, 99));
    // The light point is left alone on this path.
    EXPECT_EQ(20, light.x);

    // Triangles are not drawn without the library.
    canvas.Fill(RGB(1, 2, 3));
    const POINT corners[3] = {{0, 0}, {39, 0}, {0, 99}};
    dc.DrawShadedTriangle(corners, RGB(255, 0, 0), RGB(0, 255, 0));
    EXPECT_EQ(RGB(1, 2, 3), canvas.Pixel(5, 5));
}

TEST(CoolDC, MirrorGradient)
{
    ScopedSystem system(false);
    DibCanvas canvas(100, 10);
    CanvasDC dc(canvas);
    const RECT rect = {0, 0, 100, 10};
    EXPECT_EQ(1, dc.DrawMirrorGradient(rect, RGB(0, 0, 0), RGB(250, 250, 250), true));
    EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(0, 5));
    EXPECT_EQ(RGB(250, 250, 250), canvas.Pixel(50, 5));
    EXPECT_EQ(RGB(MulDiv(49, -250, 50) + 250, MulDiv(49, -250, 50) + 250, MulDiv(49, -250, 50) + 250),
              canvas.Pixel(99, 5));
    const RECT empty = {0, 0, 0, 0};
    EXPECT_EQ(0, dc.DrawMirrorGradient(empty, 0, 0, false));
}

TEST(CoolDC, AlphaBlendWithAndWithoutTheLibrary)
{
    DibCanvas source(10, 10, RGB(200, 0, 0));
    {
        ScopedSystem system(true);
        DibCanvas target(10, 10, RGB(0, 0, 200));
        CanvasDC dc(target);
        EXPECT_TRUE(dc.AlphaBlend(0, 0, 10, 10, source.dc(), 0, 0, 10, 10, 128, 0));
        EXPECT_TRUE(ColorsNear(RGB(100, 0, 100), target.Pixel(5, 5), 3)) << std::hex << target.Pixel(5, 5);
    }
    {
        ScopedSystem system(false);
        DibCanvas target(10, 10, RGB(0, 0, 200));
        CanvasDC dc(target);
        EXPECT_TRUE(dc.AlphaBlend(0, 0, 10, 10, source.dc(), 0, 0, 10, 10, 128, 0));
        EXPECT_EQ(RGB(200, 0, 0), target.Pixel(5, 5));
    }
}

TEST(CoolDC, TransparentCopyLeavesMagentaPixelsUntouched)
{
    for (bool ntFamily : {true, false}) {
        ScopedSystem system(true, ntFamily);
        DibCanvas target(20, 10, RGB(10, 20, 30));
        CanvasDC dc(target);
        CCoolBitmap picture;
        picture.AttachBitmap(MakeTwoColourBitmap(target.dc(), 20, 10, kMagenta, RGB(0, 128, 0)));
        EXPECT_TRUE(picture.DrawTransparent(dc, 0, 0, kMagenta)) << ntFamily;
        EXPECT_EQ(RGB(10, 20, 30), target.Pixel(3, 3)) << ntFamily;
        EXPECT_EQ(RGB(0, 128, 0), target.Pixel(15, 3)) << ntFamily;
    }
    // The own copy refuses a source without a picture.
    DibCanvas target(4, 4);
    HDC empty = CreateCompatibleDC(target.dc());
    EXPECT_FALSE(CCoolBlendLibrary::OwnTransparentBlt(target.dc(), 0, 0, 4, 4, empty, 0, 0, 4, 4, kMagenta));
    DeleteDC(empty);
}

TEST(CoolDC, Knobs)
{
    ScopedSystem system(true);
    const RECT small = {0, 0, 6, 6};
    EXPECT_EQ(0, KnobRimVertexCount(small));
    const RECT large = {0, 0, 40, 40};
    EXPECT_EQ(32, KnobRimVertexCount(large));
    const RECT tiny = {0, 0, 2, 2};
    EXPECT_EQ(0, KnobRimVertexCount(tiny));

    DibCanvas canvas(40, 40, RGB(1, 1, 1));
    CanvasDC dc(canvas);
    EXPECT_TRUE(dc.DrawShadedEllipse(small, RGB(0, 200, 0), RGB(255, 255, 255), nullptr));
    EXPECT_EQ(RGB(0, 200, 0), canvas.Pixel(3, 3));
    EXPECT_EQ(RGB(1, 1, 1), canvas.Pixel(0, 0));

    canvas.Fill(RGB(1, 1, 1));
    POINT light = {35, 20};
    const ShadeMesh mesh = BuildShadedEllipse(large, RGB(0, 0, 0), RGB(240, 240, 240), &light);
    ASSERT_EQ(33u, mesh.vertices.size());
    EXPECT_EQ(40, mesh.vertices[0].x);
    EXPECT_EQ(20, mesh.vertices[0].y);
    // Pulled onto the circle of 0.8 * (r - 2) around the middle.
    EXPECT_EQ(20 + 14, light.x);
    EXPECT_EQ(20, light.y);
    POINT drawnLight = {20, 20};
    EXPECT_TRUE(dc.DrawShadedEllipse(large, RGB(0, 0, 0), RGB(240, 240, 240), &drawnLight));
    EXPECT_TRUE(ColorsNear(RGB(240, 240, 240), canvas.Pixel(20, 20), 10)) << std::hex << canvas.Pixel(20, 20);
    EXPECT_EQ(RGB(1, 1, 1), canvas.Pixel(1, 1));
}

TEST(CoolBitmap, OutsideTheNtFamilyTheHandleLivesOnlyWhileDrawing)
{
    ScopedSystem system(true, false);
    DibCanvas target(20, 10, RGB(0, 0, 0));
    CCoolBitmap picture;
    picture.AttachBitmap(MakeTwoColourBitmap(target.dc(), 20, 10, RGB(255, 0, 0), RGB(0, 0, 255)));
    EXPECT_EQ(20, picture.GetWidth());
    EXPECT_EQ(1, picture.Unrealize(true));
    EXPECT_EQ(nullptr, picture.GetHandle());
    EXPECT_TRUE(picture.Draw(target.dc(), 0, 0));
    EXPECT_EQ(nullptr, picture.GetHandle());
    EXPECT_EQ(RGB(255, 0, 0), target.Pixel(2, 2));
    EXPECT_EQ(RGB(0, 0, 255), target.Pixel(18, 2));
    // Part of the picture, stretched.
    target.Fill(0);
    EXPECT_TRUE(picture.Draw(target.dc(), 0, 0, 20, 10, 10, 0, 10, 10));
    EXPECT_EQ(RGB(0, 0, 255), target.Pixel(1, 1));
}

TEST(CoolBitmap, FailedLoadLeavesItEmpty)
{
    CCoolBitmap picture;
    EXPECT_EQ(0, picture.LoadFromFile("C:\\no such folder\\none.bmp"));
    EXPECT_EQ(nullptr, picture.GetHandle());
    EXPECT_EQ(0, picture.GetWidth());
    EXPECT_EQ(0, picture.LoadFromFile(nullptr));
}

TEST(CoolDC, LibraryLivesWithTheContexts)
{
    ScopedSystem system(true);
    EXPECT_EQ(0, CCoolBlendLibrary::LiveContexts());
    {
        CCoolDC first;
        EXPECT_TRUE(CCoolBlendLibrary::IsLoaded());
        {
            CCoolDC second;
            EXPECT_EQ(2, CCoolBlendLibrary::LiveContexts());
        }
        EXPECT_TRUE(CCoolBlendLibrary::IsLoaded());
    }
    EXPECT_FALSE(CCoolBlendLibrary::IsLoaded());
    EXPECT_EQ(nullptr, CCoolBlendLibrary::GradientFill());
}

TEST(CoolDC, NoGdiObjectsLeakAcrossManyDrawCalls)
{
    // The count must see a leak for the check below to mean anything.
    const DWORD start = GdiObjectCount();
    HBRUSH probe = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(start + 1, GdiObjectCount());
    DeleteObject(probe);

    ScopedSystem system(true);
    DibCanvas canvas(60, 60);
    CCoolBitmap picture;
    picture.AttachBitmap(MakeTwoColourBitmap(canvas.dc(), 16, 16, kMagenta, RGB(1, 2, 3)));
    const DWORD before = GdiObjectCount();
    ASSERT_GT(before, 0u) << "the system must count GDI objects";
    const RECT rect = {0, 0, 60, 60};
    const RECT knob = {0, 0, 40, 40};
    const RECT small = {0, 0, 6, 6};
    const POINT corners[3] = {{0, 0}, {50, 0}, {0, 50}};
    for (int i = 0; i < 1000; ++i) {
        CanvasDC dc(canvas);
        POINT light = {30, 30};
        dc.DrawShade(rect, 0, 0xFFFFFF, &light, i & 1);
        dc.DrawMirrorGradient(rect, 0, 0xFFFFFF, (i & 1) != 0);
        dc.DrawShadedTriangle(corners, 0, 0xFFFFFF);
        dc.DrawShadedEllipse(knob, 0, 0xFFFFFF, &light);
        dc.DrawShadedEllipse(small, 0, 0xFFFFFF, nullptr);
        picture.Draw(canvas.dc(), 0, 0);
        picture.DrawTransparent(dc, 0, 0, kMagenta);
        picture.DrawBlended(dc, 128, 0, 0);
        CCoolBlendLibrary::OwnTransparentBlt(canvas.dc(), 0, 0, 16, 16, canvas.dc(), 0, 0, 16, 16, kMagenta);
    }
    EXPECT_EQ(before, GdiObjectCount());
}
