#pragma once
// Which playback line each column of the Playback page shows: every column wants a
// kind of line (its component type) and takes the first such line of the playback
// destination that no earlier column took.

#include <vector>

class CMixerDevice;

constexpr int kPlaybackColumnsSix = 6;   // six-channel cards
constexpr int kPlaybackColumnsOther = 9; // every other card
// A column's line: -1 is the destination line itself, 0 and up its sources.
constexpr int kNoPlaybackLine = -2;

// The line of each column, kNoPlaybackLine where none is left. On a six-channel
// card a line whose ID is 0 is never taken.
std::vector<int> AssignPlaybackColumns(CMixerDevice& mixer, bool sixChannel);
