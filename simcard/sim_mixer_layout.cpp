#include "simcard/sim_mixer_layout.h"

#include <set>

namespace {

constexpr DWORD kMicBoostIdXp = 14;
constexpr DWORD kMicBoostId2000 = 16;
constexpr LONG kDefaultVolume = 49152;

SimLine Line(const char* shortName, const char* name, DWORD componentType, DWORD channels,
             std::vector<SimControl> controls)
{
    SimLine line;
    line.shortName = shortName;
    line.name = name;
    line.componentType = componentType;
    line.channels = channels;
    line.controls = std::move(controls);
    return line;
}

SimControl BassBoost()
{
    SimControl control;
    control.type = 0x20012277; // a custom switch type the panel does not handle
    control.flags = MIXERCONTROL_CONTROLF_UNIFORM;
    control.maximum = 1;
    control.shortName = "Bass Boost";
    control.name = "Bass Boost";
    return control;
}

SimDestination Playback(const std::vector<SimLine>& sources)
{
    SimDestination playback;
    playback.line = Line("Volume", "Volume Control", MIXERLINE_COMPONENTTYPE_DST_SPEAKERS, 2,
                         {SimVolume(), SimMute(), SimPeakMeter(), BassBoost()});
    playback.sources = sources;
    return playback;
}

SimLine PlaybackSource(const char* name, DWORD componentType, bool meter)
{
    std::vector<SimControl> controls = {SimVolume(), SimMute()};
    if (meter)
        controls.push_back(SimPeakMeter());
    return Line(name, name, componentType, 2, controls);
}

SimLine PlaybackMicrophone(SimControlNumbering numbering)
{
    SimControl boost = SimOnOff("Mic Boost", "Microphone Boost");
    boost.id = numbering == SimControlNumbering::WindowsXp ? kMicBoostIdXp : kMicBoostId2000;
    return Line("Mic", "Mic", MIXERLINE_COMPONENTTYPE_SRC_MICROPHONE, 1,
                {SimPeakMeter(), boost, SimVolume(), SimMute()});
}

SimDestination Record(bool withSpdif)
{
    struct Source {
        const char* name;
        DWORD componentType;
    };
    std::vector<Source> sources = {
        {"Stereo Mix", MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT},
        {"Aux", MIXERLINE_COMPONENTTYPE_SRC_ANALOG},
        {"Microphone", MIXERLINE_COMPONENTTYPE_SRC_MICROPHONE},
        {"CD Audio", MIXERLINE_COMPONENTTYPE_SRC_COMPACTDISC},
        {"Line In", MIXERLINE_COMPONENTTYPE_SRC_LINE},
    };
    std::vector<std::string> items = {"Stereo Mix", "CD Audio", "Microphone", "Line In", "Aux"};
    if (withSpdif) {
        sources.push_back({"SPDIF In", MIXERLINE_COMPONENTTYPE_SRC_UNDEFINED});
        items.push_back("SPDIF In");
    }
    SimDestination record;
    record.line = Line("Record", "Recording Control", MIXERLINE_COMPONENTTYPE_DST_WAVEIN, 2,
                       {SimMux(items), SimVolume()});
    for (const Source& source : sources) {
        const bool microphone = source.componentType == MIXERLINE_COMPONENTTYPE_SRC_MICROPHONE;
        std::vector<SimControl> controls;
        if (microphone)
            controls.push_back(SimOnOff("Mic Boost", "Microphone Boost"));
        controls.push_back(SimVolume());
        record.sources.push_back(Line(source.name, source.name, source.componentType, microphone ? 1 : 2, controls));
    }
    return record;
}

} // namespace

SimControl SimVolume()
{
    SimControl control;
    control.type = MIXERCONTROL_CONTROLTYPE_VOLUME;
    control.maximum = 65535;
    control.steps = 32;
    control.shortName = "Volume";
    control.name = "Volume";
    control.initial = kDefaultVolume;
    return control;
}

