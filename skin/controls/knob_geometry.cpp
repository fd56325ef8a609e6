#include "skin/controls/knob_geometry.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2 * kPi;

} // namespace

double KnobAngle(POINT point, POINT centre, double startAngle)
{
    double angle = std::atan2(static_cast<double>(centre.x - point.x), static_cast<double>(point.y - centre.y)) + kPi -
                   startAngle;
    angle = std::fmod(angle, kTwoPi);
    if (angle < 0)
        angle += kTwoPi;
    return angle;
}

bool RotaryPosition(POINT point, POINT centre, double startAngle, double sweepAngle, int minimum, int maximum,
                    int* position)
{
    if (maximum <= minimum || sweepAngle <= 0)
        return false;
    // A hair of tolerance, so that points exactly at the ends of the sweep or at
    // whole positions are not lost to rounding of pi.
    constexpr double kTolerance = 1e-9;
    const double angle = KnobAngle(point, centre, startAngle);
    if (angle > sweepAngle + kTolerance)
        return false;
    const double span = static_cast<double>(maximum) - minimum;
    *position = std::min(maximum, minimum + static_cast<int>(angle / sweepAngle * span + kTolerance));
    return true;
}

int LinearPosition(int startPosition, int startY, int y, int clientHeight, int minimum, int maximum, bool wrap)
{
    if (maximum <= minimum)
        return startPosition;
    const long long span = static_cast<long long>(maximum) - minimum;
    const long long pixelsPerUnit = std::max<long long>(clientHeight / span, 1);
    const long long moved = startPosition + (static_cast<long long>(startY) - y) / pixelsPerUnit;
    if (!wrap)
        return static_cast<int>(std::clamp(moved, static_cast<long long>(minimum), static_cast<long long>(maximum)));
    const long long count = span + 1;
    const long long within = ((moved - minimum) % count + count) % count;
    return static_cast<int>(minimum + within);
}

POINT PointerEnd(POINT centre, int radius, double startAngle, double sweepAngle, int position, int minimum,
                 int maximum)
{
    double fraction = 0;
    if (maximum > minimum)
        fraction = std::clamp((static_cast<double>(position) - minimum) / (static_cast<double>(maximum) - minimum), 0.0, 1.0);
    const double angle = startAngle + fraction * sweepAngle;
    return POINT{centre.x + static_cast<LONG>(std::lround(std::sin(angle) * radius)),
                 centre.y - static_cast<LONG>(std::lround(std::cos(angle) * radius))};
}
