#include "mixer/mixer_control_entry.h"

#include <algorithm>

namespace {

// More values than this is a broken report, not a control.
constexpr unsigned kMaxValues = 1024;
// Pair operations touch values 0 and 1 even on a one-value control.
constexpr unsigned kMinBufferValues = 2;

} // namespace

unsigned ValueKindOfControlType(DWORD type)
{
    switch (type) {
    case MIXERCONTROL_CONTROLTYPE_BOOLEANMETER:
    case MIXERCONTROL_CONTROLTYPE_BOOLEAN:
    case MIXERCONTROL_CONTROLTYPE_ONOFF:
    case MIXERCONTROL_CONTROLTYPE_MUTE:
    case MIXERCONTROL_CONTROLTYPE_MONO:
    case MIXERCONTROL_CONTROLTYPE_LOUDNESS:
    case MIXERCONTROL_CONTROLTYPE_STEREOENH:
    case MIXERCONTROL_CONTROLTYPE_BUTTON:
        return VK_BOOLEAN;
    case MIXERCONTROL_CONTROLTYPE_SIGNEDMETER:
    case MIXERCONTROL_CONTROLTYPE_PEAKMETER:
    case MIXERCONTROL_CONTROLTYPE_SIGNED:
    case MIXERCONTROL_CONTROLTYPE_DECIBELS:
    case MIXERCONTROL_CONTROLTYPE_SLIDER:
    case MIXERCONTROL_CONTROLTYPE_PAN:
    case MIXERCONTROL_CONTROLTYPE_QSOUNDPAN:
        return VK_SIGNED;
    case MIXERCONTROL_CONTROLTYPE_UNSIGNEDMETER:
    case MIXERCONTROL_CONTROLTYPE_UNSIGNED:
    case MIXERCONTROL_CONTROLTYPE_PERCENT:
    case MIXERCONTROL_CONTROLTYPE_FADER:
    case MIXERCONTROL_CONTROLTYPE_VOLUME:
    case MIXERCONTROL_CONTROLTYPE_BASS:
    case MIXERCONTROL_CONTROLTYPE_TREBLE:
    case MIXERCONTROL_CONTROLTYPE_MICROTIME:
    case MIXERCONTROL_CONTROLTYPE_MILLITIME:
        return VK_UNSIGNED;
    case MIXERCONTROL_CONTROLTYPE_EQUALIZER:
        return VK_UNSIGNED | VK_ITEMNAMES;
    case MIXERCONTROL_CONTROLTYPE_SINGLESELECT:
    case MIXERCONTROL_CONTROLTYPE_MUX:
    case MIXERCONTROL_CONTROLTYPE_MULTIPLESELECT:
    case MIXERCONTROL_CONTROLTYPE_MIXER:
        return VK_BOOLEAN | VK_ITEMNAMES;
    default:
        return 0;
    }
}

MixerControlEntry::MixerControlEntry()
    : control(), valueRequest(), listTextRequest(), kind(0), count(0)
{
}

bool MixerControlEntry::Setup(const MIXERCONTROLA& reported, DWORD lineChannels)
{
    control = reported;
    control.szShortName[MIXER_SHORT_NAME_CHARS - 1] = '\0';
    control.szName[MIXER_LONG_NAME_CHARS - 1] = '\0';
    valueRequest = MIXERCONTROLDETAILS();
    listTextRequest = MIXERCONTROLDETAILS();
    kind = 0;
    count = 0;
    values.clear();
    names.clear();
    if (control.dwControlType == 0)
        return false;

    const DWORD channels = (control.fdwControl & MIXERCONTROL_CONTROLF_UNIFORM) ? 1 : lineChannels;
    const DWORD items = (control.fdwControl & MIXERCONTROL_CONTROLF_MULTIPLE) ? control.cMultipleItems : 0;
    const unsigned long long total = items != 0 ? 1ULL * channels * items : channels;
    const unsigned valueKind = ValueKindOfControlType(control.dwControlType);
    if (valueKind == 0 || total == 0 || total > kMaxValues)
        return false;

    kind = valueKind;
    count = static_cast<unsigned>(total);
    values.assign(std::max(count, kMinBufferValues), 0);
    valueRequest.cbStruct = sizeof(MIXERCONTROLDETAILS);
    valueRequest.dwControlID = control.dwControlID;
    valueRequest.cChannels = channels;
    valueRequest.cMultipleItems = items;
    valueRequest.cbDetails = sizeof(LONG);
    valueRequest.paDetails = values.data();
    if (kind & VK_ITEMNAMES) {
        names.assign(count, MIXERCONTROLDETAILS_LISTTEXTA());
        listTextRequest = valueRequest;
        listTextRequest.cbDetails = sizeof(MIXERCONTROLDETAILS_LISTTEXTA);
        listTextRequest.paDetails = names.data();
    }
    return true;
}

void MixerControlEntry::TerminateItemNames()
{
    for (MIXERCONTROLDETAILS_LISTTEXTA& name : names)
        name.szName[MIXER_LONG_NAME_CHARS - 1] = '\0';
}
