#include "pages/eq_band_scale.h"

#include <cstdio>

std::string EqGainLabel(int gain)
{
    char text[16];
    std::snprintf(text, sizeof(text), "%3i dB", gain);
    return text;
}
