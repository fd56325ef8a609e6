#pragma once
// The one way the driver-side features reach their registry values: a key below
// the local-machine root, and numbers stored as the driver keeps them, 4-byte
// binary values (read whatever their type).

#include "platform/registry.h"

// A key below the local-machine root, in the given registry view (0: the
// process's own; kSharedSoftwareView for keys shared with the 32-bit panel).
inline CRegistry MachineKey(const char* path, REGSAM view = 0)
{
    CRegistry key;
    key.SetKey(HKEY_LOCAL_MACHINE, path);
    key.SetView(view);
    return key;
}

// The stored number; the fallback when it is missing or cannot be read.
inline DWORD ReadDriverNumber(const char* path, const char* valueName, DWORD fallback,
                              const char* subPath = nullptr, REGSAM view = 0)
{
    DWORD value = 0;
    return MachineKey(path, view).QueryDword(valueName, &value, subPath) ? value : fallback;
}

// 1 when stored.
inline int WriteDriverNumber(const char* path, const char* valueName, DWORD value,
                             const char* subPath = nullptr)
{
    return MachineKey(path).SetBinary(valueName, &value, sizeof(value), subPath);
}
