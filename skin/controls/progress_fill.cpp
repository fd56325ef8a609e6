#include "skin/controls/progress_fill.h"

int ProgressFilledLength(int position, int low, int high, int length)
{
    if (high <= low || length <= 0 || position <= low)
        return 0;
    if (position >= high)
        return length;
    const double fraction = (static_cast<double>(position) - low) / (static_cast<double>(high) - low);
    return static_cast<int>(fraction * length);
}
