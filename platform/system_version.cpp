#include "platform/system_version.h"

namespace {

BOOL WINAPI SystemGetVersionEx(LPOSVERSIONINFOA version)
{
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    return ::GetVersionExA(version);
#pragma GCC diagnostic pop
}

SystemFunctions& Active()
{
    static SystemFunctions functions = WindowsSystemFunctions();
    return functions;
}

} // namespace

const SystemFunctions& WindowsSystemFunctions()
{
    static const SystemFunctions functions = {&SystemGetVersionEx, &::GetSystemDirectoryA};
    return functions;
}

const SystemFunctions& SystemApi() { return Active(); }

void SetSystemFunctions(const SystemFunctions& functions) { Active() = functions; }

void RestoreWindowsSystemFunctions() { Active() = WindowsSystemFunctions(); }

SystemVersion QuerySystemVersion()
{
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof(info);
    SystemVersion version;
    if (!SystemApi().getVersionEx(&info))
        return version;
    version.major = info.dwMajorVersion;
    version.minor = info.dwMinorVersion;
    version.platform = info.dwPlatformId;
    return version;
}

std::string QuerySystemDirectory()
{
    constexpr UINT kChars = 260;
    char directory[kChars] = {};
    const UINT length = SystemApi().getSystemDirectory(directory, kChars);
    if (length == 0 || length >= kChars)
        return std::string();
    directory[kChars - 1] = '\0';
    return directory;
}
