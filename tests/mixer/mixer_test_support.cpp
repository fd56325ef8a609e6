#include "mixer/mixer_test_support.h"

#include <cstring>

size_t RecordingListener::CountFor(DWORD controlId) const
{
    size_t count = 0;
    for (const auto& change : changes)
        count += change.first == controlId ? 1 : 0;
    return count;
}

SimMixerLayout SmallLayout()
{
    SimMixerLayout layout;
    SimDestination playback;
    playback.line.shortName = "Volume";
    playback.line.name = "Volume Control";
    playback.line.componentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
    playback.line.controls = {SimVolume(), SimMute()};
    SimLine wave;
    wave.shortName = "Wave";
    wave.name = "Wave";
    wave.componentType = MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT;
    wave.controls = {SimVolume()};
    playback.sources.push_back(wave);
    layout.destinations.push_back(playback);
    return layout;
}

DWORD ControlIdOf(CMixerDevice& mixer, const char* lineShortName, DWORD controlType)
{
    for (int d = 0; d < mixer.GetDestinationCount(); ++d)
        for (int s = -1; s < mixer.GetSourceCount(d); ++s) {
            MixerLineEntry* line = nullptr;
            if (!mixer.GetLine(d, s, line) || std::strcmp(line->line.szShortName, lineShortName) != 0)
                continue;
            for (const auto& control : line->controls)
                if (control->control.dwControlType == controlType)
                    return control->control.dwControlID;
        }
    ADD_FAILURE() << "no control " << std::hex << controlType << " on " << lineShortName;
    return 0xFFFFFFFF;
}

void RenumberControls(SimMixerLayout& layout)
{
    for (SimDestination& destination : layout.destinations) {
        for (SimControl& control : destination.line.controls)
            control.id = kSimUnassignedId;
        for (SimLine& source : destination.sources)
            for (SimControl& control : source.controls)
                control.id = kSimUnassignedId;
    }
    AssignControlIds(layout);
}
