#include "simcard/sim_disk.h"

#include "platform/file_write_functions.h"

#include <windows.h>

namespace {

std::size_t g_limit = 0;
std::size_t g_written = 0;

// Writes what still fits below the limit, then fails as a full disk does.
BOOL WINAPI LimitedWrite(HANDLE file, LPCVOID bytes, DWORD size, LPDWORD written, LPOVERLAPPED overlapped)
{
    const std::size_t room = g_limit > g_written ? g_limit - g_written : 0;
    const DWORD part = size < room ? size : static_cast<DWORD>(room);
    DWORD done = 0;
    if (part > 0 && !WindowsFileWriteFunctions().writeFile(file, bytes, part, &done, overlapped))
        return FALSE;
    g_written += done;
    if (written != nullptr)
        *written = done;
    if (done == size)
        return TRUE;
    SetLastError(ERROR_DISK_FULL);
    return FALSE;
}

} // namespace

void InstallSimDiskLimit(std::size_t bytes)
{
    g_limit = bytes;
    g_written = 0;
    FileWriteFunctions functions = WindowsFileWriteFunctions();
    functions.writeFile = &LimitedWrite;
    SetFileWriteFunctions(functions);
}

std::size_t SimDiskBytesWritten()
{
    return g_written;
}
