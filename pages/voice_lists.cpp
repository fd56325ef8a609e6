#include "pages/voice_lists.h"

#include <cstdio>

#include "platform/resource_string.h"
#include "string_ids.h"

namespace {

constexpr DWORD kSoftwareLimits[] = {16,  24,  32,  48,  56,  64,  96,  128, 196, 224,
                                     256, 320, 384, 448, 512, 640, 768, 896, 976};

// A list longer than this would be no list to choose from; the card's range is far smaller.
constexpr DWORD kMostHardwareEntries = 1024;

VoiceListEntry NumberEntry(DWORD limit)
{
    char text[16];
    std::snprintf(text, sizeof(text), "%3i", static_cast<int>(limit));
    return {text, limit};
}

} // namespace

std::vector<VoiceListEntry> HardwareVoiceEntries(DWORD minimum, DWORD maximum)
{
    std::vector<VoiceListEntry> entries{{LoadResourceString(IDS_MIDI_VOICES_DISABLED), 0}};
    for (DWORD limit = minimum; limit <= maximum && entries.size() <= kMostHardwareEntries; ++limit)
        entries.push_back(NumberEntry(limit));
    return entries;
}

std::vector<VoiceListEntry> SoftwareVoiceEntries()
{
    std::vector<VoiceListEntry> entries{{LoadResourceString(IDS_MIDI_VOICES_DISABLED), 0}};
    for (DWORD limit : kSoftwareLimits)
        entries.push_back(NumberEntry(limit));
    return entries;
}

int HardwareVoiceIndex(DWORD limit, DWORD minimum)
{
    return limit == 0 || limit < minimum ? 0 : static_cast<int>(limit - minimum + 1);
}

int SoftwareVoiceIndex(const std::vector<VoiceListEntry>& entries, DWORD limit)
{
    int index = 0;
    for (int i = 0; i < static_cast<int>(entries.size()); ++i)
        if (entries[i].limit <= limit)
            index = i;
    return index;
}
