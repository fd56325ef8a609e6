#include "skin/scheme/cool_contrast.h"

#include <algorithm>
#include <cmath>

namespace {

// One sRGB channel, 0-255, as linear light.
double LinearChannel(int value)
{
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

double RelativeLuminance(COLORREF color)
{
    return 0.2126 * LinearChannel(GetRValue(color)) + 0.7152 * LinearChannel(GetGValue(color))
        + 0.0722 * LinearChannel(GetBValue(color));
}

double ContrastRatio(COLORREF first, COLORREF second)
{
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

COLORREF MostContrasting(COLORREF face, std::initializer_list<COLORREF> candidates)
{
    COLORREF best = face;
    double bestRatio = 0;
    for (COLORREF candidate : candidates) {
        const double ratio = ContrastRatio(face, candidate);
        if (ratio > bestRatio) {
            best = candidate;
            bestRatio = ratio;
        }
    }
    return best;
}
