#pragma once
// Bitmap files built byte by byte for the picture loader's tests.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

struct BitmapFileSpec {
    int32_t width = 8;
    int32_t height = 4;
    uint16_t bitCount = 24;
    uint32_t compression = BI_RGB;
    uint32_t colorsUsed = 0;
    uint32_t headerBytes = 40;
    uint32_t sizeImage = 0;
    uint16_t planes = 1;
};

// Headers (file header at offset 0, pixels right after the table) followed by the
// colour table and the pixel bytes as given; bitsOffset, when not 0, is written
// instead of the real offset.
std::string BitmapFile(const BitmapFileSpec& spec, const std::string& table, const std::string& pixels,
                       uint32_t bitsOffset = 0);

// A bottom-up 24-bit picture whose pixels come from the function (x, y from the top).
std::string Bitmap24(int width, int height, const std::function<COLORREF(int x, int y)>& pixel);

// The bytes of a file claiming a width x height 24-bit picture, with only a few
// pixel bytes after its headers.
std::string ClaimingBitmap(int32_t width, int32_t height);
