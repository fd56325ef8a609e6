#pragma once
// A temporary file of one test: named (and created empty) on first use, removed
// when the test is done with it.
#include <string>

class TempFile {
public:
    TempFile() = default;
    ~TempFile();
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    const std::string& Path();
    // Replaces the file's bytes; false when it could not be written.
    bool Write(const std::string& bytes);
    // The file's bytes; empty when it cannot be read.
    std::string Read();

private:
    std::string m_path;
};
