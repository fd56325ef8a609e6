#pragma once
// The three status texts of the Digital page's input (sample rate, incoming copy
// bit, incoming pre-emphasis) from a read of the driver's input status word.

#include <windows.h>

#include <string>

struct SpdifStatusTexts {
    std::string rate;
    std::string copyBit;
    std::string preemphasis;
};

// read: whether the driver answered; status: the word it gave.
SpdifStatusTexts SpdifStatusTextsFor(bool read, DWORD status);
