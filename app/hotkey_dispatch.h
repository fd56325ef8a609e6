#pragma once
// Carrying out a hotkey: the mixer and equalizer changes here, the rest through
// the main sheet's commands.

#include "driver/card_mixer.h"

#include <windows.h>

// The sheet's part of the hotkey actions.
class CHotkeyCommands {
public:
    virtual ~CHotkeyCommands() = default;
    // The equalizer switch changed.
    virtual void RefreshEqualizerPage() = 0;
    // The speaker-mode sequence with that configuration code, then the 3D Settings
    // page shown.
    virtual void ChangeSpeakerMode(DWORD code) = 0;
    virtual void LoadSettingsFile() = 0;
    virtual void SaveSettingsFile() = 0;
};

// Runs the action of a hotkey ID for this card's model (six-channel or not); an ID
// without an action does nothing. Mixer changes reach the pages through the mixer's
// own change notifications.
void RunHotkeyAction(DWORD id, CCardMixer& card, CHotkeyCommands& commands);
