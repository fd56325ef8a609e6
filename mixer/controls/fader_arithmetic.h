#pragma once
// The arithmetic of the mixer faders: values of a volume control to slider
// positions and back, the balance between two channels, and the level meter.
//
// Slider positions run downwards: position 0 is the top, the loudest value. All
// products are formed in 64 bits and every divisor is checked, so no value a
// device reports can overflow or divide by zero: where the arithmetic has no
// answer the fader shows and writes nothing.

#include <windows.h>
#include <mmsystem.h>

#include <cstdint>

// lMaximum − lMinimum of a volume control, read as the unsigned bounds a fader has.
int64_t VolumeSpan(const MIXERCONTROLA& control);

// The value one slider position stands for: span ÷ maximum (integer division);
// 0 when the span or the maximum is not positive or the quotient is 0.
int64_t ValuePerPosition(int64_t span, int maximum);

// maximum − value ÷ valuePerPosition, kept within 0 … maximum. valuePerPosition > 0.
int PositionOfValue(DWORD value, int64_t valuePerPosition, int maximum);

// (maximum − position) × valuePerPosition, kept within the 32-bit unsigned range.
DWORD ValueOfPosition(int position, int64_t valuePerPosition, int maximum);

// (maximum − position) × span ÷ maximum, the product first; 0 when maximum ≤ 0.
DWORD VolumeOfPosition(int position, int64_t span, int maximum);

// The balance slider's position for two channel values, both not 0: with
// b = 1 − L/R when L < R, else R/L − 1 (single precision; negative when the left
// channel is louder), maximum × b rounded to the nearest position.
int BalancePosition(DWORD left, DWORD right, int maximum);

struct ChannelPair {
    DWORD left;
    DWORD right;
};

// The two channel values of a volume at a balance position: x = position ÷
// maximum (floating); x ≥ 0: left = nearest((1 − x) × volume), right = volume;
// x < 0: left = volume, right = nearest((x + 1) × volume). maximum > 0.
ChannelPair ChannelsAtBalance(DWORD volume, int position, int maximum);

// The meter position of a reading: hi − (hi − lo) × |value| ÷ peak, held within
// lo … hi; a peak ≤ 0 reads as silence (hi).
int MeterTarget(int64_t value, int64_t peak, int lo, int hi);

// Positions a shown level falls by per poll.
constexpr int kMeterFallPerPoll = 4;

// The next shown level: at once to a louder target (smaller position), else down
// by kMeterFallPerPoll positions but not past the target.
int MeterStep(int shown, int target);

// Tick frequency of a fader of that many steps and client height: 1, or
// steps ÷ max(height ÷ 12, 1) when steps > height ÷ 12.
int FaderTickFrequency(DWORD steps, int height);

// Tick frequency of a split fader with meters: height ÷ (height ÷ 6), a divisor
// of 0 taken as 1; never below 1.
int MeterTickFrequency(int height);

// The highest slider position for a control of that many steps: steps − 1 within
// the range of int (−1 for 0 steps).
int StepsMaximum(DWORD steps);
