#pragma once
// Private messages through which skinned windows read, set and pass on their schemes.

#include <windows.h>

constexpr UINT WM_COOL_SETCOLOR = WM_USER + 256;    // wParam role, lParam COLORREF
constexpr UINT WM_COOL_GETCOLOR = WM_USER + 257;    // wParam role, lParam COLORREF*
constexpr UINT WM_COOL_SETLIGHT = WM_USER + 258;    // lParam POINT*
constexpr UINT WM_COOL_SETFLAGS = WM_USER + 260;    // lParam render mode
constexpr UINT WM_COOL_GETFLAGS = WM_USER + 261;    // lParam int*
constexpr UINT WM_COOL_SYSCOLORS = WM_USER + 262;   // containers: Windows colours
constexpr UINT WM_COOL_BEGINSCHEME = WM_USER + 263; // a whole scheme follows: pass on at its end
constexpr UINT WM_COOL_ENDSCHEME = WM_USER + 264;   // the whole scheme is in: pass it on now
constexpr UINT WM_COOL_GETBKBITMAP = WM_USER + 270; // lParam HBITMAP*
constexpr UINT WM_COOL_GETBKRECT = WM_USER + 271;   // lParam RECT*
constexpr UINT WM_COOL_GETLAYOUT = WM_USER + 273;   // lParam 28-byte layout record

static_assert(WM_COOL_SETCOLOR == 0x500 && WM_COOL_GETLAYOUT == 0x511, "message values are fixed");

// Status text of the application's main window: wParam a string ID, or lParam the
// text itself; 0, 0 clears it.
constexpr UINT WM_SETMESSAGESTRING = 0x0362;

// Timers of the skinned controls (per window).
constexpr UINT_PTR kButtonHoverTimer = 676;      // leave detection of buttons
constexpr UINT_PTR kComboHoverTimer = 666;       // leave detection of combo boxes
constexpr UINT_PTR kStaticScrollTimer = 777;     // hover scrolling of statics
constexpr UINT kHoverTimerPeriod = 100;          // milliseconds, all three

static_assert(kButtonHoverTimer == 676 && kComboHoverTimer == 666 && kStaticScrollTimer == 777,
              "timer IDs are fixed");
