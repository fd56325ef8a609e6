#pragma once
// A control's place in its container, captured once on its first paint so that the
// container can keep it there (or stretch it) when the container is resized.

#include <windows.h>

struct CoolLayout;

// Stores the control's left and top edge, its distances from the parent's right and
// bottom client edges, its width and height (parent client coordinates) and marks
// the record captured. Nothing happens when it is captured already or the control
// has no parent.
void CaptureLayout(HWND control, CoolLayout& layout);
