#pragma once
// Keeping controls in place when their container is resized: each control's
// captured layout record (anchors, margins, size) gives its new rectangle.

#include <windows.h>

struct CoolLayout;

// Layout flag bits.
constexpr int kAnchorLeft = 0x01;
constexpr int kAnchorTop = 0x02;
constexpr int kAnchorRight = 0x04;
constexpr int kAnchorBottom = 0x08;
constexpr int kFixedHeight = 0x10;
constexpr int kFixedWidth = 0x20;

// The control's rectangle in a client area of that size. False when the record is
// not captured (negative flags) or an axis divides by 0; the control then stays
// where it is.
bool AnchoredRect(const CoolLayout& layout, SIZE client, RECT* placed);

// Moves every child that answers WM_COOL_GETLAYOUT with a captured record to its
// anchored place without repainting and invalidates it (without erasing); then
// invalidates the container (erasing).
void LayOutChildren(HWND container);
