#include "support/build_folder.h"

#include <windows.h>

std::string BuildFolderFile(const std::string& name)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    folder = folder.substr(0, folder.find_last_of('\\')); // tests
    folder = folder.substr(0, folder.find_last_of('\\')); // the build folder
    return folder + "\\" + name;
}
