#include "skin/draw/cool_picture_file.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

#include "platform/dc.h"
#include "platform/owned_handle.h"

namespace {

constexpr uint16_t kBitmapSignature = 0x4D42; // "BM"
constexpr uint32_t kFileHeaderBytes = 14;
constexpr uint32_t kCoreHeaderBytes = 12;
constexpr uint32_t kInfoHeaderBytes = 40;
constexpr uint32_t kMaskBytes = 12;

uint16_t Word(const BYTE* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

uint32_t Dword(const BYTE* p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
        (static_cast<uint32_t>(p[3]) << 24);
}

bool IsKnownHeaderSize(uint32_t size)
{
    return size == kCoreHeaderBytes || size == kInfoHeaderBytes || size == 52 || size == 56 || size == 108 ||
        size == 124;
}

bool IsKnownBitCount(uint16_t bits, bool core)
{
    switch (bits) {
    case 1:
    case 4:
    case 8:
    case 24:
        return true;
    case 16:
    case 32:
        return !core;
    default:
        return false;
    }
}

bool IsKnownCompression(uint32_t compression, uint16_t bits, int32_t height)
{
    switch (compression) {
    case BI_RGB:
        return true;
    case BI_RLE8:
        return bits == 8 && height > 0; // run-length pictures are stored bottom-up only
    case BI_RLE4:
        return bits == 4 && height > 0;
    case BI_BITFIELDS:
        return bits == 16 || bits == 32;
    default:
        return false;
    }
}

uint64_t RowBytes(int32_t width, uint16_t bits)
{
    return (static_cast<uint64_t>(width) * bits + 31) / 32 * 4;
}

// The header fields the checks need, from either header form.
struct HeaderFields {
    int32_t width;
    int32_t height;
    uint16_t planes;
    uint16_t bitCount;
    uint32_t compression;
    uint32_t sizeImage;
    uint32_t colorsUsed;
};

HeaderFields ReadHeaderFields(const BYTE* info, uint32_t headerBytes)
{
    if (headerBytes == kCoreHeaderBytes)
        return {Word(info + 4), Word(info + 6), Word(info + 8), Word(info + 10), BI_RGB, 0, 0};
    return {static_cast<int32_t>(Dword(info + 4)), static_cast<int32_t>(Dword(info + 8)), Word(info + 12),
            Word(info + 14), Dword(info + 16), Dword(info + 20), Dword(info + 32)};
}

bool ReadExactly(HANDLE file, BYTE* buffer, std::size_t size)
{
    while (size > 0) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 20));
        DWORD read = 0;
        if (!ReadFile(file, buffer, chunk, &read, nullptr) || read == 0)
            return false;
        buffer += read;
        size -= read;
    }
    return true;
}

// A BITMAPINFO for the system: a 40-byte header, the masks, the colour table.
std::vector<uint32_t> BuildBitmapInfo(const BYTE* head, const CoolPictureLayout& layout)
{
    std::vector<uint32_t> storage((kInfoHeaderBytes + kMaskBytes + 256 * sizeof(RGBQUAD)) / 4, 0);
    auto* header = reinterpret_cast<BITMAPINFOHEADER*>(storage.data());
    header->biSize = kInfoHeaderBytes;
    header->biWidth = layout.width;
    header->biHeight = layout.height;
    header->biPlanes = 1;
    header->biBitCount = layout.bitCount;
    header->biCompression = layout.compression;
    header->biSizeImage = layout.compression == BI_RLE8 || layout.compression == BI_RLE4 ? layout.bitsBytes : 0;
    header->biClrUsed = layout.colorCount;
    BYTE* after = reinterpret_cast<BYTE*>(storage.data()) + kInfoHeaderBytes;
    if (layout.compression == BI_BITFIELDS) {
        // Masks follow a 40-byte header, or sit inside the longer header forms.
        const BYTE* masks = layout.maskBytes ? head + layout.tableOffset : head + kFileHeaderBytes + kInfoHeaderBytes;
        std::memcpy(after, masks, kMaskBytes);
        after += kMaskBytes;
    }
    const BYTE* table = head + layout.tableOffset + layout.maskBytes;
    auto* colors = reinterpret_cast<RGBQUAD*>(after);
    for (uint32_t i = 0; i < layout.colorCount; ++i) {
        if (layout.headerBytes == kCoreHeaderBytes) {
            const BYTE* triple = table + i * 3;
            colors[i] = RGBQUAD{triple[0], triple[1], triple[2], 0};
        } else {
            std::memcpy(&colors[i], table + i * 4, 4);
        }
    }
    return storage;
}

} // namespace