SimControl SimMute()
{
    SimControl control;
    control.type = MIXERCONTROL_CONTROLTYPE_MUTE;
    control.flags = MIXERCONTROL_CONTROLF_UNIFORM;
    control.maximum = 1;
    control.shortName = "Mute";
    control.name = "Mute";
    return control;
}

SimControl SimPeakMeter()
{
    SimControl control;
    control.type = MIXERCONTROL_CONTROLTYPE_PEAKMETER;
    control.minimum = -32768;
    control.maximum = 32767;
    control.shortName = "Peak";
    control.name = "Peak Meter";
    return control;
}

SimControl SimOnOff(const char* shortName, const char* name)
{
    SimControl control;
    control.type = MIXERCONTROL_CONTROLTYPE_ONOFF;
    control.flags = MIXERCONTROL_CONTROLF_UNIFORM;
    control.maximum = 1;
    control.shortName = shortName;
    control.name = name;
    return control;
}

SimControl SimMux(const std::vector<std::string>& items)
{
    SimControl control;
    control.type = MIXERCONTROL_CONTROLTYPE_MUX;
    control.flags = MIXERCONTROL_CONTROLF_UNIFORM | MIXERCONTROL_CONTROLF_MULTIPLE;
    control.maximum = static_cast<LONG>(items.size()) - 1;
    control.shortName = "Mux";
    control.name = "Recording Source";
    control.items = items;
    return control;
}

namespace {

// The six-channel card adds the Center, LFE and Phones wave lines and the
// record destination's S/PDIF input.
SimMixerLayout CardLayout(bool sixChannel, SimControlNumbering numbering)
{
    std::vector<SimLine> sources = {
        PlaybackSource("Wave", MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT, true),
        PlaybackSource("Front", MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT, true),
        PlaybackSource("Rear", MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT, true),
    };
    if (sixChannel)
        for (const char* name : {"Center", "LFE", "Phones"})
            sources.push_back(PlaybackSource(name, MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT, false));
    sources.push_back(PlaybackSource("CD", MIXERLINE_COMPONENTTYPE_SRC_COMPACTDISC, false));
    sources.push_back(PlaybackMicrophone(numbering));
    sources.push_back(PlaybackSource("Line", MIXERLINE_COMPONENTTYPE_SRC_LINE, false));
    sources.push_back(PlaybackSource("Aux", MIXERLINE_COMPONENTTYPE_SRC_ANALOG, false));
    sources.push_back(PlaybackSource("Synth", MIXERLINE_COMPONENTTYPE_SRC_SYNTHESIZER, false));
    sources.push_back(PlaybackSource("SPDIF In", MIXERLINE_COMPONENTTYPE_SRC_UNDEFINED, false));

    SimMixerLayout layout;
    layout.destinations.push_back(Playback(sources));
    layout.destinations.push_back(Record(sixChannel));
    AssignControlIds(layout);
    return layout;
}

} // namespace

SimMixerLayout SixChannelMixerLayout(SimControlNumbering numbering)
{
    return CardLayout(true, numbering);
}

SimMixerLayout FourChannelMixerLayout(SimControlNumbering numbering)
{
    return CardLayout(false, numbering);
}

SimMixerLayout MixerLayoutForModel(SimCardModel model, SimControlNumbering numbering)
{
    return model == SimCardModel::Six ? SixChannelMixerLayout(numbering) : FourChannelMixerLayout(numbering);
}

void AssignControlIds(SimMixerLayout& layout)
{
    std::vector<SimLine*> lines;
    for (SimDestination& destination : layout.destinations) {
        lines.push_back(&destination.line);
        for (SimLine& source : destination.sources)
            lines.push_back(&source);
    }
    std::set<DWORD> taken;
    for (SimLine* line : lines)
        for (const SimControl& control : line->controls)
            if (control.id != kSimUnassignedId)
                taken.insert(control.id);
    DWORD next = 1;
    for (SimLine* line : lines)
        for (SimControl& control : line->controls) {
            if (control.id != kSimUnassignedId)
                continue;
            while (taken.count(next) != 0)
                ++next;
            control.id = next++;
        }
}
