#include "skin/positioner/positioner_mapping.h"

namespace {

// In floating point, then truncated toward zero as the positions were always rounded.
int ToPixel(int value, int minimum, int maximum, int extent)
{
    if (maximum == minimum || extent == 0)
        return 0;
    return static_cast<int>(static_cast<double>(value - minimum) * extent / (maximum - minimum) + 0.5);
}

int ToLogical(int pixel, int minimum, int maximum, int extent)
{
    if (maximum == minimum || extent == 0)
        return minimum;
    const double pixelsPerUnit = static_cast<double>(extent) / (maximum - minimum);
    return static_cast<int>(pixel / pixelsPerUnit + 0.5) + minimum;
}

} // namespace

POINT LogicalToClient(const PositionerRange& range, int width, int height, POINT logical)
{
    return {ToPixel(logical.x, range.xMin, range.xMax, width), ToPixel(logical.y, range.yMin, range.yMax, height)};
}

POINT ClientToLogical(const PositionerRange& range, int width, int height, POINT client)
{
    return {ToLogical(client.x, range.xMin, range.xMax, width), ToLogical(client.y, range.yMin, range.yMax, height)};
}
