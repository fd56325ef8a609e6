#pragma once
// Restarting the system: on the NT family the process first enables its shutdown
// privilege. Behind a seam, so that tests never restart anything.

#include <windows.h>

struct SystemRestartFunctions {
    BOOL(WINAPI* openProcessToken)(HANDLE process, DWORD access, PHANDLE token);
    BOOL(WINAPI* lookupPrivilegeValue)(LPCSTR system, LPCSTR name, PLUID luid);
    BOOL(WINAPI* adjustTokenPrivileges)(HANDLE token, BOOL disableAll, PTOKEN_PRIVILEGES state, DWORD size,
                                        PTOKEN_PRIVILEGES previous, PDWORD returned);
    DWORD(WINAPI* getLastError)();
    BOOL(WINAPI* closeHandle)(HANDLE handle);
    BOOL(WINAPI* exitWindowsEx)(UINT flags, DWORD reason);
};

const SystemRestartFunctions& WindowsSystemRestartFunctions();
const SystemRestartFunctions& SystemRestartApi();
void SetSystemRestartFunctions(const SystemRestartFunctions& functions);
void RestoreWindowsSystemRestartFunctions();

// The steps of a restart, numbered for the user's error message.
enum RestartStep : int {
    kRestartDone = 0,
    kRestartOpenToken = 1,
    kRestartLookupPrivilege = 2,
    kRestartEnablePrivilege = 3,
    kRestartExitWindows = 4,
};

// Restarts the system, forcing applications to close (the shutdown privilege
// enabled first on the NT family); kRestartDone, or the step that failed.
int RestartSystem(bool ntFamily);
