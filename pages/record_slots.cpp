#include "pages/record_slots.h"

#include <mmsystem.h>

#include <algorithm>
#include <string>

#include "mixer/controls/mixer_names.h"
#include "mixer/mixer_device.h"

namespace {

constexpr DWORD kSlotKinds[kRecordSlotCount] = {
    MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT,    MIXERLINE_COMPONENTTYPE_SRC_ANALOG,
    MIXERLINE_COMPONENTTYPE_SRC_MICROPHONE, MIXERLINE_COMPONENTTYPE_SRC_COMPACTDISC,
    MIXERLINE_COMPONENTTYPE_SRC_LINE,       MIXERLINE_COMPONENTTYPE_SRC_UNDEFINED,
};

int FirstSourceOfKind(CMixerDevice& mixer, int sources, DWORD kind)
{
    for (int source = 0; source < sources; ++source) {
        MixerLineEntry* line = nullptr;
        if (mixer.GetLine(kRecordDestination, source, line) && line != nullptr && line->line.dwComponentType == kind)
            return source;
    }
    return -1;
}

// The first item named exactly as the line; only items the selector has and the
// buttons can address (below the source count) count.
int ItemNamed(const MIXERCONTROLDETAILS& names, int sources, const std::string& name)
{
    const auto* items = static_cast<const MIXERCONTROLDETAILS_LISTTEXTA*>(names.paDetails);
    if (items == nullptr)
        return -1;
    const int count = std::min(sources, static_cast<int>(names.cMultipleItems));
    for (int item = 0; item < count; ++item) {
        if (FieldText(items[item].szName) == name)
            return item;
    }
    return -1;
}

void FindSelector(CMixerDevice& mixer, RecordSlots& found)
{
    MixerLineEntry* line = nullptr;
    MixerControlEntry* selector = nullptr;
    if (!mixer.GetDestination(kRecordDestination, line) || line == nullptr ||
        !mixer.GetDestinationControl(kRecordDestination, 0, selector) || selector == nullptr)
        return;
    found.selectorFound = true;
    found.lineId = line->line.dwLineID;
    found.selectorId = selector->control.dwControlID;
}

} // namespace

RecordSlots FindRecordSlots(CMixerDevice& mixer)
{
    RecordSlots found;
    found.sourceCount = std::max(mixer.GetSourceCount(kRecordDestination), 0);
    found.slots.resize(static_cast<size_t>(std::min(found.sourceCount, kRecordSlotCount)));
    FindSelector(mixer, found);
    const MIXERCONTROLDETAILS* names = nullptr;
    if (found.selectorFound && !mixer.FindListText(found.selectorId, names))
        names = nullptr;
    for (size_t slot = 0; slot < found.slots.size(); ++slot) {
        RecordSlot& entry = found.slots[slot];
        entry.source = FirstSourceOfKind(mixer, found.sourceCount, kSlotKinds[slot]);
        MixerLineEntry* line = nullptr;
        if (entry.source < 0 || names == nullptr || !mixer.GetLine(kRecordDestination, entry.source, line))
            continue;
        entry.item = ItemNamed(*names, found.sourceCount, FieldText(line->line.szName));
    }
    return found;
}
