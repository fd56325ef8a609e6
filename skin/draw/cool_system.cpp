#include "skin/draw/cool_system.h"

namespace {

const CoolSystemFunctions kWindows = {LoadLibraryA, GetProcAddress, FreeLibrary};

CoolSystemFunctions g_functions = kWindows;
int g_osClass = 0; // 0 = not computed yet

} // namespace

const CoolSystemFunctions& CoolSystem() { return g_functions; }
const CoolSystemFunctions& WindowsCoolSystem() { return kWindows; }

void SetCoolSystem(const CoolSystemFunctions& functions)
{
    g_functions = functions;
    g_osClass = 0;
}

int CoolOsClassOf(const SystemVersion& version)
{
    if (version.platform == VER_PLATFORM_WIN32_NT)
        return kOsNt;
    if (version.platform != VER_PLATFORM_WIN32_WINDOWS)
        return kOsOther;
    if (version.major == 4 && version.minor == 0)
        return kOsWin95;
    if (version.major != 4 || version.minor > 10)
        return kOsWinMe;
    return kOsWin98;
}

int CoolOsClassNow()
{
    if (g_osClass == 0)
        g_osClass = CoolOsClassOf(QuerySystemVersion());
    return g_osClass;
}
