#include "skin/controls/slider_geometry.h"

#include <commctrl.h>

#include <algorithm>

#include "skin/scheme/cool_colors.h"

int AlongStart(const RECT& rect, bool vertical) { return vertical ? rect.top : rect.left; }
int AlongEnd(const RECT& rect, bool vertical) { return vertical ? rect.bottom : rect.right; }
int AcrossStart(const RECT& rect, bool vertical) { return vertical ? rect.left : rect.top; }
int AcrossEnd(const RECT& rect, bool vertical) { return vertical ? rect.right : rect.bottom; }

RECT AxisRect(bool vertical, int alongStart, int alongEnd, int acrossStart, int acrossEnd)
{
    return vertical ? RECT{acrossStart, alongStart, acrossEnd, alongEnd} : RECT{alongStart, acrossStart, alongEnd, acrossEnd};
}

int ValueOffset(int value, int minimum, int maximum, int length)
{
    if (maximum <= minimum || length <= 0)
        return 0;
    // 64-bit: ranges of the mixer reach 65535 and lengths a few thousand pixels.
    const long long span = static_cast<long long>(maximum) - minimum;
    const long long from = std::clamp(static_cast<long long>(value) - minimum, 0LL, span);
    return static_cast<int>(from * length / span);
}

int TickStrips(const RECT& client, const RECT& thumb, const RECT& channel, DWORD style, RECT strips[2])
{
    const bool vertical = (style & TBS_VERT) != 0;
    const int thumbLength = AlongEnd(thumb, vertical) - AlongStart(thumb, vertical);
    const int alongStart = AlongStart(channel, vertical) + thumbLength / 2;
    const int alongEnd = AlongEnd(channel, vertical) - thumbLength / 2;
    if (alongEnd < alongStart)
        return 0;
    const bool nearSide = (style & (TBS_BOTH | TBS_LEFT)) != 0; // left of / above the thumb
    const bool farSide = (style & TBS_BOTH) != 0 || (style & TBS_LEFT) == 0;
    int count = 0;
    if (nearSide) {
        const int outer = std::max(AcrossStart(thumb, vertical) - 6, AcrossStart(client, vertical) + 4);
        const int inner = AcrossStart(thumb, vertical);
        if (outer < inner)
            strips[count++] = AxisRect(vertical, alongStart, alongEnd, outer, inner);
    }
    if (farSide) {
        const int inner = AcrossEnd(thumb, vertical);
        const int outer = std::min(AcrossEnd(thumb, vertical) + 6, AcrossEnd(client, vertical) - 4);
        if (inner < outer)
            strips[count++] = AxisRect(vertical, alongStart, alongEnd, inner, outer);
    }
    return count;
}

int TickRole(int value, int minimum, int maximum, int position)
{
    if (maximum <= minimum)
        return CCOL_TEXT;
    return value >= position ? CCOL_TEXT : CCOL_TEXTDISABLED;
}

std::vector<TickMark> LayoutTicks(int numTics, const DWORD* tics, int minimum, int maximum, int position, int length)
{
    std::vector<TickMark> marks;
    if (numTics <= 0 || length < 0)
        return marks;
    const bool emptyRange = maximum <= minimum;
    marks.push_back({0, !emptyRange && position > minimum ? CCOL_TEXTDISABLED : CCOL_TEXT});
    marks.push_back({length, CCOL_TEXT});
    if (tics == nullptr)
        return marks;
    for (int i = 0; i < numTics - 2; ++i) {
        const int value = static_cast<int>(tics[i]);
        marks.push_back({ValueOffset(value, minimum, maximum, length), TickRole(value, minimum, maximum, position)});
    }
    return marks;
}

void SplitMeter(const RECT& meter, bool vertical, RECT* first, RECT* second)
{
    const int start = AcrossStart(meter, vertical);
    const int end = AcrossEnd(meter, vertical);
    const int middle = start + (end - start) / 2;
    *first = AxisRect(vertical, AlongStart(meter, vertical), AlongEnd(meter, vertical), start, middle);
    *second = AxisRect(vertical, AlongStart(meter, vertical), AlongEnd(meter, vertical), middle, end);
}

RECT LevelLitPart(const RECT& half, bool vertical, int level, int minimum, int maximum)
{
    if (maximum <= minimum)
        return RECT{};
    const int start = AlongStart(half, vertical);
    const int end = AlongEnd(half, vertical);
    const int from = start + ValueOffset(level, minimum, maximum, end - start);
    if (from >= end)
        return RECT{};
    return AxisRect(vertical, from, end, AcrossStart(half, vertical), AcrossEnd(half, vertical));
}

RECT SelectionLitPart(const RECT& meter, bool vertical, int start, int end, int minimum, int maximum)
{
    if (maximum <= minimum)
        return RECT{};
    const int alongStart = AlongStart(meter, vertical);
    const int length = AlongEnd(meter, vertical) - alongStart;
    const int from = alongStart + ValueOffset(std::min(start, end), minimum, maximum, length);
    const int to = alongStart + ValueOffset(std::max(start, end), minimum, maximum, length);
    if (from >= to)
        return RECT{};
    return AxisRect(vertical, from, to, AcrossStart(meter, vertical), AcrossEnd(meter, vertical));
}

bool PeakLine(const RECT& meter, bool vertical, int peak, int minimum, int maximum, RECT* line)
{
    if (maximum <= minimum || peak < minimum || peak > maximum)
        return false;
    const int start = AlongStart(meter, vertical);
    const int end = AlongEnd(meter, vertical);
    if (end - start < 2)
        return false;
    // Two pixels, kept inside the meter at its ends.
    const int at = std::min(start + ValueOffset(peak, minimum, maximum, end - start), end - 2);
    *line = AxisRect(vertical, at, at + 2, AcrossStart(meter, vertical), AcrossEnd(meter, vertical));
    return true;
}

bool ClickPosition(int click, int channelStart, int channelLength, int thumbLength, int minimum, int maximum,
                   int* position)
{
    const int divisor = channelLength - thumbLength / 2;
    if (maximum <= minimum || divisor <= 0 || click < channelStart || click > channelStart + channelLength)
        return false;
    const long long span = static_cast<long long>(maximum) - minimum;
    const long long jump = minimum + span * (click - channelStart) / divisor;
    *position = static_cast<int>(std::clamp(jump, static_cast<long long>(minimum), static_cast<long long>(maximum)));
    return true;
}

int ThumbStartFor(int position, int minimum, int maximum, int channelStart, int channelLength, int thumbLength)
{
    const int travel = std::max(channelLength - thumbLength, 0);
    return channelStart + ValueOffset(position, minimum, maximum, travel);
}
