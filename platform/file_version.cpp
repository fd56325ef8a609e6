#include "platform/file_version.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

FileVersionFunctions& Active()
{
    static FileVersionFunctions functions = WindowsFileVersionFunctions();
    return functions;
}

} // namespace

const FileVersionFunctions& WindowsFileVersionFunctions()
{
    static const FileVersionFunctions functions = {&::GetFileVersionInfoSizeA, &::GetFileVersionInfoA,
                                                   &::VerQueryValueA};
    return functions;
}

const FileVersionFunctions& FileVersionApi() { return Active(); }

void SetFileVersionFunctions(const FileVersionFunctions& functions) { Active() = functions; }

void RestoreWindowsFileVersionFunctions() { Active() = WindowsFileVersionFunctions(); }

DWORD FileVersionInfoSize(const char* path)
{
    if (path == nullptr)
        return 0;
    DWORD handle = 0;
    return FileVersionApi().getFileVersionInfoSize(path, &handle);
}

FileVersionRead ReadProductVersion(const char* path, DWORD infoSize, char* text, std::size_t textSize)
{
    if (text != nullptr && textSize > 0)
        text[0] = '\0';
    const DWORD size = infoSize != 0 ? infoSize : FileVersionInfoSize(path);
    if (size == 0)
        return FileVersionRead::kNoInformation;
    std::vector<BYTE> block(size);
    if (!FileVersionApi().getFileVersionInfo(path, 0, size, block.data()))
        return FileVersionRead::kUnreadable;
    void* root = nullptr;
    UINT rootSize = 0;
    char rootName[] = "\\";
    if (!FileVersionApi().verQueryValue(block.data(), rootName, &root, &rootSize) || root == nullptr
        || rootSize < sizeof(VS_FIXEDFILEINFO))
        return FileVersionRead::kUnreadable;
    // The block may be unaligned inside the buffer: copy it out.
    VS_FIXEDFILEINFO info = {};
    std::memcpy(&info, root, sizeof(info));
    if (text != nullptr && textSize > 0)
        std::snprintf(text, textSize, "%d.%d.%d.%d", static_cast<int>(HIWORD(info.dwProductVersionMS)),
                      static_cast<int>(LOWORD(info.dwProductVersionMS)), static_cast<int>(HIWORD(info.dwProductVersionLS)),
                      static_cast<int>(LOWORD(info.dwProductVersionLS)));
    return FileVersionRead::kRead;
}
