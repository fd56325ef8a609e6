#pragma once
// How well a text colour reads on a face: the contrast ratio of the two colours'
// relative luminances (1 : 1 for equal colours up to 21 : 1 for black on white).

#include <windows.h>

#include <initializer_list>

// A ratio at which text of the usual sizes reads well.
constexpr double kReadableContrast = 4.5;

double RelativeLuminance(COLORREF color);
double ContrastRatio(COLORREF first, COLORREF second);
// The candidate that contrasts most with the face; the earlier one on a tie.
COLORREF MostContrasting(COLORREF face, std::initializer_list<COLORREF> candidates);
