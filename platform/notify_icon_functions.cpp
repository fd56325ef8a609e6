#include "platform/notify_icon_functions.h"

namespace {

NotifyIconFunctions& Active()
{
    static NotifyIconFunctions functions = WindowsNotifyIconFunctions();
    return functions;
}

} // namespace

const NotifyIconFunctions& WindowsNotifyIconFunctions()
{
    static const NotifyIconFunctions functions = {&::Shell_NotifyIconA};
    return functions;
}

const NotifyIconFunctions& NotifyIconApi()
{
    return Active();
}

void SetNotifyIconFunctions(const NotifyIconFunctions& functions)
{
    Active() = functions;
}

void RestoreWindowsNotifyIconFunctions()
{
    Active() = WindowsNotifyIconFunctions();
}
