#pragma once
// Bitmap files chosen by the user (the sheet's background picture). The headers are
// checked against the file's size before anything is allocated, so a damaged or
// hostile file is refused instead of being handed to the system's decoder.

#include <windows.h>

#include <cstddef>
#include <cstdint>

// What a bitmap file's headers describe, once checked.
struct CoolPictureLayout {
    uint32_t headerBytes = 0;  // the info header as stored (12 for the core form)
    uint32_t tableOffset = 0;  // where the masks and the colour table begin
    uint32_t maskBytes = 0;    // bit-field masks after a 40-byte header
    uint32_t colorCount = 0;   // colour-table entries (3 bytes each in the core form)
    uint32_t bitsOffset = 0;   // where the pixels begin
    uint32_t bitsBytes = 0;    // how many pixel bytes are read
    int32_t width = 0;
    int32_t height = 0;        // negative: rows stored top-down
    uint16_t bitCount = 0;
    uint32_t compression = BI_RGB;
};

// The largest picture accepted: each side at most this many pixels...
constexpr int32_t kMaxPictureSide = 16384;
// ...and at most this many pixels in all (256 MB at 32 bits per pixel).
constexpr uint64_t kMaxPicturePixels = 64ull * 1024 * 1024;
// The headers and the colour table never need more than this from the file's start.
constexpr std::size_t kPictureHeadBytes = 14 + 124 + 12 + 256 * 4;

// Checks the start of a bitmap file (head: its first headSize bytes; fileSize: the
// whole file's size). False when the headers are damaged, unsupported, or claim
// more pixel data than the file holds.
bool CheckPictureHeaders(const BYTE* head, std::size_t headSize, uint64_t fileSize, CoolPictureLayout* layout);

// The file as a bitmap compatible with the screen; null when it cannot be read or
// is refused. The caller owns the bitmap.
HBITMAP LoadPictureFile(const char* path);
