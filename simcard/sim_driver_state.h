#pragma once
// What the simulated card's driver keeps between requests. Grouped by feature so
// that each feature can grow its own part.

#include <windows.h>

#include <string>
#include <vector>

enum class SimVoiceLimitKind {
    Registry, // answers the registry probe; limits are set with the extended property
    Property, // is asked for its limits by property
    None,     // answers neither
};

struct SimSpdifRoute {
    DWORD source;
    DWORD destination;
};

struct SimSpdifState {
    std::vector<SimSpdifRoute> routes;
    bool sensing = false;
    DWORD sensingInterval = 0;
    DWORD copyPermitted = 0; // channel status as sent: setting + 1, 0 before any
    DWORD preEmphasis = 0;
    // Sources the driver will not connect to the output (the connect answers 1).
    std::vector<DWORD> refusedSources;
    // The signal at the input.
    bool inputPresent = true;
    DWORD inputRate = 48000;
    bool inputCopyBit = false;
    bool inputPreEmphasis = false;
};

struct SimEqualizerState {
    bool on = false;
    DWORD reloads = 0;         // reload commands that took the tables
    DWORD failedReloads = 0;   // reload commands that found no usable tables
    DWORD bands = 10;          // levels the peak request may return
    DWORD phase = 0;           // moves the peak levels
    // The current set as the last successful reload read it from the registry.
    std::vector<signed char> gains;
    std::vector<BYTE> frequencies;
    std::vector<BYTE> bandwidths;
    std::string name;
};

constexpr int kSimSourcePositions = 19;

constexpr DWORD kSimValueMissing = 0xFFFFFFFF;

struct SimSpeakerState {
    DWORD speakerConfig = 0;
    bool stereoExpansion = false;
    DWORD aecMode = 0;
    // What the driver's registry held when the last speaker or AEC command arrived
    // (kSimValueMissing when there was no value).
    DWORD storedSpeakerConfig = kSimValueMissing;
    DWORD storedAecState = kSimValueMissing;
    BYTE balance[kSimSourcePositions] = {};
    BYTE fader[kSimSourcePositions] = {};
};

struct SimWavetableState {
    SimVoiceLimitKind kind = SimVoiceLimitKind::Registry;
    DWORD minimumVoices = 16;
    DWORD voiceLimit = 48;
    DWORD staticImage = 0;
    DWORD staticImageCommands = 0;
};

struct SimDriverState {
    DWORD fourChannelCapable = 1;
    DWORD sixChannelCapable = 1;
    DWORD cookie = 0;
    SimSpdifState spdif;
    SimEqualizerState equalizer;
    SimSpeakerState speakers;
    SimWavetableState wavetable;
};
