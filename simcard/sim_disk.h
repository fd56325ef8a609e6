#pragma once
// A disk that fills up: every file the panel writes through the file-writing seam
// takes only so many bytes in all, then its writes fail as on a full disk. For
// trying the panel's saves without a full disk at hand.

#include <cstddef>

// Puts the limited writer in place for the rest of the process.
void InstallSimDiskLimit(std::size_t bytes);

// Bytes that reached files since the limit was put in place.
std::size_t SimDiskBytesWritten();
