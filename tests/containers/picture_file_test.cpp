// The picture loader takes only bitmap files whose headers agree with themselves and
// with the file's size; damaged files of every kind are refused without a crash and
// without allocating what their headers claim.
#include <gtest/gtest.h>

#include <windows.h>
#include <psapi.h>

#include <random>
#include <string>
#include <vector>

#include "picture_files.h"
#include "skin/draw/cool_bitmap.h"
#include "skin/containers/cool_container_background.h"
#include "skin/draw/cool_dc.h"
#include "skin/draw/cool_picture_file.h"
#include "skin/scheme/cool_scheme.h"
#include "support/dib_canvas.h"
#include "support/temp_file.h"

namespace {

COLORREF Checker(int x, int y)
{
    return (x + y) % 2 ? RGB(250, 20, 10) : RGB(10, 200, 60);
}

std::string Palette(std::initializer_list<COLORREF> colors, int entryBytes = 4)
{
    std::string table;
    for (COLORREF c : colors) {
        table.push_back(static_cast<char>(GetBValue(c)));
        table.push_back(static_cast<char>(GetGValue(c)));
        table.push_back(static_cast<char>(GetRValue(c)));
        if (entryBytes == 4)
            table.push_back('\0');
    }
    return table;
}

// A loaded picture drawn 1:1 onto a canvas.
struct Loaded {
    explicit Loaded(const std::string& bytes) : canvas(32, 32, RGB(1, 2, 3))
    {
        file.Write(bytes);
        ok = picture.LoadFromFile(file.Path().c_str()) == 1;
        if (ok)
            picture.Draw(canvas.dc(), 0, 0);
    }
    TempFile file;
    CCoolBitmap picture;
    DibCanvas canvas;
    bool ok = false;
};

SIZE_T PeakPrivateBytes()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    using Query = BOOL(WINAPI*)(HANDLE, PPROCESS_MEMORY_COUNTERS, DWORD);
    auto query = reinterpret_cast<Query>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "K32GetProcessMemoryInfo"));
    if (query == nullptr || !query(GetCurrentProcess(), &counters, sizeof(counters)))
        return 0;
    return counters.PeakPagefileUsage;
}

} // namespace

TEST(PictureFile, GoodFilesOfEachFormLoadWithTheirPixels)
{
    {
        Loaded bottomUp(Bitmap24(8, 4, Checker));
        ASSERT_TRUE(bottomUp.ok);
        EXPECT_EQ(8, bottomUp.picture.GetWidth());
        EXPECT_EQ(4, bottomUp.picture.GetHeight());
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 8; ++x)
                EXPECT_EQ(Checker(x, y), bottomUp.canvas.Pixel(x, y)) << x << "," << y;
    }
    {
        // Top-down rows, 8 bits with a two-entry table (colours used = 2).
        BitmapFileSpec spec;
        spec.width = 4;
        spec.height = -2;
        spec.bitCount = 8;
        spec.colorsUsed = 2;
        Loaded topDown(BitmapFile(spec, Palette({RGB(255, 0, 0), RGB(0, 0, 255)}), std::string("\0\1\0\1\1\1\0\0", 8)));
        ASSERT_TRUE(topDown.ok);
        EXPECT_EQ(RGB(255, 0, 0), topDown.canvas.Pixel(0, 0));
        EXPECT_EQ(RGB(0, 0, 255), topDown.canvas.Pixel(1, 0));
        EXPECT_EQ(RGB(0, 0, 255), topDown.canvas.Pixel(0, 1));
        EXPECT_EQ(RGB(255, 0, 0), topDown.canvas.Pixel(3, 1));
    }
    {
        // The old core header: 3-byte table entries, 1 bit per pixel.
        BitmapFileSpec spec;
        spec.headerBytes = 12;
        spec.width = 2;
        spec.height = 1;
        spec.bitCount = 1;
        Loaded core(BitmapFile(spec, Palette({RGB(0, 0, 0), RGB(0, 255, 0)}, 3), std::string("\x40\0\0\0", 4)));
        ASSERT_TRUE(core.ok);
        EXPECT_EQ(RGB(0, 0, 0), core.canvas.Pixel(0, 0));
        EXPECT_EQ(RGB(0, 255, 0), core.canvas.Pixel(1, 0));
    }
    {
        // Run-length 8-bit: a run of 3 pixels of entry 1, end of picture.
        BitmapFileSpec spec;
        spec.width = 3;
        spec.height = 1;
        spec.bitCount = 8;
        spec.compression = BI_RLE8;
        spec.colorsUsed = 2;
        const std::string runs("\x03\x01\x00\x01", 4);
        spec.sizeImage = static_cast<uint32_t>(runs.size());
        Loaded rle(BitmapFile(spec, Palette({RGB(0, 0, 0), RGB(9, 99, 199)}), runs));
        ASSERT_TRUE(rle.ok);
        EXPECT_EQ(RGB(9, 99, 199), rle.canvas.Pixel(2, 0));
    }
    {
        // Runs and moves that leave the picture: decoded within it or refused, never beyond.
        BitmapFileSpec spec;
        spec.width = 4;
        spec.height = 2;
        spec.bitCount = 8;
        spec.compression = BI_RLE8;
        spec.colorsUsed = 2;
        const std::string runs("\xFF\x01\x00\x02\x7F\x7F\xFF\x01\x00\x00\x00\x05\x01\x01", 14);
        spec.sizeImage = static_cast<uint32_t>(runs.size());
        Loaded wild(BitmapFile(spec, Palette({RGB(0, 0, 0), RGB(9, 99, 199)}), runs));
        if (wild.ok) {
            EXPECT_EQ(4, wild.picture.GetWidth());
        }
    }
}

