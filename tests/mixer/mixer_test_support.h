#pragma once
// What the mixer tests share: a simulated card installed for one test, a mixer
// device to open on it, a recording listener and a message pump.

#include "mixer/wss_mixer.h"
#include "simcard/sim_card.h"
#include "support/message_pump.h"
#include "support/sim_card_test.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using TestMixer = CWssMixer;

class RecordingListener : public CMixerListener {
public:
    void OnControlChange(DWORD controlId, bool refresh) override { changes.emplace_back(controlId, refresh); }
    bool Update(bool) override { return true; }
    size_t CountFor(DWORD controlId) const;

    std::vector<std::pair<DWORD, bool>> changes;
};

// A small layout to build broken or unusual devices from: one stereo playback
// destination with a volume and a mute, and one source "Wave" with a volume.
SimMixerLayout SmallLayout();

// Gives every control a new ID (after lines were copied within a layout).
void RenumberControls(SimMixerLayout& layout);

// The ID of a control of a line found by the line's short name.
DWORD ControlIdOf(CMixerDevice& mixer, const char* lineShortName, DWORD controlType);
