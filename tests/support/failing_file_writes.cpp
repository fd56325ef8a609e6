#include "support/failing_file_writes.h"

#include "platform/file_write_functions.h"

#include <windows.h>

namespace {

FileWriteFault g_fault = FileWriteFault::WriteAfterBytes;
std::size_t g_allowed = 0;
std::size_t g_written = 0;

// Writes what still fits below the limit, then fails as a full disk does.
BOOL WINAPI LimitedWrite(HANDLE file, LPCVOID bytes, DWORD size, LPDWORD written, LPOVERLAPPED overlapped)
{
    if (g_fault != FileWriteFault::WriteAfterBytes)
        return WindowsFileWriteFunctions().writeFile(file, bytes, size, written, overlapped);
    const std::size_t room = g_allowed > g_written ? g_allowed - g_written : 0;
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

BOOL WINAPI FailingFlush(HANDLE file)
{
    if (g_fault == FileWriteFault::Flush) {
        SetLastError(ERROR_WRITE_FAULT);
        return FALSE;
    }
    return WindowsFileWriteFunctions().flushFileBuffers(file);
}

BOOL WINAPI FailingReplace(LPCSTR from, LPCSTR to, DWORD flags)
{
    if (g_fault == FileWriteFault::Replace) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    return WindowsFileWriteFunctions().moveFileEx(from, to, flags);
}

HANDLE WINAPI FailingCreate(LPCSTR name, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security, DWORD creation,
                            DWORD flags, HANDLE templateFile)
{
    if (g_fault == FileWriteFault::Create) {
        SetLastError(ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    return WindowsFileWriteFunctions().createFile(name, access, share, security, creation, flags, templateFile);
}

} // namespace

FailingFileWrites::FailingFileWrites(FileWriteFault fault, std::size_t allowedBytes)
{
    g_fault = fault;
    g_allowed = allowedBytes;
    g_written = 0;
    SetFileWriteFunctions({&FailingCreate, &LimitedWrite, &FailingFlush, &FailingReplace});
}

FailingFileWrites::~FailingFileWrites()
{
    RestoreWindowsFileWriteFunctions();
}

std::size_t FailingFileWrites::BytesWritten()
{
    return g_written;
}
