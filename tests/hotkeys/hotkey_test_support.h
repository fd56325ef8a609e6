#pragma once
// Helpers of the hotkey tests: the sheet's side of the actions, recorded, and the
// card's mixer as names and values.
#include "app/hotkey_dispatch.h"
#include "mixer/mixer_device.h"

#include <windows.h>

#include <map>
#include <string>
#include <vector>

class RecordedCommands : public CHotkeyCommands {
public:
    void RefreshEqualizerPage() override { calls.push_back("refresh eq"); }
    void ChangeSpeakerMode(DWORD code) override { calls.push_back("speakers " + std::to_string(code)); }
    void LoadSettingsFile() override { calls.push_back("load"); }
    void SaveSettingsFile() override { calls.push_back("save"); }

    std::vector<std::string> calls;
};

// The values of every control that is not a meter, by control ID, as the
// simulated card holds them.
using MixerValues = std::map<DWORD, std::vector<LONG>>;
MixerValues CardValues(CMixerDevice& mixer);
// IDs whose values differ.
std::vector<DWORD> ChangedControls(const MixerValues& before, const MixerValues& after);

// The control of that type on the playback line of that short name ("" for the
// master); 0 when there is none.
DWORD PlaybackControlId(CMixerDevice& mixer, const std::string& line, DWORD type);
// The record selector's ID and the name of its selected item ("" when none or many).
DWORD RecordSelectorId(CMixerDevice& mixer);
std::string SelectedRecordSource(CMixerDevice& mixer);

// A hidden top-level window of this thread.
HWND CreateHiddenWindow();
