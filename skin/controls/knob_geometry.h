#pragma once
// The rotary knob's arithmetic: the angle of a point around the knob's centre, the
// position a rotary or a linear drag gives, and where the pointer mark sits.
//
// Angles run clockwise from the top (0 at 12 o'clock, pi/2 at 3 o'clock) before the
// start angle is taken off.

#include <windows.h>

// atan2(centre x - x, y - centre y) + pi - start angle, within 0 ... 2 pi.
double KnobAngle(POINT point, POINT centre, double startAngle);

// Rotary drag: the position for a point; false outside the sweep or for a
// zero-length range.
bool RotaryPosition(POINT point, POINT centre, double startAngle, double sweepAngle, int minimum, int maximum,
                    int* position);

// Linear drag: moving up by client height / (maximum - minimum) pixels (at least 1)
// adds one unit; beyond the range the position wraps round or stops at the end.
// A zero-length range keeps the start position.
int LinearPosition(int startPosition, int startY, int y, int clientHeight, int minimum, int maximum, bool wrap);

// The pointer mark's outer end for a position, at the given radius.
POINT PointerEnd(POINT centre, int radius, double startAngle, double sweepAngle, int position, int minimum,
                 int maximum);
