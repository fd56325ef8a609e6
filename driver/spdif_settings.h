#pragma once
// The S/PDIF input and output settings and the input's status word.

#include <windows.h>

#include "driver/driver_keys.h"

// Below kSpdifKey.
constexpr const char* kSpdifOutputSubkey = "OUT";
constexpr const char* kSpdifInputModeValue = "SPDIFEnableInput";
constexpr const char* kSpdifOutputSourceValue = "SPDIFOutputSource";
constexpr const char* kSpdifCopyPermittedValue = "SPDIFMixOutputCP";
constexpr const char* kSpdifPreemphasisValue = "PreemphasisOn";

// Input modes.
constexpr DWORD kSpdifInputOff = 0;
constexpr DWORD kSpdifInputSensing = 1;
constexpr DWORD kSpdifInputOn = 2;

// Output sources.
constexpr DWORD kSpdifOutputOff = 0;
constexpr DWORD kSpdifOutputMainMix = 1;
constexpr DWORD kSpdifOutputInput = 2;
constexpr DWORD kSpdifOutputSoftwareDvd = 3;

// How often the driver looks at the input while sensing, in milliseconds.
constexpr DWORD kSpdifSensingInterval = 2000;

// Bits of the input status word; the sample rate in Hz fills bits 12-31.
constexpr DWORD kSpdifSignalPresent = 0x001;
constexpr DWORD kSpdifIncomingCopyBit = 0x010;
constexpr DWORD kSpdifIncomingPreemphasis = 0x100;
constexpr int kSpdifRateShift = 12;

inline DWORD SpdifSampleRate(DWORD inputStatus) { return inputStatus >> kSpdifRateShift; }

struct SpdifSettings {
    DWORD inputMode = kSpdifInputOff;
    DWORD outputSource = kSpdifOutputOff;
    DWORD copyPermitted = 0;
    DWORD preemphasis = 0;
    DWORD inputStatus = 0;
    bool loaded = false;    // only loaded values are written back at teardown
};
