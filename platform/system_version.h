#pragma once
// The system facts the panel branches on, behind a seam so that tests can play
// Windows 98, ME, 2000 or XP.

#include <windows.h>

#include <string>

struct SystemFunctions {
    BOOL(WINAPI* getVersionEx)(LPOSVERSIONINFOA version);
    UINT(WINAPI* getSystemDirectory)(LPSTR buffer, UINT size);
};

const SystemFunctions& WindowsSystemFunctions();
const SystemFunctions& SystemApi();
void SetSystemFunctions(const SystemFunctions& functions);
void RestoreWindowsSystemFunctions();

struct SystemVersion {
    DWORD major = 0;
    DWORD minor = 0;
    DWORD platform = 0; // VER_PLATFORM_WIN32_WINDOWS or VER_PLATFORM_WIN32_NT
};

// The running system's version; all zero when it cannot be asked.
SystemVersion QuerySystemVersion();

// The system directory through the seam, read into a buffer of 260 characters;
// empty when it cannot be asked or does not fit.
std::string QuerySystemDirectory();
