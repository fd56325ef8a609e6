#include "platform/atomic_file.h"

#include "platform/file_write_functions.h"
#include "platform/owned_handle.h"

#include <windows.h>

#include <string>

namespace {

constexpr DWORD kChunkBytes = 64 * 1024;

// The target's full path and the folder it lies in (with its trailing separator).
bool SplitTarget(const char* target, std::string& full, std::string& folder)
{
    char buffer[MAX_PATH];
    char* name = nullptr;
    const DWORD length = GetFullPathNameA(target, MAX_PATH, buffer, &name);
    if (length == 0 || length >= MAX_PATH || name == nullptr)
        return false;
    full.assign(buffer, length);
    folder.assign(buffer, static_cast<size_t>(name - buffer));
    return true;
}

// Checked here rather than left to the replace, which a process with every right
// (an administrator's, or root's under a compatibility layer) would let through.
bool MayReplace(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return true; // a new file; a missing folder fails when the file is made
    return (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) == 0;
}

bool WriteAll(HANDLE file, const BYTE* bytes, size_t size)
{
    while (size > 0) {
        const DWORD chunk = size < kChunkBytes ? static_cast<DWORD>(size) : kChunkBytes;
        DWORD written = 0;
        if (!FileWriteApi().writeFile(file, bytes, chunk, &written, nullptr) || written == 0 || written > chunk)
            return false;
        bytes += written;
        size -= written;
    }
    return true;
}

// The whole file on the disk, or false.
bool WriteFlushed(const char* path, const void* bytes, size_t size)
{
    COwnedKernelHandle file(FileWriteApi().createFile(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsHeld())
        return false;
    if (!WriteAll(file.Get(), static_cast<const BYTE*>(bytes), size) || !FileWriteApi().flushFileBuffers(file.Get()))
        return false;
    return CloseHandle(file.Release()) != FALSE;
}

} // namespace

bool WriteFileAtomically(const char* target, const void* bytes, std::size_t size)
{
    if (target == nullptr || target[0] == '\0' || (bytes == nullptr && size != 0))
        return false;
    std::string full;
    std::string folder;
    if (!SplitTarget(target, full, folder) || !MayReplace(full))
        return false;
    // A name of the system's choosing in the target's folder, so that the replace
    // is a rename on the same volume; the system makes the file empty.
    char temporary[MAX_PATH];
    if (GetTempFileNameA(folder.c_str(), "hvs", 0, temporary) == 0)
        return false;
    if (WriteFlushed(temporary, bytes, size) &&
        FileWriteApi().moveFileEx(temporary, full.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileA(temporary);
    return false;
}
