#include "mixer/controls/fader_arithmetic.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr int64_t kLargestValue = 0xFFFFFFFFLL;
constexpr int kTickRowsPerHeight = 12;
constexpr int kMeterTickRows = 6;

DWORD ToValue(int64_t value)
{
    return static_cast<DWORD>(std::clamp<int64_t>(value, 0, kLargestValue));
}

// Rounds to single precision: on x87 a float may otherwise keep the extended
// precision of the registers, and the balance would differ by build.
float Single(float value)
{
    volatile float stored = value;
    return stored;
}

DWORD Nearest(double value)
{
    // Truncation of value + 0.5; values here are never negative.
    return ToValue(static_cast<int64_t>(value + 0.5));
}

} // namespace

int64_t VolumeSpan(const MIXERCONTROLA& control)
{
    return static_cast<int64_t>(control.Bounds.dwMaximum) - static_cast<int64_t>(control.Bounds.dwMinimum);
}

int64_t ValuePerPosition(int64_t span, int maximum)
{
    if (span <= 0 || maximum <= 0)
        return 0;
    return span / maximum;
}

int PositionOfValue(DWORD value, int64_t valuePerPosition, int maximum)
{
    if (valuePerPosition <= 0 || maximum <= 0)
        return 0;
    const int64_t position = static_cast<int64_t>(maximum) - static_cast<int64_t>(value) / valuePerPosition;
    return static_cast<int>(std::clamp<int64_t>(position, 0, maximum));
}

DWORD ValueOfPosition(int position, int64_t valuePerPosition, int maximum)
{
    return ToValue((static_cast<int64_t>(maximum) - position) * valuePerPosition);
}

DWORD VolumeOfPosition(int position, int64_t span, int maximum)
{
    if (maximum <= 0)
        return 0;
    return ToValue((static_cast<int64_t>(maximum) - position) * span / maximum);
}

int BalancePosition(DWORD left, DWORD right, int maximum)
{
    if (left == 0 && right == 0)
        return 0;
    const float balance = Single(left < right ? 1.0f - static_cast<float>(left) / static_cast<float>(right)
                                              : static_cast<float>(right) / static_cast<float>(left) - 1.0f);
    // Rounded, not cut off: a position written by ChannelsAtBalance reads back as
    // itself, else one step of the keys (or of a slow drag) springs back.
    return static_cast<int>(std::lround(Single(static_cast<float>(maximum) * balance)));
}

ChannelPair ChannelsAtBalance(DWORD volume, int position, int maximum)
{
    const double x = maximum > 0 ? static_cast<double>(position) / maximum : 0.0;
    if (x >= 0)
        return {Nearest((1.0 - x) * volume), volume};
    return {volume, Nearest((x + 1.0) * volume)};
}

int MeterTarget(int64_t value, int64_t peak, int lo, int hi)
{
    if (peak <= 0 || hi <= lo)
        return hi;
    const int64_t magnitude = value < 0 ? -value : value;
    const int64_t target = hi - (static_cast<int64_t>(hi) - lo) * magnitude / peak;
    return static_cast<int>(std::clamp<int64_t>(target, lo, hi));
}

int MeterStep(int shown, int target)
{
    if (target < shown)
        return target;
    const int64_t fallen = static_cast<int64_t>(shown) + kMeterFallPerPoll;
    return static_cast<int>(std::min<int64_t>(fallen, target));
}

int FaderTickFrequency(DWORD steps, int height)
{
    const int rows = height / kTickRowsPerHeight;
    if (rows < 0 || steps <= static_cast<DWORD>(rows))
        return 1;
    return static_cast<int>(std::min<DWORD>(steps / static_cast<DWORD>(std::max(rows, 1)), INT_MAX));
}

int MeterTickFrequency(int height)
{
    const int divisor = std::max(height / kMeterTickRows, 1);
    return std::max(height / divisor, 1);
}

int StepsMaximum(DWORD steps)
{
    return static_cast<int>(std::min<int64_t>(static_cast<int64_t>(steps) - 1, INT_MAX));
}
