#include "mixer/mixer_functions.h"

namespace {

MixerFunctions& Active()
{
    static MixerFunctions functions = WindowsMixerFunctions();
    return functions;
}

} // namespace

const MixerFunctions& WindowsMixerFunctions()
{
    static const MixerFunctions functions = {
        &::mixerGetNumDevs,   &::mixerGetDevCapsA,      &::mixerOpen,
        &::mixerClose,        &::mixerGetLineInfoA,     &::mixerGetLineControlsA,
        &::mixerGetControlDetailsA, &::mixerSetControlDetails,
    };
    return functions;
}

const MixerFunctions& MixerApi()
{
    return Active();
}

void SetMixerFunctions(const MixerFunctions& functions)
{
    Active() = functions;
}

void RestoreWindowsMixerFunctions()
{
    Active() = WindowsMixerFunctions();
}
