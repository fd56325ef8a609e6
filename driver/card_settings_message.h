#pragma once
// How another program that changed the card's driver-side settings tells a running
// panel: a window message registered by name, posted to every top-level window.
// Only the panel's main sheet acts on it: it reads the settings again
// (CCardMixer::ReloadDriverSettings) and refreshes its pages. Mixer controls need
// no message: the mixer device reports their changes to every program itself.

#include <windows.h>

constexpr const char* kCardSettingsChangedMessageName = "Halvard 5.1+ Card Settings Changed";

// The message's number in this session; 0 when it cannot be registered.
UINT CardSettingsChangedMessage();

// Posts the message to every top-level window; false when it could not be posted.
bool BroadcastCardSettingsChanged();
