#pragma once
// The keys of the card's driver below the local-machine root: its service key and
// one key per algorithm below it. What each feature stores there is in the
// feature's own header.

#include "platform/panel_values.h"

constexpr const char* kDriverSettingsKey = HALVARD_DRIVER_SERVICE_KEY;
constexpr const char* kDriverBasicsKey = HALVARD_DRIVER_SERVICE_KEY "\\Algorithms\\Basics";
constexpr const char* kEqualizerKey = HALVARD_DRIVER_SERVICE_KEY "\\Algorithms\\Equalization";
constexpr const char* kSpdifKey = HALVARD_DRIVER_SERVICE_KEY "\\Algorithms\\SPDIF";
constexpr const char* kWavetableKey = HALVARD_DRIVER_SERVICE_KEY "\\Algorithms\\WaveTable";
constexpr const char* kSourcePositioningKey = HALVARD_DRIVER_SERVICE_KEY "\\Algorithms\\Source Positioning";
constexpr const char* kAecKey = HALVARD_DRIVER_SERVICE_KEY "\\Algorithms\\AEC";

// In the basics key: the driver instance's own key, below which DirectSound keeps
// its speaker settings.
constexpr const char* kDriverKeyValue = "DriverKey";
