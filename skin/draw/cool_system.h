#pragma once
// The library loading the drawing context depends on, and the OS class it branches
// on. By default they are Windows' own; a different table (and the system-version
// seam) lets the drawing run as on a system without "msimg32.dll" or outside the
// NT family.

#include <windows.h>

#include "platform/system_version.h"

struct CoolSystemFunctions {
    HMODULE(WINAPI* loadLibrary)(LPCSTR name);
    FARPROC(WINAPI* getProcAddress)(HMODULE module, LPCSTR name);
    BOOL(WINAPI* freeLibrary)(HMODULE module);
};

const CoolSystemFunctions& CoolSystem();
const CoolSystemFunctions& WindowsCoolSystem();

// Installs a table; the OS class is computed afresh on next use.
void SetCoolSystem(const CoolSystemFunctions& functions);

// OS class: 5 NT family; 2 Windows 95 (4.0); 3 Windows 98 (4.1-4.10);
// 4 a later system of that family; 1 anything else.
enum CoolOsClass { kOsOther = 1, kOsWin95 = 2, kOsWin98 = 3, kOsWinMe = 4, kOsNt = 5 };
int CoolOsClassOf(const SystemVersion& version);
int CoolOsClassNow(); // computed once per installed table
