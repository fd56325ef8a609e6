#pragma once
// The product version of a file from its version resource, behind a seam of the
// system's version functions (with their own signatures) so that tests can count
// the files asked for or play files of their own.

#include <windows.h>

#include <cstddef>

struct FileVersionFunctions {
    decltype(&::GetFileVersionInfoSizeA) getFileVersionInfoSize;
    decltype(&::GetFileVersionInfoA) getFileVersionInfo;
    decltype(&::VerQueryValueA) verQueryValue;
};

const FileVersionFunctions& WindowsFileVersionFunctions();
const FileVersionFunctions& FileVersionApi();
// Replaces the functions in use; RestoreWindowsFileVersionFunctions undoes it.
void SetFileVersionFunctions(const FileVersionFunctions& functions);
void RestoreWindowsFileVersionFunctions();

// Size of the file's version information; 0 when it has none or cannot be found.
DWORD FileVersionInfoSize(const char* path);

enum class FileVersionRead { kNoInformation, kUnreadable, kRead };

// Reads the product version as "a.b.c.d" (most significant part first) into text,
// which is always terminated; empty unless kRead. infoSize is the size already
// asked for the path, or 0 to ask it here.
FileVersionRead ReadProductVersion(const char* path, DWORD infoSize, char* text, std::size_t textSize);