bool CheckPictureHeaders(const BYTE* head, std::size_t headSize, uint64_t fileSize, CoolPictureLayout* layout)
{
    if (head == nullptr || layout == nullptr || headSize > fileSize || headSize < kFileHeaderBytes + kCoreHeaderBytes)
        return false;
    if (Word(head) != kBitmapSignature)
        return false;
    CoolPictureLayout checked;
    checked.headerBytes = Dword(head + kFileHeaderBytes);
    if (!IsKnownHeaderSize(checked.headerBytes) || kFileHeaderBytes + checked.headerBytes > headSize)
        return false;
    const bool core = checked.headerBytes == kCoreHeaderBytes;
    const HeaderFields fields = ReadHeaderFields(head + kFileHeaderBytes, checked.headerBytes);
    if (fields.planes != 1 || fields.width <= 0 || fields.width > kMaxPictureSide || fields.height == 0 ||
        fields.height < -kMaxPictureSide || fields.height > kMaxPictureSide)
        return false;
    const int32_t rows = fields.height < 0 ? -fields.height : fields.height;
    if (static_cast<uint64_t>(fields.width) * static_cast<uint64_t>(rows) > kMaxPicturePixels)
        return false;
    if (!IsKnownBitCount(fields.bitCount, core) || !IsKnownCompression(fields.compression, fields.bitCount, fields.height))
        return false;

    checked.width = fields.width;
    checked.height = fields.height;
    checked.bitCount = fields.bitCount;
    checked.compression = fields.compression;
    checked.tableOffset = kFileHeaderBytes + checked.headerBytes;
    checked.maskBytes = fields.compression == BI_BITFIELDS && checked.headerBytes == kInfoHeaderBytes ? kMaskBytes : 0;
    if (fields.bitCount <= 8) {
        const uint32_t most = 1u << fields.bitCount;
        if (fields.colorsUsed > most)
            return false;
        checked.colorCount = fields.colorsUsed ? fields.colorsUsed : most;
    }
    // A colour table of a deeper picture is optional; the pixels are found by their offset.
    const uint64_t tableEnd =
        uint64_t{checked.tableOffset} + checked.maskBytes + uint64_t{checked.colorCount} * (core ? 3 : 4);
    checked.bitsOffset = Dword(head + 10);
    if (tableEnd > headSize || checked.bitsOffset < tableEnd || checked.bitsOffset > fileSize)
        return false;

    // What the headers claim against what the file holds, before anything is allocated.
    const uint64_t available = fileSize - checked.bitsOffset;
    if (fields.compression == BI_RLE8 || fields.compression == BI_RLE4) {
        if (fields.sizeImage == 0 || fields.sizeImage > available)
            return false;
        checked.bitsBytes = fields.sizeImage;
    } else {
        const uint64_t needed = RowBytes(fields.width, fields.bitCount) * static_cast<uint64_t>(rows);
        if (needed > available)
            return false;
        checked.bitsBytes = static_cast<uint32_t>(needed);
    }
    *layout = checked;
    return true;
}

HBITMAP LoadPictureFile(const char* path)
{
    if (path == nullptr || *path == '\0')
        return nullptr;
    COwnedKernelHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size = {};
    if (!file.IsHeld() || !GetFileSizeEx(file.Get(), &size) || size.QuadPart <= 0)
        return nullptr;
    const uint64_t fileSize = static_cast<uint64_t>(size.QuadPart);

    BYTE head[kPictureHeadBytes];
    const std::size_t headSize = static_cast<std::size_t>(std::min<uint64_t>(fileSize, sizeof(head)));
    CoolPictureLayout layout;
    if (!ReadExactly(file.Get(), head, headSize) || !CheckPictureHeaders(head, headSize, fileSize, &layout))
        return nullptr;

    // The pixel bytes are no more than the file holds (checked above).
    std::vector<BYTE> bits;
    try {
        bits.resize(layout.bitsBytes);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    LARGE_INTEGER offset = {};
    offset.QuadPart = layout.bitsOffset;
    if (!SetFilePointerEx(file.Get(), offset, nullptr, FILE_BEGIN) || !ReadExactly(file.Get(), bits.data(), bits.size()))
        return nullptr;

    const std::vector<uint32_t> info = BuildBitmapInfo(head, layout);
    const int rows = layout.height < 0 ? -layout.height : layout.height;
    const CClientDC screen(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen.GetSafeHdc(), layout.width, rows);
    if (bitmap != nullptr &&
        SetDIBits(screen.GetSafeHdc(), bitmap, 0, static_cast<UINT>(rows), bits.data(),
                  reinterpret_cast<const BITMAPINFO*>(info.data()), DIB_RGB_COLORS) == 0) {
        DeleteObject(bitmap);
        bitmap = nullptr;
    }
    return bitmap;
}
