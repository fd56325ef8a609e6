#include "tools/halvardctl/ctl_lines.h"

#include <cstdio>
#include <cstring>

namespace {

struct Alias {
    int source; // of the playback destination; -1 for the destination line
    const char* alias;
};

// The playback lines by source index, as the card's driver numbers them.
const Alias kSixChannelAliases[] = {
    {-1, "master"}, {0, "wave"}, {1, "front"}, {2, "rear"}, {3, "center"}, {4, "lfe"}, {5, "phones"},
    {6, "cd"}, {7, "mic"}, {8, "line"}, {9, "aux"}, {10, "synth"}, {11, "spdif"},
};
const Alias kFourChannelAliases[] = {
    {-1, "master"}, {0, "wave"}, {1, "front"}, {2, "rear"}, {3, "cd"}, {4, "mic"},
    {5, "line"}, {6, "aux"}, {7, "synth"}, {8, "spdif"},
};

template <size_t N>
std::string AliasOf(const Alias (&table)[N], int source)
{
    for (const Alias& alias : table)
        if (alias.source == source)
            return alias.alias;
    return std::string();
}

std::string Bounded(const char* field, size_t size)
{
    return std::string(field, strnlen(field, size));
}

} // namespace

std::vector<CtlLine> CollectCtlLines(CMixerDevice& mixer, bool sixChannel)
{
    std::vector<CtlLine> lines;
    const int destinations = mixer.GetDestinationCount();
    for (int d = 0; d < destinations; ++d) {
        for (int s = -1; s < mixer.GetSourceCount(d); ++s) {
            CtlLine line;
            line.destination = d;
            line.source = s;
            const bool found = s < 0 ? mixer.GetDestination(d, line.entry) : mixer.GetLine(d, s, line.entry);
            if (!found || line.entry == nullptr || line.entry->IsHidden()) {
                if (s < 0)
                    break; // a hidden destination has no sources to show
                continue;
            }
            if (d == 0)
                line.alias = sixChannel ? AliasOf(kSixChannelAliases, s) : AliasOf(kFourChannelAliases, s);
            lines.push_back(line);
        }
    }
    return lines;
}

std::string CtlLineId(const CtlLine& line)
{
    char text[16];
    std::snprintf(text, sizeof(text), "0x%08lX", static_cast<unsigned long>(line.entry->line.dwLineID));
    return text;
}

std::string CtlShortName(const CtlLine& line)
{
    return Bounded(line.entry->line.szShortName, sizeof(line.entry->line.szShortName));
}

std::string CtlDisplayName(const CtlLine& line)
{
    return Bounded(line.entry->line.szName, sizeof(line.entry->line.szName));
}

MixerControlEntry* FindLineControl(const CtlLine& line, DWORD controlType)
{
    for (const auto& control : line.entry->controls)
        if (control && control->control.dwControlType == controlType && control->HasValues())
            return control.get();
    return nullptr;
}

const CtlLine* FindRecordSourceLine(const std::vector<CtlLine>& lines, MixerControlEntry** mux)
{
    for (const CtlLine& line : lines) {
        for (DWORD type : {static_cast<DWORD>(MIXERCONTROL_CONTROLTYPE_MUX),
                           static_cast<DWORD>(MIXERCONTROL_CONTROLTYPE_SINGLESELECT)}) {
            if (MixerControlEntry* found = FindLineControl(line, type)) {
                if ((found->kind & VK_ITEMNAMES) == 0)
                    continue;
                *mux = found;
                return &line;
            }
        }
    }
    return nullptr;
}
