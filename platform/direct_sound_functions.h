#pragma once
// The sound-system seam: the DirectSound functions the panel calls, with their own
// signatures. By default they are the system's, taken from dsound.dll on first use
// (a system without it reports no driver); a simulated sound system can take their place.

#include <windows.h>
#include <mmsystem.h>
#include <dsound.h>

struct DirectSoundFunctions {
    decltype(&::DirectSoundCreate) create;
    decltype(&::DirectSoundEnumerateA) enumerate;
};

// The system's functions.
const DirectSoundFunctions& WindowsDirectSoundFunctions();

// The functions in use.
const DirectSoundFunctions& DirectSoundApi();

// Replaces the functions in use; RestoreWindowsDirectSoundFunctions undoes it.
void SetDirectSoundFunctions(const DirectSoundFunctions& functions);
void RestoreWindowsDirectSoundFunctions();
