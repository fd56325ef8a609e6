#pragma once
// What a simulated mixer device consists of: destinations, their sources and the
// controls of every line. The card's own layouts are built here; tests build
// their own from the same structures, including broken ones.

#include "simcard/sim_card_model.h"

#include <windows.h>
#include <mmsystem.h>

#include <string>
#include <vector>

// A control ID left for AssignControlIds to fill.
constexpr DWORD kSimUnassignedId = 0xFFFFFFFF;

struct SimControl {
    DWORD type = 0;
    DWORD flags = 0; // MIXERCONTROL_CONTROLF_*
    LONG minimum = 0;
    LONG maximum = 0;
    DWORD steps = 0;
    std::string shortName;
    std::string name;
    std::vector<std::string> items; // multiple-item controls only
    LONG initial = 0;               // value of every channel (first item selected for a mux)
    DWORD id = kSimUnassignedId;
    // Broken devices: report this many more items than are filled.
    DWORD extraReportedItems = 0;
    // Broken devices: names fill their whole field without a terminator.
    bool unterminatedNames = false;
};

struct SimLine {
    std::string shortName;
    std::string name;
    DWORD componentType = MIXERLINE_COMPONENTTYPE_SRC_UNDEFINED;
    DWORD channels = 2;
    std::vector<SimControl> controls;
    // Broken devices: report more controls than are filled, fail the line's
    // description, or write names without a terminator.
    DWORD extraReportedControls = 0;
    bool failLineInfo = false;
    bool unterminatedNames = false;
};

struct SimDestination {
    SimLine line;
    std::vector<SimLine> sources;
    DWORD extraReportedSources = 0; // broken devices
};

struct SimMixerLayout {
    std::string productName = "Halvard 5.1+";
    WORD manufacturerId = 0x00F1;
    WORD productId = 0x0051;
    DWORD driverVersion = 0x0501;
    std::vector<SimDestination> destinations;
    DWORD extraReportedDestinations = 0; // broken devices
    bool failOpen = false;
};

// Which driver's control numbering the card follows: the microphone's boost switch
// of the playback destination is control 14 on Windows XP, 16 on Windows 2000 / 98.
enum class SimControlNumbering { WindowsXp, Windows2000 };

SimMixerLayout SixChannelMixerLayout(SimControlNumbering numbering = SimControlNumbering::WindowsXp);
SimMixerLayout FourChannelMixerLayout(SimControlNumbering numbering = SimControlNumbering::WindowsXp);
SimMixerLayout MixerLayoutForModel(SimCardModel model,
                                   SimControlNumbering numbering = SimControlNumbering::WindowsXp);

// Control builders with the card's ranges.
SimControl SimVolume();
SimControl SimMute();
SimControl SimPeakMeter();
SimControl SimOnOff(const char* shortName, const char* name);
SimControl SimMux(const std::vector<std::string>& items);

// Gives every control without an ID the next free one, counting from 1 in
// enumeration order and skipping IDs that controls already carry.
void AssignControlIds(SimMixerLayout& layout);

// The driver's line numbering.
inline DWORD SimDestinationLineId(DWORD destination) { return 0xFFFF0000u + destination; }
inline DWORD SimSourceLineId(DWORD destination, DWORD source) { return destination * 0x10000u + source; }
