#pragma once
// What a mixer-bound button tells its parent after the mixer changed the control
// it shows (WM_NOTIFY, the button's dialog control ID as first parameter).

#include <windows.h>
#include <commctrl.h>

constexpr UINT NM_MIXERCHANGE = static_cast<UINT>(-990);

struct MixerChangeNotify {
    NMHDR header;    // the button's window and dialog control ID, NM_MIXERCHANGE
    DWORD lineId;    // only the low 16 bits of the bound line ID
    DWORD controlId; // the bound control
};
