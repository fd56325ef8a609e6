#include "pages/playback_columns.h"

#include <windows.h>
#include <mmsystem.h>

#include <algorithm>

#include "mixer/mixer_device.h"

namespace {

constexpr int kPlayback = 0;

constexpr DWORD kSixChannelWanted[kPlaybackColumnsSix] = {
    MIXERLINE_COMPONENTTYPE_DST_SPEAKERS, MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT, MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT,
    MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT,  MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT, MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT,
};
constexpr DWORD kOtherWanted[kPlaybackColumnsOther] = {
    MIXERLINE_COMPONENTTYPE_DST_SPEAKERS,     MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT,
    MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT,      MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT,
    MIXERLINE_COMPONENTTYPE_SRC_COMPACTDISC,  MIXERLINE_COMPONENTTYPE_SRC_LINE,
    MIXERLINE_COMPONENTTYPE_SRC_ANALOG,       MIXERLINE_COMPONENTTYPE_SRC_SYNTHESIZER,
    MIXERLINE_COMPONENTTYPE_SRC_MICROPHONE,
};

} // namespace

std::vector<int> AssignPlaybackColumns(CMixerDevice& mixer, bool sixChannel)
{
    const DWORD* wanted = sixChannel ? kSixChannelWanted : kOtherWanted;
    const int columns = sixChannel ? kPlaybackColumnsSix : kPlaybackColumnsOther;
    const int sources = mixer.GetSourceCount(kPlayback);
    std::vector<int> assigned(static_cast<size_t>(columns), kNoPlaybackLine);
    for (int column = 0; column < columns; ++column) {
        for (int index = -1; index < sources; ++index) {
            MixerLineEntry* line = nullptr;
            if (!mixer.GetLine(kPlayback, index, line) || line == nullptr ||
                line->line.dwComponentType != wanted[column] || (sixChannel && line->line.dwLineID == 0) ||
                std::find(assigned.begin(), assigned.end(), index) != assigned.end())
                continue;
            assigned[static_cast<size_t>(column)] = index;
            break;
        }
    }
    return assigned;
}
