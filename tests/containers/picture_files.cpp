#include "picture_files.h"

namespace {

void Put16(std::string& out, uint16_t value)
{
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>(value >> 8));
}

void Put32(std::string& out, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace

std::string BitmapFile(const BitmapFileSpec& spec, const std::string& table, const std::string& pixels,
                       uint32_t bitsOffset)
{
    std::string info;
    Put32(info, spec.headerBytes);
    if (spec.headerBytes == 12) {
        Put16(info, static_cast<uint16_t>(spec.width));
        Put16(info, static_cast<uint16_t>(spec.height));
        Put16(info, spec.planes);
        Put16(info, spec.bitCount);
    } else {
        Put32(info, static_cast<uint32_t>(spec.width));
        Put32(info, static_cast<uint32_t>(spec.height));
        Put16(info, spec.planes);
        Put16(info, spec.bitCount);
        Put32(info, spec.compression);
        Put32(info, spec.sizeImage);
        Put32(info, 2835);
        Put32(info, 2835);
        Put32(info, spec.colorsUsed);
        Put32(info, 0);
        info.resize(spec.headerBytes, '\0');
    }
    const uint32_t offset = static_cast<uint32_t>(14 + info.size() + table.size());
    std::string file = "BM";
    Put32(file, static_cast<uint32_t>(offset + pixels.size()));
    Put32(file, 0);
    Put32(file, bitsOffset ? bitsOffset : offset);
    return file + info + table + pixels;
}

std::string Bitmap24(int width, int height, const std::function<COLORREF(int x, int y)>& pixel)
{
    const int stride = (width * 3 + 3) / 4 * 4;
    std::string pixels(static_cast<size_t>(stride) * height, '\0');
    for (int row = 0; row < height; ++row) {
        const int y = height - 1 - row;
        for (int x = 0; x < width; ++x) {
            const COLORREF color = pixel(x, y);
            char* p = &pixels[static_cast<size_t>(row) * stride + x * 3];
            p[0] = static_cast<char>(GetBValue(color));
            p[1] = static_cast<char>(GetGValue(color));
            p[2] = static_cast<char>(GetRValue(color));
        }
    }
    BitmapFileSpec spec;
    spec.width = width;
    spec.height = height;
    return BitmapFile(spec, "", pixels);
}

std::string ClaimingBitmap(int32_t width, int32_t height)
{
    BitmapFileSpec spec;
    spec.width = width;
    spec.height = height;
    return BitmapFile(spec, "", std::string(64, '\x7F'));
}
