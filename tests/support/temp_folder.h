#pragma once
// A fresh folder of one test below the system's temporary folder, removed with
// everything in it when the test is done with it.
#include <string>
#include <vector>

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return m_path; }
    // The path of a file in the folder.
    std::string File(const std::string& name) const;
    // The names of the files in it, sorted.
    std::vector<std::string> Names() const;

private:
    std::string m_path;
};

// A file's bytes, or empty when it cannot be read; writing replaces them.
std::string ReadFileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::string& bytes);
