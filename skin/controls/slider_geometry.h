#pragma once
// The arithmetic of the skinned sliders: values mapped onto pixels along the
// slider's path, tick strips and tick colours, the lit parts of the meters and the
// click-to-position jump. Every division is guarded: a zero-length range maps
// everything to the minimum's end and lights nothing.
//
// "Along" runs from the minimum's end to the maximum's end: top to bottom for a
// vertical slider, left to right for a horizontal one.

#include <windows.h>

#include <vector>

int AlongStart(const RECT& rect, bool vertical);
int AlongEnd(const RECT& rect, bool vertical);
int AcrossStart(const RECT& rect, bool vertical);
int AcrossEnd(const RECT& rect, bool vertical);
RECT AxisRect(bool vertical, int alongStart, int alongEnd, int acrossStart, int acrossEnd);

// Pixels from the minimum's end to the value over a run of the given length, within
// 0 ... length; 0 when the range has no length (maximum <= minimum).
int ValueOffset(int value, int minimum, int maximum, int length);

// The strips beside the thumb's path that hold the tick marks (up to two); returns
// how many. The side follows TBS_LEFT / TBS_TOP (other side by default, both with
// TBS_BOTH); each reaches 6 pixels outward from the thumb but stays 4 pixels away
// from the control's edge, and runs along the channel less half the thumb at each end.
int TickStrips(const RECT& client, const RECT& thumb, const RECT& channel, DWORD style, RECT strips[2]);

struct TickMark {
    int offset; // pixels from the strip's minimum end
    int role;   // CCOL_TEXT or CCOL_TEXTDISABLED
};

// The ticks of a strip of the given length: the two end ticks and the inner ticks
// (values of the trackbar's tick array, numTics - 2 of them). Ticks from the
// minimum's end up to the position are dimmed, the rest lit; a zero-length range
// lights them all.
std::vector<TickMark> LayoutTicks(int numTics, const DWORD* tics, int minimum, int maximum, int position, int length);

// Colour role of an inner tick of the given value.
int TickRole(int value, int minimum, int maximum, int position);

// The meter's two halves side by side across the channel (the first is left of /
// above the second).
void SplitMeter(const RECT& meter, bool vertical, RECT* first, RECT* second);

// The part of a meter half lit by a level: from the level to the maximum's end.
// Empty for a zero-length range.
RECT LevelLitPart(const RECT& half, bool vertical, int level, int minimum, int maximum);

// The part lit by a selection from start to end. Empty for a zero-length range.
RECT SelectionLitPart(const RECT& meter, bool vertical, int start, int end, int minimum, int maximum);

// The two-pixel line across the meter at the peak; false when the peak lies
// outside the range or the range has no length.
bool PeakLine(const RECT& meter, bool vertical, int peak, int minimum, int maximum, RECT* line);

// Where a click in the channel puts the slider before the trackbar sees it:
// minimum + (maximum - minimum) * (click - channel start) / (channel length - half
// the thumb's length), kept within the range. False (no jump) for a zero-length
// range, a channel no longer than half the thumb, or a click beyond the channel.
bool ClickPosition(int click, int channelStart, int channelLength, int thumbLength, int minimum, int maximum,
                   int* position);

// The thumb's start along the channel for a position, as the trackbar places it:
// the thumb's centre runs over the channel less half a thumb at either end.
int ThumbStartFor(int position, int minimum, int maximum, int channelStart, int channelLength, int thumbLength);
