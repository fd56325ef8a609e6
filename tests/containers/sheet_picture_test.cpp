// The sheet's background picture: alone, blended over the generated background at
// 255 - blend level, refused when unreadable, and sizing the sheet on request.
#include <gtest/gtest.h>

#include <string>

#include "container_windows.h"
#include "picture_files.h"
#include "skin/scheme/cool_messages.h"
#include "support/dib_canvas.h"
#include "support/message_pump.h"
#include "support/temp_file.h"

namespace {

constexpr COLORREF kPicture = RGB(240, 200, 20);

int Blend(int below, int picture, int alpha)
{
    return (below * (255 - alpha) + picture * alpha) / 255;
}

class SheetPicture : public SharedSheetTest {
protected:
    void SetUp() override
    {
        ASSERT_NE(nullptr, Sheet().m_hWnd);
        ASSERT_TRUE(m_pictureFile.Write(Bitmap24(16, 12, [](int, int) { return kPicture; })));
    }
    // A pixel of the sheet's cached background, built now if need be.
    static COLORREF Cached(int x, int y)
    {
        HBITMAP cache = nullptr;
        Sheet().GetBkBitmap(&cache);
        return BitmapPixel(cache, x, y);
    }
    const char* PicturePath() { return m_pictureFile.Path().c_str(); }

private:
    TempFile m_pictureFile;
};


} // namespace

TEST_F(SheetPicture, WithoutBlendingOnlyThePictureShows)
{
    Sheet().SendMessage(WM_COOL_SETFLAGS, 0, RM_REFLECTIONS | RM_AUTOSHADES);
    // Controls that show the background through them are told to draw their faces anew.
    const size_t passedOn = s_two->first.control->lights.size();
    ASSERT_EQ(1, Sheet().SetPicture(PicturePath(), false));
    EXPECT_TRUE(Sheet().HasPicture());
    EXPECT_GT(s_two->first.control->lights.size(), passedOn);
    RECT client;
    Sheet().GetClientRect(&client);
    for (POINT p : {POINT{1, 1}, POINT{client.right / 2, client.bottom - 3}, POINT{client.right - 2, 5}})
        EXPECT_EQ(kPicture, Cached(p.x, p.y)) << p.x << "," << p.y;
    PaintPending();
    // On the screen too, beside the buttons and behind the page.
    EXPECT_EQ(kPicture, ScreenPixel(Sheet().m_hWnd, 2, client.bottom - 3));
    RECT page;
    s_two->first.GetClientRect(&page);
    EXPECT_EQ(kPicture, ScreenPixel(s_two->first.m_hWnd, page.right - 3, page.bottom - 3));
}

TEST_F(SheetPicture, BlendedAt180ThePictureLiesOverTheGeneratedBackgroundAtAlpha75)
{
    Sheet().SendMessage(WM_COOL_SETFLAGS, 0, RM_REFLECTIONS | RM_AUTOSHADES);
    // A file that cannot be read: no picture, the generated background, and 0.
    EXPECT_EQ(0, Sheet().SetPicture("C:\\no such folder\\none.bmp", false));
    EXPECT_FALSE(Sheet().HasPicture());
    const POINT probes[] = {{3, 3}, {40, 60}, {150, 20}};
    COLORREF generated[3];
    for (int i = 0; i < 3; ++i)
        generated[i] = Cached(probes[i].x, probes[i].y);
    EXPECT_NE(generated[0], generated[1]) << "a shaded background varies";

    Sheet().m_blendLevel = 180;
    Sheet().SendMessage(WM_COOL_SETFLAGS, 0, RM_REFLECTIONS | RM_AUTOSHADES | RM_BLENDPICTURE);
    ASSERT_EQ(1, Sheet().SetPicture(PicturePath(), false));
    for (int i = 0; i < 3; ++i) {
        const COLORREF shown = Cached(probes[i].x, probes[i].y);
        const COLORREF expected = RGB(Blend(GetRValue(generated[i]), GetRValue(kPicture), 75),
                                      Blend(GetGValue(generated[i]), GetGValue(kPicture), 75),
                                      Blend(GetBValue(generated[i]), GetBValue(kPicture), 75));
        EXPECT_TRUE(ColorsNear(expected, shown, 2)) << std::hex << expected << " " << shown;
    }

    // Blend level 255 means no blending: the picture alone again.
    Sheet().m_blendLevel = 255;
    Sheet().SetPicture(nullptr, false);
    EXPECT_EQ(kPicture, Cached(3, 3));
    Sheet().m_blendLevel = 255;
}

TEST_F(SheetPicture, ResizeFlagGivesTheClientAreaThePicturesSize)
{
    TempFile large;
    ASSERT_TRUE(large.Write(Bitmap24(420, 330, [](int x, int) { return x < 210 ? kPicture : RGB(0, 0, 255); })));
    RECT before;
    Sheet().GetWindowRect(&before);
    ASSERT_EQ(1, Sheet().SetPicture(large.Path().c_str(), true));
    RECT client;
    RECT after;
    Sheet().GetClientRect(&client);
    Sheet().GetWindowRect(&after);
    EXPECT_EQ(420, client.right);
    EXPECT_EQ(330, client.bottom);
    EXPECT_EQ(before.left, after.left);
    EXPECT_EQ(before.top, after.top);
    // The cache was rebuilt at the new size: the picture is not stretched.
    Sheet().SendMessage(WM_COOL_SETFLAGS, 0, RM_AUTOSHADES);
    EXPECT_EQ(kPicture, Cached(209, 100));
    EXPECT_EQ(RGB(0, 0, 255), Cached(210, 100));
}
