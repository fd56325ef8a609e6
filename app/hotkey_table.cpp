#include "app/hotkey_table.h"

namespace {

constexpr DWORD kCtrl = MOD_CONTROL;
constexpr DWORD kCtrlShift = MOD_CONTROL | MOD_SHIFT;
constexpr DWORD kCtrlAlt = MOD_CONTROL | MOD_ALT;

} // namespace

// Volume up, down and mute of the master and the first four lines, then the other
// mutes, the record sources, the equalizer, the speaker modes and the files.
const HotkeyEntry kHotkeyTable[kHotkeyCount] = {
    {0, kCtrl, VK_SPACE},      {1, kCtrlShift, VK_SPACE}, {2, kCtrlAlt, VK_SPACE},
    {3, kCtrl, 'F'},           {4, kCtrlShift, 'F'},      {5, kCtrlAlt, 'F'},
    {6, kCtrl, 'R'},           {8, kCtrlAlt, 'R'},        {7, kCtrlShift, 'R'},
    {14, kCtrlAlt, 'V'},       {12, kCtrl, 'V'},          {13, kCtrlShift, 'V'},
    {11, kCtrlAlt, 'L'},       {9, kCtrl, 'L'},           {10, kCtrlShift, 'L'},
    {15, kCtrlAlt, 'W'},       {16, kCtrlAlt, 'S'},       {17, kCtrlAlt, 'A'},
    {18, kCtrlAlt, 'I'},       {19, kCtrlAlt, 'C'},       {20, kCtrlAlt, 'M'},
    {21, kCtrlAlt, 'D'},       {22, kCtrlAlt, 'G'},       {23, kCtrlShift, 'I'},
    {24, kCtrlShift, 'C'},     {25, kCtrlShift, 'A'},     {26, kCtrlShift, 'M'},
    {27, kCtrlShift, 'X'},     {28, kCtrlAlt, 'E'},       {29, kCtrlAlt, '0'},
    {30, kCtrlAlt, '2'},       {31, kCtrlAlt, '4'},       {32, kCtrlAlt, '6'},
    {33, kCtrl, 'O'},          {34, kCtrl, 'S'},
};

const HotkeyEntry* FindHotkey(DWORD modifiers, DWORD key)
{
    for (const HotkeyEntry& entry : kHotkeyTable)
        if (entry.modifiers == modifiers && entry.key == key)
            return &entry;
    return nullptr;
}
