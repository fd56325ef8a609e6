#pragma once
// What each hotkey ID does, in two tables: one for a six-channel card, one for the
// other cards. Mixer positions are lines of the playback destination.

#include <windows.h>

enum class HotkeyActionKind {
    None,
    VolumeUp,
    VolumeDown,
    MuteToggle,
    SwitchToggle,
    RecordSource,
    EqualizerToggle,
    SpeakerMode,
    LoadSettingsFile,
    SaveSettingsFile,
};

struct HotkeyAction {
    HotkeyActionKind kind;
    int source;  // playback line (source index; -1 the master) of the mixer actions
    int control; // control index of the mixer actions
    int value;   // record-source item or speaker configuration code
};

// The action of a hotkey ID; an ID that is not in the table has none.
const HotkeyAction& HotkeyActionOf(DWORD id, bool sixChannelCard);