TEST(PictureFile, DamagedOrLyingHeadersAreRefused)
{
    const std::string good = Bitmap24(8, 4, Checker);
    BitmapFileSpec spec;
    const std::string pixels(8 * 3 * 4, '\x55');
    auto with = [&](void (*change)(BitmapFileSpec&)) {
        BitmapFileSpec changed = spec;
        change(changed);
        return BitmapFile(changed, "", pixels);
    };
    std::string wrongSignature = good;
    wrongSignature[0] = 'X';
    std::string rleRuns("\x7F\x01\x7F\x01\x00\x02\xFF\xFF\x00\x01", 10);
    BitmapFileSpec rle;
    rle.width = 4;
    rle.height = 2;
    rle.bitCount = 8;
    rle.compression = BI_RLE8;
    rle.colorsUsed = 1;
    rle.sizeImage = 1000; // more than the file holds
    const struct {
        const char* name;
        std::string bytes;
    } rows[] = {
        {"zero length", ""},
        {"cut inside the file header", good.substr(0, 10)},
        {"cut inside the info header", good.substr(0, 30)},
        {"last pixel byte missing", good.substr(0, good.size() - 1)},
        {"100000 x 100000 pixels", ClaimingBitmap(100000, 100000)},
        {"1000 x 1000 pixels in a small file", ClaimingBitmap(1000, 1000)},
        {"negative width", ClaimingBitmap(-8, 4)},
        {"height of -2^31", ClaimingBitmap(8, INT32_MIN)},
        {"wrong signature", wrongSignature},
        {"width 0", with([](BitmapFileSpec& s) { s.width = 0; })},
        {"height 0", with([](BitmapFileSpec& s) { s.height = 0; })},
        {"two planes", with([](BitmapFileSpec& s) { s.planes = 2; })},
        {"7 bits per pixel", with([](BitmapFileSpec& s) { s.bitCount = 7; })},
        {"run-length with 24 bits", with([](BitmapFileSpec& s) { s.compression = BI_RLE8; })},
        {"JPEG inside", with([](BitmapFileSpec& s) { s.compression = BI_JPEG; })},
        {"header of 20 bytes", with([](BitmapFileSpec& s) { s.headerBytes = 20; })},
        {"300 colours for 8 bits", with([](BitmapFileSpec& s) {
             s.bitCount = 8;
             s.colorsUsed = 300;
         })},
        {"pixels said to lie beyond the end", BitmapFile(spec, "", pixels, 100000)},
        {"pixels said to lie inside the header", BitmapFile(spec, "", pixels, 20)},
        {"run-length data longer than the file", BitmapFile(rle, Palette({RGB(1, 1, 1)}), rleRuns)},
    };
    for (const auto& row : rows) {
        CoolPictureLayout layout;
        const auto* head = reinterpret_cast<const BYTE*>(row.bytes.data());
        const size_t headSize = std::min(row.bytes.size(), kPictureHeadBytes);
        EXPECT_FALSE(CheckPictureHeaders(head, headSize, row.bytes.size(), &layout)) << row.name;
        Loaded loaded(row.bytes);
        EXPECT_FALSE(loaded.ok) << row.name;
        EXPECT_EQ(0, loaded.picture.GetWidth()) << row.name;
    }
}

