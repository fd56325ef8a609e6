#include "support/temp_folder.h"

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>

TempFolder::TempFolder()
{
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    for (unsigned attempt = GetTickCount(); m_path.empty(); ++attempt) {
        const std::string candidate = std::string(folder) + "hv" + std::to_string(attempt % 100000);
        if (CreateDirectoryA(candidate.c_str(), nullptr))
            m_path = candidate;
        else if (GetLastError() != ERROR_ALREADY_EXISTS)
            break;
    }
}

TempFolder::~TempFolder()
{
    if (m_path.empty())
        return;
    for (const std::string& name : Names()) {
        const std::string path = File(name);
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
    }
    RemoveDirectoryA(m_path.c_str());
}

std::string TempFolder::File(const std::string& name) const
{
    return m_path + "\\" + name;
}

std::vector<std::string> TempFolder::Names() const
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(File("*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.emplace_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool WriteFileBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out);
}
