#pragma once
// The Digital page: the S/PDIF input and output of the card. The input's mode,
// its live status (read once a second while the input is on and the page is
// seen), its volume and mute (bound to the mixer's S/PDIF input line), the
// output's source and its copy bit.
// Built by the main sheet with the card; borrows the card and the sheet's host view.

#include <windows.h>

#include "mixer/controls/mixer_button.h"
#include "mixer/controls/mixer_slider_ex.h"
#include "pages/card_page.h"
#include "pages/visible_timer.h"
#include "skin/controls/cool_button.h"
#include "skin/controls/cool_static.h"

class CNVP4PageDigital : public CCardPage {
public:
    static const CRuntimeClass classCNVP4PageDigital;
    const CRuntimeClass* GetRuntimeClass() const override { return &classCNVP4PageDigital; }

    CNVP4PageDigital(CCardMixer* card, CPageHost* host);

    BOOL OnInitDialog() override;
    void Refresh() override;
    void OnSheetVisible(bool visible) override;

    bool IsStatusTimerRunning() const { return m_statusTimer.IsRunning(); }
    bool IsStatusTimerWanted() const { return m_statusTimer.IsWanted(); }
    CMixerSliderEx& InputVolume() { return m_volume; }
    CMixerButton& InputMute() { return m_mute; }
    // One status tick, as the timer runs it.
    void TickStatus();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DoDataExchange() override;
    bool OnClicked(UINT id) override;

private:
    void BindInputLine();
    void UpdateStatusControls();
    void SetInputRadios();
    void UpdateOutputControls();

    CCoolButton m_inFrame, m_inOn, m_inAuto, m_inOff;
    CCoolButton m_statusFrames[3];
    CCoolStatic m_statusTexts[3];
    CMixerSliderEx m_volume;
    CMixerButton m_mute;
    CCoolButton m_outFrame, m_outMix, m_outDirect, m_outDvd, m_outOff, m_copyBit, m_outEmphasis;
    CVisibleTimer m_statusTimer;
};