TEST(PictureFile, FoldersAndMissingFilesAreRefused)
{
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    CCoolBitmap picture;
    EXPECT_EQ(0, picture.LoadFromFile(folder));
    EXPECT_EQ(0, picture.LoadFromFile("C:\\no such folder\\none.bmp"));
    EXPECT_EQ(0, picture.LoadFromFile(""));
    EXPECT_EQ(0, picture.LoadFromFile(nullptr));
}

TEST(PictureFile, ClaimedSizeIsCheckedBeforeAnythingIsAllocated)
{
    // 8000 x 8000 x 3 bytes would be 192 MB, an allocation a 32-bit process can make.
    const std::string lying = ClaimingBitmap(8000, 8000);
    TempFile file;
    ASSERT_TRUE(file.Write(lying));
    // The measure must see an allocation of that kind for the check to mean anything.
    const SIZE_T start = PeakPrivateBytes();
    ASSERT_NE(0u, start);
    {
        std::vector<char> probe(32 << 20, 1);
        EXPECT_GE(PeakPrivateBytes() - start, SIZE_T{30 << 20});
    }
    const SIZE_T before = PeakPrivateBytes();
    EXPECT_EQ(nullptr, LoadPictureFile(file.Path().c_str()));
    EXPECT_LT(PeakPrivateBytes() - before, SIZE_T{4 << 20});

    const std::string huge = ClaimingBitmap(100000, 100000);
    CoolPictureLayout layout;
    EXPECT_FALSE(CheckPictureHeaders(reinterpret_cast<const BYTE*>(huge.data()), huge.size(), huge.size(), &layout));
    // Even where the file were large enough, the picture is beyond every limit.
    EXPECT_FALSE(CheckPictureHeaders(reinterpret_cast<const BYTE*>(huge.data()), huge.size(), 1ull << 40, &layout));
}

TEST(PictureFile, ThousandRandomMutationsLeaveThePictureOrTheGeneratedBackground)
{
    const std::string good = Bitmap24(16, 8, Checker);
    std::mt19937 random(20240517);
    CCoolScheme scheme;
    scheme.SetFlags(RM_AUTOSHADES); // flat, no blending: a refused picture shows the plain background
    const COLORREF background = scheme.m_colors[CCOL_BACKGROUND];
    const DWORD gdiBefore = GdiObjectCount();
    int loadedCount = 0;
    TempFile file;
    for (int round = 0; round < 1000; ++round) {
        std::string bytes = good;
        const int changes = 1 + static_cast<int>(random() % 4);
        for (int i = 0; i < changes; ++i) {
            // Half of the changes hit the headers, where they matter most.
            const size_t span = random() % 2 ? 54 : bytes.size();
            bytes[random() % span] = static_cast<char>(random() & 0xFF);
        }
        if (random() % 8 == 0)
            bytes.resize(random() % bytes.size());
        ASSERT_TRUE(file.Write(bytes));

        CCoolBitmap picture;
        const int result = picture.LoadFromFile(file.Path().c_str());
        ASSERT_EQ(result == 1, HoldsBitmap(picture)) << "round " << round;
        DibCanvas canvas(20, 10, RGB(0, 0, 0));
        {
            CCoolDC dc;
            dc.Attach(canvas.dc());
            DrawSheetBackground(dc, RECT{0, 0, 20, 10}, scheme, &picture);
            dc.Detach();
        }
        if (result == 1) {
            ++loadedCount;
            EXPECT_LE(picture.GetWidth(), kMaxPictureSide);
        } else {
            EXPECT_EQ(background, canvas.Pixel(10, 5)) << "round " << round;
        }
    }
    // Both outcomes occur: the mutations are neither all harmless nor all fatal.
    EXPECT_GT(loadedCount, 100);
    EXPECT_LT(loadedCount, 1000);
    EXPECT_LE(GdiObjectCount(), gdiBefore + 2);
}
