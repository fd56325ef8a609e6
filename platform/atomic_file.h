#pragma once
// Replacing a file's contents so that a failure leaves the earlier file as it was:
// the bytes go to a new file beside the target, are flushed to the disk, and only
// then does that file take the target's name. Writes go through the file-writing
// seam (platform/file_write_functions.h).

#include <cstddef>

// True when the target now holds exactly these bytes. False leaves the target as it
// was and no file of ours behind: a read-only target or a folder is refused (as
// Windows itself refuses to replace a read-only file), and a write, flush or
// replace that fails is given up.
bool WriteFileAtomically(const char* target, const void* bytes, std::size_t size);
