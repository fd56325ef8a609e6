#pragma once
// The card's mixer lines as halvardctl names them: every visible line, with a
// fixed English alias for the lines the card always has, and its controls.

#include "mixer/mixer_device.h"

#include <string>
#include <vector>

struct CtlLine {
    int destination = 0;
    int source = -1;               // -1: the destination line itself
    MixerLineEntry* entry = nullptr;
    std::string alias;             // fixed English alias, or empty
};

// Every visible line, each destination followed by its sources. The six-channel
// card numbers its sources differently from the four-channel one.
std::vector<CtlLine> CollectCtlLines(CMixerDevice& mixer, bool sixChannel);

// The line's ID as the list shows it ("0xFFFF0000").
std::string CtlLineId(const CtlLine& line);
// Its short name and display name, bounded (the device need not terminate them).
std::string CtlShortName(const CtlLine& line);
std::string CtlDisplayName(const CtlLine& line);

// The line's first control of that type, or null.
MixerControlEntry* FindLineControl(const CtlLine& line, DWORD controlType);

// The record source selector: the first line with a single-select control, or null.
const CtlLine* FindRecordSourceLine(const std::vector<CtlLine>& lines, MixerControlEntry** mux);
