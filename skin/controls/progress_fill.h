#pragma once
// How much of a progress bar is filled.

// (position - low) / (high - low) x length, in floating point, truncated and kept
// within 0 ... length; 0 for an empty or reversed range.
int ProgressFilledLength(int position, int low, int high, int length);
