#pragma once
// The EQ page's peak meters: a driver level becomes a meter value in the band
// slider's units (100 silence at the bottom, -100 full at the top), and the peak
// mark falls back one step per tick and jumps up with the signal.

#include <windows.h>

constexpr int kEqMeterSilence = 100;
constexpr int kEqMeterFull = -100;

// The meter value of a level: 100 - floor(200 log10(level 9/32768 + 1)), held
// within -100 ... 100 (the loudest levels would reach -155).
int EqMeterValue(DWORD level);
// The peak mark after a tick that showed the meter value.
int EqNextPeakMark(int previousMark, int meterValue);
