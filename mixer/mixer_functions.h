#pragma once
// The mixer seam: the multimedia mixer functions the panel calls, with their own
// signatures. By default they are the system's; a simulated card can take their place.

#include <windows.h>
#include <mmsystem.h>

struct MixerFunctions {
    decltype(&::mixerGetNumDevs) getNumDevs;
    decltype(&::mixerGetDevCapsA) getDevCaps;
    decltype(&::mixerOpen) open;
    decltype(&::mixerClose) close;
    decltype(&::mixerGetLineInfoA) getLineInfo;
    decltype(&::mixerGetLineControlsA) getLineControls;
    decltype(&::mixerGetControlDetailsA) getControlDetails;
    decltype(&::mixerSetControlDetails) setControlDetails;
};

// The system's mixer functions.
const MixerFunctions& WindowsMixerFunctions();

// The functions in use.
const MixerFunctions& MixerApi();

// Replaces the functions in use; RestoreWindowsMixerFunctions undoes it.
void SetMixerFunctions(const MixerFunctions& functions);
void RestoreWindowsMixerFunctions();
