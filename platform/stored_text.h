#pragma once
// Texts stored by others (registry, driver) need not carry their terminator.

#include <windows.h>

// Makes the storedSize bytes in buffer a terminated text within bufferSize: adds
// the terminator when there is room. False, with an empty buffer, when the text
// and its terminator do not fit.
inline bool TerminateStoredText(char* buffer, DWORD bufferSize, DWORD storedSize)
{
    if (buffer == nullptr || bufferSize == 0)
        return false;
    if (storedSize > bufferSize) {
        buffer[0] = '\0';
        return false;
    }
    if (storedSize > 0 && buffer[storedSize - 1] == '\0')
        return true;
    if (storedSize == bufferSize) {
        buffer[0] = '\0';
        return false;
    }
    buffer[storedSize] = '\0';
    return true;
}
