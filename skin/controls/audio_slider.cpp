#include "skin/controls/audio_slider.h"

#include <algorithm>

#include "skin/draw/cool_dc.h"
#include "skin/controls/slider_geometry.h"

const CRuntimeClass CAudioSlider::classCAudioSlider("CAudioSlider", &CCoolSliderCtrl::classCCoolSliderCtrl);

void CAudioSlider::SetRange(int minimum, int maximum, bool redraw)
{
    CSliderCtrl::SetRange(minimum, maximum, redraw);
    m_levelA = maximum;
    m_levelB = maximum;
}

void CAudioSlider::SetPeak(int peak)
{
    if (peak != m_peak)
        m_options |= kPeakMoved;
    m_peak = peak;
}

void CAudioSlider::SetOptions(unsigned options)
{
    const unsigned moved = ((options ^ m_options) & kShowPeak) ? kPeakMoved : 0;
    m_options = (options & ~kPeakMoved) | (m_options & kPeakMoved) | moved;
}

uint8_t CAudioSlider::ReadOwnChanges()
{
    const bool changed = m_levelA != m_drawnA || m_levelB != m_drawnB || (m_options & kPeakMoved);
    m_drawnA = m_levelA;
    m_drawnB = m_levelB;
    m_options &= ~kPeakMoved;
    return changed ? kRedrawMeterBars : 0;
}

void CAudioSlider::DrawMeter(CCoolDC& layer, CCoolBlitSource& source, const Parts& parts)
{
    const SliderSnapshot& state = LastSeen();
    RECT first;
    RECT second;
    SplitMeter(parts.meter, parts.vertical, &first, &second);
    CopyLitPart(layer, source, LevelLitPart(first, parts.vertical, m_levelA, state.minimum, state.maximum), parts.meter);
    CopyLitPart(layer, source, LevelLitPart(second, parts.vertical, m_levelB, state.minimum, state.maximum), parts.meter);
    RECT line;
    if ((m_options & kShowPeak) && PeakLine(parts.meter, parts.vertical, m_peak, state.minimum, state.maximum, &line))
        layer.FillSolidRect(line, m_colors[CCOL_PEAKHIGH]);
}

LRESULT CAudioSlider::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_RBUTTONDOWN && (m_options & kRightClickMeter)) {
        const DWORD style = GetStyle();
        ModifyStyle(style & TBS_ENABLESELRANGE, ~style & TBS_ENABLESELRANGE);
        Invalidate(false);
    }
    return CCoolSliderCtrl::WindowProc(message, wParam, lParam);
}

void CAudioSlider::OnPressPassedOn(POINT point)
{
    SliderSnapshot state = ReadSnapshot();
    const Parts parts = ReadParts(state);
    if (PtInRect(&parts.thumb, point))
        return;
    const bool vertical = parts.vertical;
    // Across: anywhere on the thumb's path; along: within the channel.
    const int across = vertical ? point.x : point.y;
    const int acrossStart = std::min(AcrossStart(parts.channel, vertical), AcrossStart(parts.thumb, vertical));
    const int acrossEnd = std::max(AcrossEnd(parts.channel, vertical), AcrossEnd(parts.thumb, vertical));
    if (across < acrossStart || across >= acrossEnd)
        return;
    const int channelStart = AlongStart(parts.channel, vertical);
    int position = 0;
    if (ClickPosition(vertical ? point.y : point.x, channelStart, AlongEnd(parts.channel, vertical) - channelStart,
                      AlongEnd(parts.thumb, vertical) - AlongStart(parts.thumb, vertical), state.minimum,
                      state.maximum, &position))
        SetPos(position);
}
