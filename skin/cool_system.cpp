#include "skin/cool_system.h"

namespace {

BOOL WINAPI QueryVersion(LPOSVERSIONINFOA info)
{
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    return GetVersionExA(info);
#pragma GCC diagnostic pop
}

const CoolSystemFunctions kWindows = {QueryVersion, LoadLibraryA, GetProcAddress, FreeLibrary};

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

int CoolOsClassOf(const OSVERSIONINFOA& version)
{
    if (version.dwPlatformId == VER_PLATFORM_WIN32_NT)
        return kOsNt;
    if (version.dwPlatformId != VER_PLATFORM_WIN32_WINDOWS)
        return kOsOther;
    if (version.dwMajorVersion == 4 && version.dwMinorVersion == 0)
        return kOsWin95;
    if (version.dwMajorVersion != 4 || version.dwMinorVersion > 10)
        return kOsWinMe;
    return kOsWin98;
}

int CoolOsClassNow()
{
    if (g_osClass == 0) {
        OSVERSIONINFOA version = {};
        version.dwOSVersionInfoSize = sizeof(version);
        g_osClass = g_functions.getVersionEx(&version) ? CoolOsClassOf(version) : kOsOther;
    }
    return g_osClass;
}
