#include "platform/file_write_functions.h"

namespace {

FileWriteFunctions& Active()
{
    static FileWriteFunctions functions = WindowsFileWriteFunctions();
    return functions;
}

} // namespace

const FileWriteFunctions& WindowsFileWriteFunctions()
{
    static const FileWriteFunctions functions = {&::CreateFileA, &::WriteFile, &::FlushFileBuffers, &::MoveFileExA};
    return functions;
}

const FileWriteFunctions& FileWriteApi() { return Active(); }

void SetFileWriteFunctions(const FileWriteFunctions& functions) { Active() = functions; }

void RestoreWindowsFileWriteFunctions() { Active() = WindowsFileWriteFunctions(); }
