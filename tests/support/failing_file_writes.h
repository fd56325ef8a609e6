#pragma once
// While an instance lives, the file-writing seam fails in one chosen way: a write
// that reaches past a number of bytes (a disk that fills up), the flush, the
// replace, or the creation of the file.
#include <cstddef>

enum class FileWriteFault { WriteAfterBytes, Flush, Replace, Create };

class FailingFileWrites {
public:
    explicit FailingFileWrites(FileWriteFault fault, std::size_t allowedBytes = 0);
    ~FailingFileWrites();
    FailingFileWrites(const FailingFileWrites&) = delete;
    FailingFileWrites& operator=(const FailingFileWrites&) = delete;

    // Bytes that reached a file while the fault was in place.
    static std::size_t BytesWritten();
};
