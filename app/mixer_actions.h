#pragma once
// The hotkeys' changes of mixer controls, on the model of a mixer device. Each
// returns true when it wrote the control; a line or control that is not there, or
// is not of the kind the action needs, is left alone.

#include "mixer/mixer_device.h"
#include "platform/system_version.h"

// Destination 0's line (source index; -1 the destination line itself), control 0:
// one step of (maximum - minimum) / steps up or down on both channels, stopping at
// the maximum or minimum. A control that reports no steps is left unchanged.
bool StepVolume(CMixerDevice& mixer, int source, bool up);

// Destination 0's line, the given control: the switch turned over on every channel.
bool ToggleSwitch(CMixerDevice& mixer, int source, int control);

// Destination 1's source selector (control 0) set to one item; on Windows ME
// (version 4.90) the selector counts from the other end (item 5 - k). An item at
// or beyond the selector's item count is not written.
bool SelectRecordSource(CMixerDevice& mixer, int item, const SystemVersion& system);
