#pragma once
// The wavetable synthesizer's voice limits, voice allocation and sample set.

#include <windows.h>

#include "driver/driver_keys.h"

// Below kWavetableKey.
constexpr const char* kHwVoicesLimitValue = "CurrentHWVoicesLimit";
constexpr const char* kSwVoicesLimitValue = "CurrentSWVoicesLimit";
constexpr const char* kMaxSoftValue = "MaxSoft"; // in the control panel's key
constexpr const char* kVoiceAllocationValue = "VoiceAllocationMethod";
constexpr const char* kStaticImageValue = "StaticImage";
constexpr const char* kOverrideDefaultSetValue = "OverrideDefaultSet";
constexpr const char* kOverrideSetFileValue = "OverrideSetFilename";
constexpr const char* kOverrideSetFileCopyValue = "OverrideSetFilename0";

constexpr DWORD kHwVoicesMinimum = 16;
constexpr DWORD kHwVoicesMaximum = 48;
constexpr DWORD kHwVoicesMaximumSixChannel = 64;
constexpr DWORD kHwVoicesRegistryDefault = 64;
constexpr DWORD kHwVoicesUnaskedDefault = 24;
constexpr DWORD kSwVoicesMinimum = 16;
constexpr DWORD kSwVoicesMaximum = 896;
constexpr DWORD kSwVoicesDefault = 256;
// Taken as it is, beyond the software maximum.
constexpr DWORD kSwVoicesUnbounded = 976;

constexpr DWORD kVoiceAllocationDynamic = 0;
constexpr DWORD kVoiceAllocationDls = 1;

// A sample set file's path, its terminator included.
constexpr DWORD kSampleSetPathSize = 256;

struct WavetableSettings {
    bool registryKeptLimits = false;
    DWORD hwMinimum = kHwVoicesMinimum;
    DWORD hwMaximum = kHwVoicesMaximum;
    DWORD hwLimit = kHwVoicesUnaskedDefault;
    DWORD swMinimum = kSwVoicesMinimum;
    DWORD swMaximum = kSwVoicesMaximum;
    DWORD swLimit = kSwVoicesDefault;
    DWORD voiceAllocation = kVoiceAllocationDynamic;
    DWORD sampleSetResident = 0;
    DWORD useDefaultSet = 1;
    char customSetFile[kSampleSetPathSize] = {};
};
