#pragma once
// The file-writing seam of the atomic file replace: the system's functions with
// their own signatures. By default they are the system's; a test can put a failing
// writer in their place (a full disk, a write error after some bytes).

#include <windows.h>

struct FileWriteFunctions {
    decltype(&::CreateFileA) createFile;
    decltype(&::WriteFile) writeFile;
    decltype(&::FlushFileBuffers) flushFileBuffers;
    decltype(&::MoveFileExA) moveFileEx;
};

const FileWriteFunctions& WindowsFileWriteFunctions();
const FileWriteFunctions& FileWriteApi();
// Replaces the functions in use; RestoreWindowsFileWriteFunctions undoes it.
void SetFileWriteFunctions(const FileWriteFunctions& functions);
void RestoreWindowsFileWriteFunctions();
