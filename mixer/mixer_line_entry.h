#pragma once
// One destination or source line of a mixer: its description, its controls and,
// for a destination, its source lines.

#include "mixer/mixer_control_entry.h"

#include <memory>
#include <vector>

// Bit of MIXERLINE.dwUser: the line is not available.
constexpr DWORD LINE_HIDDEN = 1;

class MixerLineEntry {
public:
    MixerLineEntry() : line() {}
    MixerLineEntry(const MixerLineEntry&) = delete;
    MixerLineEntry& operator=(const MixerLineEntry&) = delete;

    bool IsHidden() const { return (line.dwUser & LINE_HIDDEN) != 0; }

    MIXERLINEA line;
    std::vector<std::unique_ptr<MixerControlEntry>> controls;
    std::vector<std::unique_ptr<MixerLineEntry>> sources;
};
