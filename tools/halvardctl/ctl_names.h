#pragma once
// Which line or card setting a name on the command line means, and the names
// closest to one that means nothing.

#include "tools/halvardctl/ctl_lines.h"

#include <string>
#include <vector>

struct CtlTarget {
    const CtlLine* line = nullptr; // a line, or
    std::string setting;           // a card setting's name
};

// In this order: a card setting, a line's alias, short name or display name (any
// letter case; the first line in list order wins), or a line ID ("0x1", "65536").
bool ResolveCtlName(const std::string& name, const std::vector<CtlLine>& lines, CtlTarget& target);

// At most `most` known names nearest to the text (fewest edits, any letter case).
std::vector<std::string> ClosestCtlNames(const std::string& name, const std::vector<CtlLine>& lines, size_t most);
