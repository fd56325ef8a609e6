#include "pages/eq_meter.h"

#include <algorithm>
#include <cmath>

int EqMeterValue(DWORD level)
{
    // 9/32768: a level of 32768 comes to 200, the whole slider.
    const double scaled = 200.0 * std::log10(static_cast<double>(level) * 0.000274658203125 + 1.0);
    // The nudge keeps whole results whole where the 32-bit build's extended
    // precision lands a hair below them (32768 gives 199.999... there).
    const int value = kEqMeterSilence - static_cast<int>(scaled + 1e-9);
    return std::clamp(value, kEqMeterFull, kEqMeterSilence);
}

int EqNextPeakMark(int previousMark, int meterValue)
{
    return std::min(previousMark + 1, meterValue);
}
