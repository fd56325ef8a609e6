#include "support/failing_file_writes.h"

#include "platform/file_write_functions.h"
#include "simcard/sim_disk.h"

#include <windows.h>

#include <cstdint>

namespace {

FileWriteFault g_fault = FileWriteFault::WriteAfterBytes;

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
    // A disk that fills up is the simulated disk's writer; the other faults sit on top.
    InstallSimDiskLimit(fault == FileWriteFault::WriteAfterBytes ? allowedBytes : SIZE_MAX);
    FileWriteFunctions functions = FileWriteApi();
    functions.createFile = &FailingCreate;
    functions.flushFileBuffers = &FailingFlush;
    functions.moveFileEx = &FailingReplace;
    SetFileWriteFunctions(functions);
}

FailingFileWrites::~FailingFileWrites()
{
    RestoreWindowsFileWriteFunctions();
}

std::size_t FailingFileWrites::BytesWritten()
{
    return SimDiskBytesWritten();
}
