#pragma once
// One control of a mixer line: its description, its value buffer and item names.

#include <windows.h>
#include <mmsystem.h>

#include <vector>

// How the 32-bit values of a control are read (bit set); 0 = not handled.
enum MixerValueKind : unsigned {
    VK_BOOLEAN = 1,
    VK_SIGNED = 2,
    VK_UNSIGNED = 4,
    VK_ITEMNAMES = 8,
};

// The kind of a control type.
unsigned ValueKindOfControlType(DWORD controlType);

// Meters are polled, not notified.
inline bool IsMeterControlType(DWORD controlType)
{
    return (controlType & MIXERCONTROL_CT_CLASS_MASK) == MIXERCONTROL_CT_CLASS_METER;
}

class MixerControlEntry {
public:
    MixerControlEntry();
    MixerControlEntry(const MixerControlEntry&) = delete;
    MixerControlEntry& operator=(const MixerControlEntry&) = delete;

    // Copies the reported control and sets up requests and buffers for a line
    // with the given channel count. False when the control cannot be handled
    // (type 0, unknown type or a value count out of bounds): it then has no buffers.
    bool Setup(const MIXERCONTROLA& reported, DWORD lineChannels);

    // Names read from a device are not trusted to be terminated.
    void TerminateItemNames();

    bool HasValues() const { return count != 0; }
    LONG* Values() { return values.data(); }
    const LONG* Values() const { return values.data(); }
    const MIXERCONTROLDETAILS_LISTTEXTA* ItemNames() const { return names.data(); }

    MIXERCONTROLA control;
    MIXERCONTROLDETAILS valueRequest;
    MIXERCONTROLDETAILS listTextRequest;
    unsigned kind;
    unsigned count;

private:
    std::vector<LONG> values;
    std::vector<MIXERCONTROLDETAILS_LISTTEXTA> names;
};
