#pragma once
// Which record source and which item of the record source selector each column of
// the Record page stands for. Columns are slots of a fixed order of source kinds
// (mix, aux, microphone, CD, line, other); a slot takes the first source of its
// kind and the first selector item named as that source's line.

#include <windows.h>

#include <vector>

class CMixerDevice;

constexpr int kRecordDestination = 1;
// The page has room for this many record sources.
constexpr int kRecordSlotCount = 6;
// The microphone's slot: its column holds the boost box.
constexpr int kRecordMicrophoneSlot = 2;

struct RecordSlot {
    int source = -1; // source index in the record destination; -1: none of the slot's kind
    int item = -1;   // selector item; -1: no item carries the source's name
};

struct RecordSlots {
    // The record destination's source count, as the selector's buttons count items.
    int sourceCount = 0;
    // One per column the page shows: the source count, at most kRecordSlotCount.
    std::vector<RecordSlot> slots;
    // The record destination's line and its source selector (control 0); found
    // false when either is missing.
    bool selectorFound = false;
    DWORD lineId = 0;
    DWORD selectorId = 0;
};

RecordSlots FindRecordSlots(CMixerDevice& mixer);
