#pragma once
// The positioner's mapping between its logical plane and its client pixels, and
// the notifications it sends its parent.

#include <windows.h>

// Notifications to the parent: the new current item (sent); a finished drag and
// each step of one (posted), with the logical position packed by PackPosition.
constexpr UINT WM_2DPOS_SELCHANGE = WM_USER + 512;
constexpr UINT WM_2DPOS_DROP = WM_USER + 513;
constexpr UINT WM_2DPOS_MOVE = WM_USER + 514;
static_assert(WM_2DPOS_SELCHANGE == 0x600 && WM_2DPOS_MOVE == 0x602, "message values are fixed");

// x in the high 16 bits, y in the low 16 bits.
inline LPARAM PackPosition(int x, int y)
{
    return static_cast<LPARAM>(static_cast<DWORD>(x) << 16 | (static_cast<DWORD>(y) & 0xFFFF));
}
inline int PackedX(LPARAM packed) { return static_cast<int>(static_cast<DWORD>(packed) >> 16 & 0xFFFF); }
inline int PackedY(LPARAM packed) { return static_cast<int>(static_cast<DWORD>(packed) & 0xFFFF); }

// The logical plane; a side of zero extent maps everything onto its minimum.
struct PositionerRange {
    int xMin = -255;
    int yMin = -255;
    int yMax = 255;
    int xMax = 255;
};

// Logical to client pixels over a client area of width x height, rounded to the
// nearest pixel; a range or area of zero extent gives pixel 0.
POINT LogicalToClient(const PositionerRange& range, int width, int height, POINT logical);
// Client pixels to logical, rounded; a range or area of zero extent gives the minimum.
POINT ClientToLogical(const PositionerRange& range, int width, int height, POINT client);
