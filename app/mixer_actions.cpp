#include "app/mixer_actions.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kPlayback = 0;
constexpr int kRecord = 1;
constexpr int kVolumeControl = 0;
constexpr int kSourceSelector = 0;
// The selector's items of a Windows ME driver stand in reverse order.
constexpr int kReversedItemBase = 5;

bool IsWindowsMe(const SystemVersion& system)
{
    return system.major == 4 && system.minor == 90;
}

DWORD Stepped(DWORD value, DWORD step, DWORD minimum, DWORD maximum, bool up)
{
    const long long moved = up ? static_cast<long long>(value) + step : static_cast<long long>(value) - step;
    if (up)
        return moved > maximum ? maximum : static_cast<DWORD>(moved);
    return moved < minimum ? minimum : static_cast<DWORD>(moved);
}

} // namespace

bool StepVolume(CMixerDevice& mixer, int source, bool up)
{
    MixerControlEntry* entry = nullptr;
    if (!mixer.GetControl(kPlayback, source, kVolumeControl, entry) || entry == nullptr ||
        entry->kind != VK_UNSIGNED)
        return false;
    const MIXERCONTROLA& control = entry->control;
    const DWORD minimum = control.Bounds.dwMinimum;
    const DWORD maximum = control.Bounds.dwMaximum;
    // No steps would divide by zero: the volume stays as it is.
    if (control.Metrics.cSteps == 0 || maximum < minimum)
        return false;
    const DWORD step = (maximum - minimum) / control.Metrics.cSteps;
    DWORD left = 0;
    DWORD right = 0;
    if (!mixer.GetUnsignedPair(control.dwControlID, left, right))
        return false;
    return mixer.SetUnsignedPair(control.dwControlID, Stepped(left, step, minimum, maximum, up),
                                 Stepped(right, step, minimum, maximum, up));
}

bool ToggleSwitch(CMixerDevice& mixer, int source, int control)
{
    MixerControlEntry* entry = nullptr;
    if (!mixer.GetControl(kPlayback, source, control, entry) || entry == nullptr || entry->kind != VK_BOOLEAN)
        return false;
    LONG value = 0;
    if (!mixer.GetBoolean(entry->control.dwControlID, value))
        return false;
    return mixer.SetBooleanAll(entry->control.dwControlID, value ? 0 : 1);
}

bool SelectRecordSource(CMixerDevice& mixer, int item, const SystemVersion& system)
{
    MixerControlEntry* entry = nullptr;
    if (!mixer.GetDestinationControl(kRecord, kSourceSelector, entry) || entry == nullptr ||
        entry->kind != (VK_BOOLEAN | VK_ITEMNAMES))
        return false;
    // One value per item; the model holds at least that many for a uniform selector.
    const DWORD items = std::min<DWORD>(entry->control.cMultipleItems, entry->count);
    const int index = IsWindowsMe(system) ? kReversedItemBase - item : item;
    if (index < 0 || static_cast<DWORD>(index) >= items)
        return false;
    std::vector<LONG> values(items, 0);
    values[static_cast<size_t>(index)] = 1;
    return mixer.SetBooleanArray(entry->control.dwControlID, values.data(),
                                 static_cast<DWORD>(values.size() * sizeof(LONG)));
}
