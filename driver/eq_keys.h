#pragma once
// The equalizer's registry keys and values below kEqualizerKey.

#include "driver/driver_keys.h"

// The only sample rate whose band tables are kept.
constexpr int kEqSampleRate = 48000;
constexpr const char* kEqEnabledValue = "EnableEQ";
constexpr const char* kEqPeakMetersValue = "EnableEQPeakMeters";
constexpr const char* kEqCurrentBandsValue = "CurrentNoOfBands";
constexpr const char* kEqMaximumBandsValue = "MaxNoOfBands";
constexpr const char* kEqCurrentSetKey = "CurrentSet";
constexpr const char* kEqSetNameValue = "Name";
constexpr const char* kEqGainTableValue = "GainTable";
constexpr const char* kEqFrequencyTableValue = "FrequencyTable";
constexpr const char* kEqBandwidthTableValue = "BandwidthTable";
constexpr const char* kEqFlagsValue = "Flags";
// The set looked for when the current set names none.
constexpr const char* kEqDefaultSetName = "new";
// Set names are held in buffers of this size, terminator included.
constexpr unsigned kEqSetNameSize = 100;
