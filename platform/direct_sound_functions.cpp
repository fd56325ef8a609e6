#include "platform/direct_sound_functions.h"

namespace {

DirectSoundFunctions& Active()
{
    static DirectSoundFunctions functions = WindowsDirectSoundFunctions();
    return functions;
}

// dsound.dll stays loaded for the rest of the process: the interfaces it hands out
// run its code.
FARPROC SystemFunction(const char* name)
{
    static HMODULE module = LoadLibraryA("dsound.dll");
    return module != nullptr ? GetProcAddress(module, name) : nullptr;
}

template <typename Function>
Function Resolve(const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(SystemFunction(name)));
}

HRESULT WINAPI SystemCreate(LPCGUID device, LPDIRECTSOUND* sound, LPUNKNOWN outer)
{
    static const auto function = Resolve<decltype(&::DirectSoundCreate)>("DirectSoundCreate");
    if (function == nullptr) {
        if (sound != nullptr)
            *sound = nullptr;
        return DSERR_NODRIVER;
    }
    return function(device, sound, outer);
}

HRESULT WINAPI SystemEnumerate(LPDSENUMCALLBACKA callback, LPVOID context)
{
    static const auto function = Resolve<decltype(&::DirectSoundEnumerateA)>("DirectSoundEnumerateA");
    return function != nullptr ? function(callback, context) : DSERR_NODRIVER;
}

} // namespace

const DirectSoundFunctions& WindowsDirectSoundFunctions()
{
    static const DirectSoundFunctions functions = {&SystemCreate, &SystemEnumerate};
    return functions;
}

const DirectSoundFunctions& DirectSoundApi() { return Active(); }

void SetDirectSoundFunctions(const DirectSoundFunctions& functions) { Active() = functions; }

void RestoreWindowsDirectSoundFunctions() { Active() = WindowsDirectSoundFunctions(); }
