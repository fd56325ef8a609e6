#pragma once
// The driver's settings keys below the local-machine root, which keep their
// numbers as 4-byte binary values.

#include "platform/registry.h"

inline CRegistry DriverSettingsKey(const char* path)
{
    CRegistry key;
    key.SetKey(HKEY_LOCAL_MACHINE, path);
    return key;
}

inline int WriteDriverNumber(CRegistry& key, const char* valueName, DWORD value,
                             const char* subPath = nullptr)
{
    return key.SetBinary(valueName, &value, sizeof(value), subPath);
}
