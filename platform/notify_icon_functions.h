#pragma once
// The notification-area seam: the shell's icon function with its own signature. By
// default it is the system's; a test can put a recorder in its place.

#include <windows.h>
#include <shellapi.h>

struct NotifyIconFunctions {
    decltype(&::Shell_NotifyIconA) shellNotifyIcon;
};

const NotifyIconFunctions& WindowsNotifyIconFunctions();
const NotifyIconFunctions& NotifyIconApi();
// Replaces the functions in use; RestoreWindowsNotifyIconFunctions undoes it.
void SetNotifyIconFunctions(const NotifyIconFunctions& functions);
void RestoreWindowsNotifyIconFunctions();
