#pragma once
// The MIDI page's two voice-limit lists: their entries (text and limit) and which
// entry shows a limit.

#include <windows.h>

#include <string>
#include <vector>

struct VoiceListEntry {
    std::string text;
    DWORD limit;
};

// "disabled" (0), then every number from minimum to maximum.
std::vector<VoiceListEntry> HardwareVoiceEntries(DWORD minimum, DWORD maximum);
// "disabled" (0), then the fixed software limits, whatever the card's range.
std::vector<VoiceListEntry> SoftwareVoiceEntries();

// The hardware entry of a limit already in the range: 0 for none, else the
// limit's place after the minimum.
int HardwareVoiceIndex(DWORD limit, DWORD minimum);
// The software entry of a limit in the range (or 0 / 976 and more): the last
// entry whose limit is not above it.
int SoftwareVoiceIndex(const std::vector<VoiceListEntry>& entries, DWORD limit);
