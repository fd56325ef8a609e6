#include "platform/registry_functions.h"

namespace {

RegistryWriteFunctions& Active()
{
    static RegistryWriteFunctions functions = WindowsRegistryWriteFunctions();
    return functions;
}

} // namespace

const RegistryWriteFunctions& WindowsRegistryWriteFunctions()
{
    static const RegistryWriteFunctions functions = {&::RegSetValueExA, &::RegDeleteValueA};
    return functions;
}

const RegistryWriteFunctions& RegistryWriteApi() { return Active(); }

void SetRegistryWriteFunctions(const RegistryWriteFunctions& functions) { Active() = functions; }

void RestoreWindowsRegistryWriteFunctions() { Active() = WindowsRegistryWriteFunctions(); }
