#pragma once
// Reading and setting a line's volume, mute and record source through the mixer
// model, with the values as a user writes them.

#include "tools/halvardctl/ctl_command_line.h"
#include "tools/halvardctl/ctl_exit_codes.h"
#include "tools/halvardctl/ctl_lines.h"

#include <string>
#include <vector>

struct CtlLineState {
    bool hasVolume = false;
    std::vector<DWORD> volume; // per channel, raw units
    DWORD minimum = 0;
    DWORD maximum = 0;
    bool hasMute = false;
    bool muted = false;
    bool hasSource = false;
    std::string source; // the selected record source item
};

// False when the card did not answer.
bool ReadCtlLine(CMixerDevice& mixer, const CtlLine& line, CtlLineState& state);

// "volume=49152,49152 percent=75,75 mute=off", or as a JSON object's members.
std::string FormatCtlLine(const CtlLineState& state);
std::string FormatCtlLineJson(const CtlLineState& state);

// A volume (numbers), mute, unmute, toggle, or a record source item.
CtlExit SetCtlLine(CMixerDevice& mixer, const CtlLine& line, const CtlValue& value, std::string& error);

// The position of a raw value in its range, in whole percent.
int CtlPercentOf(DWORD value, DWORD minimum, DWORD maximum);

// The record source's items, the selected one, and choosing one by name (any letter case).
std::vector<std::string> CtlMuxItems(const MixerControlEntry& mux);
bool ReadCtlMuxItem(CMixerDevice& mixer, MixerControlEntry& mux, std::string& item);
CtlExit SelectCtlMuxItem(CMixerDevice& mixer, MixerControlEntry& mux, const std::string& text, std::string& error);

// ASCII letters compared without case; other bytes as they are.
bool CtlSameText(const std::string& a, const std::string& b);
// A text in JSON's quotes.
std::string CtlJsonText(const std::string& text);
