#include "skin/scheme/cool_colors.h"

#include <algorithm>

COLORREF ScaleColor(COLORREF color, float factor)
{
    const unsigned channels[3] = {GetRValue(color), GetGValue(color), GetBValue(color)};
    unsigned short scaled[3];
    unsigned short excess = 0;
    for (int i = 0; i < 3; ++i) {
        scaled[i] = static_cast<unsigned short>(static_cast<int>(static_cast<float>(channels[i]) * factor + 0.5f));
        excess = static_cast<unsigned short>(excess + (std::max<unsigned>(scaled[i], 255) - 255));
    }
    const unsigned share = excess / 3u;
    unsigned result[3];
    for (int i = 0; i < 3; ++i)
        result[i] = std::min<unsigned>(scaled[i] + share, 255);
    return RGB(result[0], result[1], result[2]);
}
