#pragma once
// The Record page: a radio (the record source selector's item) and a level fader
// per record source, the microphone's boost, and the echo cancellation mode.
// Built by the main sheet with the card; borrows the card and the sheet's host view.

#include <windows.h>

#include "mixer/controls/mixer_button.h"
#include "mixer/controls/mixer_slider_ex.h"
#include "pages/card_page.h"
#include "pages/record_slots.h"
#include "skin/controls/cool_button.h"
#include "skin/controls/cool_static.h"

class CNVP4PageRecord : public CCardPage {
public:
    static const CRuntimeClass classCNVP4PageRecord;
    const CRuntimeClass* GetRuntimeClass() const override { return &classCNVP4PageRecord; }

    CNVP4PageRecord(CCardMixer* card, CPageHost* host);
    // The dialog template this card gets.
    static UINT TemplateFor(CCardMixer* card);

    BOOL OnInitDialog() override;
    // Shows the card's echo cancellation mode (also after a settings file was loaded).
    void Refresh() override;

    // What the page found when it started.
    const RecordSlots& Slots() const { return m_slots; }
    CMixerButton& SourceRadio(int column) { return m_radios[column]; }
    CMixerSliderEx& Fader(int column) { return m_faders[column]; }
    CMixerButton& Boost() { return m_boost; }
    CCoolButton& AecRadio(DWORD mode) { return m_aec[mode]; }

protected:
    void DoDataExchange() override;
    bool OnClicked(UINT id) override;

private:
    void BindFader(int column);
    void BindBoost();
    void BindRadio(int column);
    void ShowSlotTexts();
    void DisableUnusedColumns();

    CCoolStatic m_frame;
    CCoolStatic m_aecArea;
    CCoolStatic m_aecFrame;
    CMixerButton m_radios[kRecordSlotCount];
    CMixerSliderEx m_faders[kRecordSlotCount];
    CMixerButton m_boost;
    CCoolButton m_aec[3]; // by mode: never, auto, always
    RecordSlots m_slots;
};
