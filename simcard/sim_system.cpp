#include "simcard/sim_system.h"

#include <cstdio>

namespace {

struct Played {
    DWORD major, minor, build, platform;
    char directory[MAX_PATH];
};

Played g_played = {};

BOOL WINAPI PlayedGetVersionEx(LPOSVERSIONINFOA info)
{
    if (info == nullptr || info->dwOSVersionInfoSize < sizeof(OSVERSIONINFOA)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    info->dwMajorVersion = g_played.major;
    info->dwMinorVersion = g_played.minor;
    info->dwBuildNumber = g_played.build;
    info->dwPlatformId = g_played.platform;
    info->szCSDVersion[0] = '\0';
    return TRUE;
}

UINT WINAPI PlayedGetSystemDirectory(LPSTR buffer, UINT size)
{
    const int length = std::snprintf(nullptr, 0, "%s", g_played.directory);
    if (buffer == nullptr || size <= static_cast<UINT>(length))
        return static_cast<UINT>(length + 1);
    std::snprintf(buffer, size, "%s", g_played.directory);
    return static_cast<UINT>(length);
}

} // namespace

SimSystemInstallation::SimSystemInstallation(SimSystem system, const char* systemDirectory)
{
    switch (system) {
    case SimSystem::Windows98:
        g_played = {4, 10, 2222, VER_PLATFORM_WIN32_WINDOWS, {}};
        break;
    case SimSystem::WindowsMe:
        g_played = {4, 90, 3000, VER_PLATFORM_WIN32_WINDOWS, {}};
        break;
    case SimSystem::Windows2000:
        g_played = {5, 0, 2195, VER_PLATFORM_WIN32_NT, {}};
        break;
    case SimSystem::WindowsXp:
        g_played = {5, 1, 2600, VER_PLATFORM_WIN32_NT, {}};
        break;
    }
    std::snprintf(g_played.directory, sizeof(g_played.directory), "%s",
                  systemDirectory != nullptr ? systemDirectory : "");
    SetSystemFunctions({&PlayedGetVersionEx, &PlayedGetSystemDirectory});
}

SimSystemInstallation::~SimSystemInstallation() { RestoreWindowsSystemFunctions(); }
