#pragma once
// A skinned slider with a stereo level meter in its channel: two levels (A in the
// first half of the channel, B in the second) lit from the level to the maximum's
// end, and a peak marker. The owner writes the levels and the peak and invalidates
// the control; the meter shows while the slider has TBS_ENABLESELRANGE.

#include "skin/controls/cool_slider_ctrl.h"

class CAudioSlider : public CCoolSliderCtrl {
public:
    static const CRuntimeClass classCAudioSlider;
    const CRuntimeClass* GetRuntimeClass() const override { return &classCAudioSlider; }

    // Option bits.
    static constexpr unsigned kShowPeak = 1u;        // draw the peak marker
    static constexpr unsigned kPeakMoved = 2u;       // internal: peak changed since the last paint
    static constexpr unsigned kRightClickMeter = 4u; // a right click turns the meter on or off

    CAudioSlider() = default;

    // Sets the range and both levels to its maximum (nothing lit).
    void SetRange(int minimum, int maximum, bool redraw = false);
    void SetLevels(int levelA, int levelB)
    {
        m_levelA = levelA;
        m_levelB = levelB;
    }
    int GetLevelA() const { return m_levelA; }
    int GetLevelB() const { return m_levelB; }
    void SetPeak(int peak);
    int GetPeak() const { return m_peak; }
    // The internal bit is kept; showing or hiding the peak marker counts as a move.
    void SetOptions(unsigned options);
    unsigned GetOptions() const { return m_options; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DrawMeter(CCoolDC& layer, CCoolBlitSource& source, const Parts& parts) override;
    uint8_t ReadOwnChanges() override;
    void OnPressPassedOn(POINT point) override;

private:
    int32_t m_peak = 0;
    int32_t m_levelA = 0;
    int32_t m_levelB = 0;
    int32_t m_drawnA = 0;
    int32_t m_drawnB = 0;
    unsigned m_options = kRightClickMeter;
};
