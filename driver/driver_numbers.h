#pragma once
// The driver's settings keys keep their numbers as 4-byte binary values.

#include "app/registry.h"

inline int WriteDriverNumber(CRegistry& key, const char* valueName, DWORD value,
                             const char* subPath = nullptr)
{
    return key.SetBinary(valueName, &value, sizeof(value), subPath);
}
