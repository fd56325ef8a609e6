#pragma once
// Owns one open registry key and closes it when it goes out of scope.
#include <windows.h>

#include "platform/owned_handle.h"

struct RegistryKeyTraits {
    using Value = HKEY;
    static Value Empty() { return nullptr; }
    static bool IsHeld(Value value) { return value != nullptr; }
    static void Undo(Value value) { ::RegCloseKey(value); }
};

class CRegistryKey : public COwnedHandle<RegistryKeyTraits> {
public:
    // Each closes what was held first; false (nothing held) on failure.
    bool Open(HKEY root, const char* path, REGSAM access)
    {
        HKEY key = nullptr;
        Reset(::RegOpenKeyExA(root, path, 0, access, &key) == ERROR_SUCCESS ? key : nullptr);
        return IsHeld();
    }
    bool Create(HKEY root, const char* path, DWORD options, REGSAM access)
    {
        HKEY key = nullptr;
        const LONG result = ::RegCreateKeyExA(root, path, 0, nullptr, options, access, nullptr, &key, nullptr);
        Reset(result == ERROR_SUCCESS ? key : nullptr);
        return IsHeld();
    }
    void Close() { Reset(); }
};
