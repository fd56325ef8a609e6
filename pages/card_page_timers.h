#pragma once
// Timer IDs and periods of the card's own pages (per page window).

#include <windows.h>

constexpr UINT_PTR kEqPeakMeterTimer = 678;   // the EQ page's peak meters
constexpr UINT kEqPeakMeterPeriod = 50;       // milliseconds
constexpr UINT_PTR kSpdifStatusTimer = 789;   // the Digital page's input status
constexpr UINT kSpdifStatusPeriod = 1000;     // milliseconds

static_assert(kEqPeakMeterTimer == 678 && kSpdifStatusTimer == 789, "timer IDs are fixed");
