#include "skin/controls/slider_redraw.h"

bool StylesChanged(const SliderSnapshot& before, const SliderSnapshot& now)
{
    return before.style != now.style || before.exStyle != now.exStyle;
}

uint8_t RedrawBitsForChange(const SliderSnapshot& before, const SliderSnapshot& now)
{
    if (StylesChanged(before, now) || before.minimum != now.minimum || before.maximum != now.maximum)
        return kRedrawAll;
    uint8_t bits = 0;
    if (before.position != now.position)
        bits |= kRedrawOwnBackground | kRedrawTicks;
    if (before.selectionStart != now.selectionStart || before.selectionEnd != now.selectionEnd)
        bits |= kRedrawChannel | kRedrawMeterBars;
    return bits;
}
