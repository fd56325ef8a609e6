#include "platform/system_restart.h"

namespace {

SystemRestartFunctions& Active()
{
    static SystemRestartFunctions functions = WindowsSystemRestartFunctions();
    return functions;
}

int EnableShutdownPrivilege()
{
    const SystemRestartFunctions& api = SystemRestartApi();
    HANDLE token = nullptr;
    if (!api.openProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return kRestartOpenToken;
    int failed = kRestartDone;
    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (!api.lookupPrivilegeValue(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid)) {
        failed = kRestartLookupPrivilege;
    } else {
        // The adjustment reports success also when the privilege was not granted:
        // only the error code after it tells.
        const BOOL adjusted = api.adjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
        if (!adjusted || api.getLastError() != ERROR_SUCCESS)
            failed = kRestartEnablePrivilege;
    }
    api.closeHandle(token);
    return failed;
}

} // namespace

const SystemRestartFunctions& WindowsSystemRestartFunctions()
{
    static const SystemRestartFunctions functions = {&::OpenProcessToken, &::LookupPrivilegeValueA,
                                                     &::AdjustTokenPrivileges, &::GetLastError,
                                                     &::CloseHandle,      &::ExitWindowsEx};
    return functions;
}

const SystemRestartFunctions& SystemRestartApi() { return Active(); }

void SetSystemRestartFunctions(const SystemRestartFunctions& functions) { Active() = functions; }

void RestoreWindowsSystemRestartFunctions() { Active() = WindowsSystemRestartFunctions(); }

int RestartSystem(bool ntFamily)
{
    if (ntFamily) {
        const int failed = EnableShutdownPrivilege();
        if (failed != kRestartDone)
            return failed;
    }
    if (!SystemRestartApi().exitWindowsEx(EWX_REBOOT | EWX_FORCE, 0))
        return kRestartExitWindows;
    return kRestartDone;
}
