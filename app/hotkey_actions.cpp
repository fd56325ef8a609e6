#include "app/hotkey_actions.h"

#include "app/hotkey_table.h"

namespace {

using K = HotkeyActionKind;

constexpr int kMaster = -1;
constexpr int kVolume = 0;
constexpr int kMute = 1;
constexpr int kMicMute = 3;
constexpr int kMicBoost = 1;

constexpr HotkeyAction Up(int source) { return {K::VolumeUp, source, kVolume, 0}; }
constexpr HotkeyAction Down(int source) { return {K::VolumeDown, source, kVolume, 0}; }
constexpr HotkeyAction Mute(int source, int control = kMute) { return {K::MuteToggle, source, control, 0}; }
constexpr HotkeyAction Switch(int source, int control) { return {K::SwitchToggle, source, control, 0}; }
constexpr HotkeyAction Record(int item) { return {K::RecordSource, 0, 0, item}; }
constexpr HotkeyAction Speakers(int code) { return {K::SpeakerMode, 0, 0, code}; }
constexpr HotkeyAction Just(K kind) { return {kind, 0, 0, 0}; }
constexpr HotkeyAction kNothing = {K::None, 0, 0, 0};

// Six-channel playback lines: 0 Wave, 1 Front, 2 Rear, 3 Center, 4 LFE, 6 CD,
// 7 Mic, 8 Line, 9 Aux, 10 Synth, 11 S/PDIF in.
constexpr HotkeyAction kSixChannelActions[kHotkeyCount] = {
    Up(kMaster), Down(kMaster), Mute(kMaster),
    Up(1), Down(1), Mute(1),
    Up(2), Down(2), Mute(2),
    Up(3), Down(3), Mute(3),
    Up(4), Down(4), Mute(4),
    Mute(0), Mute(10), Mute(9), Mute(8), Mute(6), Mute(7, kMicMute), Mute(11), Switch(7, kMicBoost),
    Record(3), Record(1), Record(4), Record(2), Record(0),
    Just(K::EqualizerToggle),
    Speakers(1), Speakers(4), Speakers(3), Speakers(6),
    Just(K::LoadSettingsFile), Just(K::SaveSettingsFile),
};

// Other cards' playback lines: 0 Wave, 1 Front, 2 Rear, 3 CD, 4 Mic, 5 Line, 6 Aux,
// 7 Synth; they have no Center, LFE or six-speaker mode, and Ctrl+Alt+D has no line.
constexpr HotkeyAction kOtherCardActions[kHotkeyCount] = {
    Up(kMaster), Down(kMaster), Mute(kMaster),
    Up(1), Down(1), Mute(1),
    Up(2), Down(2), Mute(2),
    kNothing, kNothing, kNothing,
    kNothing, kNothing, kNothing,
    Mute(0), Mute(7), Mute(6), Mute(5), Mute(3), Mute(4, kMicMute), kNothing, Switch(4, kMicBoost),
    Record(3), Record(1), Record(4), Record(2), Record(0),
    Just(K::EqualizerToggle),
    kNothing, Speakers(4), Speakers(3), kNothing,
    Just(K::LoadSettingsFile), Just(K::SaveSettingsFile),
};

} // namespace

const HotkeyAction& HotkeyActionOf(DWORD id, bool sixChannelCard)
{
    if (id >= static_cast<DWORD>(kHotkeyCount))
        return kNothing;
    return sixChannelCard ? kSixChannelActions[id] : kOtherCardActions[id];
}
