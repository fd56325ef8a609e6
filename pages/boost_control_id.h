#pragma once
// Which on/off switch of the playback lines is the microphone's boost: the card's
// driver numbers its controls differently from one system to the next.

#include <windows.h>

#include "platform/system_version.h"

// The boost switch's control ID on that system; 0 where the driver has none.
DWORD BoostControlIdFor(const SystemVersion& system);
