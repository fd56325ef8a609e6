#include "support/temp_file.h"

#include <windows.h>

#include <fstream>
#include <iterator>

TempFile::~TempFile()
{
    if (!m_path.empty())
        DeleteFileA(m_path.c_str());
}

const std::string& TempFile::Path()
{
    if (m_path.empty()) {
        char folder[MAX_PATH] = {};
        char path[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, folder);
        GetTempFileNameA(folder, "msp", 0, path);
        m_path = path;
    }
    return m_path;
}

bool TempFile::Write(const std::string& bytes)
{
    std::ofstream out(Path(), std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out);
}

std::string TempFile::Read()
{
    std::ifstream in(Path(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
