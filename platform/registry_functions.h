#pragma once
// The registry's writing functions with their own signatures, behind a seam: by
// default the system's; a test can put failing ones in their place to play a key
// the user may not change.

#include <windows.h>

struct RegistryWriteFunctions {
    decltype(&::RegSetValueExA) setValueEx;
    decltype(&::RegDeleteValueA) deleteValue;
};

const RegistryWriteFunctions& WindowsRegistryWriteFunctions();
const RegistryWriteFunctions& RegistryWriteApi();
// Replaces the functions in use; RestoreWindowsRegistryWriteFunctions undoes it.
void SetRegistryWriteFunctions(const RegistryWriteFunctions& functions);
void RestoreWindowsRegistryWriteFunctions();
