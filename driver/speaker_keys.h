#pragma once
// Registry values of the speaker configuration, the 3D switches and echo
// cancellation, below the local-machine root.

#include "driver/driver_keys.h"

constexpr const char* kSpeakerConfigValue = "Speaker Configuration";
constexpr const char* kSpeakerTypeValue = "Speaker Type";
constexpr const char* kAccelerationValue = "Acceleration";
// Below the driver instance's key ("DriverKey").
constexpr const char* kDirectSoundSpeakerConfigKey = "\\DirectSound\\Speaker Configuration";
constexpr const char* kDirectSoundSpeakerTypeKey = "\\DirectSound\\Speaker Type";
constexpr const char* kDirectSoundMixerDefaultsKey = "\\DirectSound\\Mixer Defaults";

// Switches in the basics key.
constexpr const char* kSensaura3DValue = "EnableSensaura3D";
constexpr const char* kReverbValue = "EnableReverb";
constexpr const char* kMP3AccelerationValue = "EnableMP3Acceleration";
constexpr const char* kStereoExpansionValue = "EnableStereoExpansion";

// Switches of the 3D audio software, outside the driver's tree.
constexpr const char* kA3DSettingsKey = "Software\\Sensaura\\Audio3D\\Settings";
constexpr const char* kSplashScreenValue = "SplashScreen";
constexpr const char* kSensauraKey = "Software\\Sensaura";
constexpr const char* kMacroFXSubkey = "crlds3d";
constexpr const char* kMacroFXValue = "MacroFX";

// In kAecKey.
constexpr const char* kAecStateValue = "AECState";

// The speaker configuration word: code in bits 0-7, geometry in bits 16-23.
constexpr unsigned long kSpeakerHeadphones = 1;
constexpr unsigned long kSpeakerQuad = 3;
constexpr unsigned long kSpeakerStereo = 4;
constexpr unsigned long kSpeakerSurround = 5;
constexpr unsigned long kSpeakerSix = 6;
// The geometry stereo gets when none is given.
constexpr unsigned long kStereoDefaultGeometry = 20;
// The speaker type written beside the configuration.
constexpr unsigned long kSpeakerTypeHeadphones = 0;
constexpr unsigned long kSpeakerTypeStereo = 1;
constexpr unsigned long kSpeakerTypeQuad = 8;
constexpr unsigned long kSpeakerTypeSix = 10;
// The configuration used when none is stored.
constexpr unsigned long kDefaultSpeakerConfig = 3;

// Echo-cancellation modes.
constexpr unsigned long kAecNever = 0;
constexpr unsigned long kAecAutomatic = 1;
constexpr unsigned long kAecAlways = 2;
