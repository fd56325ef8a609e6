#pragma once
// The EQ page: the card's equalizer, its presets and its ten bands. Every change
// goes at once to the card, which writes the registry and tells the driver; the
// peak meters follow the driver's levels every 50 ms while the page is seen.
// Built by the main sheet with the card; borrows the card and the sheet's host
// view. Owns its controls and its tooltip window (destroyed with the page).

#include <windows.h>

#include <string>

#include "pages/card_page.h"
#include "pages/named_preset_editor.h"
#include "pages/visible_timer.h"
#include "skin/controls/audio_slider.h"
#include "skin/controls/cool_button.h"
#include "skin/controls/cool_static.h"

class CNVP4PageEQ : public CCardPage, private CNamedPresets {
public:
    static const CRuntimeClass classCNVP4PageEQ;
    const CRuntimeClass* GetRuntimeClass() const override { return &classCNVP4PageEQ; }

    // The page always shows ten bands; a card with fewer ignores the others.
    static constexpr int kBandCount = 10;

    CNVP4PageEQ(CCardMixer* card, CPageHost* host);

    BOOL OnInitDialog() override;
    bool OnDeactivate() override;
    void Refresh() override;
    void OnSheetVisible(bool visible) override;

    bool IsModified() const { return m_presets.IsModified(); }
    bool IsNewName() const { return m_presets.IsNewName(); }
    bool IsPeakTimerRunning() const { return m_peakTimer.IsRunning(); }
    bool IsPeakTimerWanted() const { return m_peakTimer.IsWanted(); }
    CAudioSlider& Band(int band) { return m_bands[band]; }
    // The tooltip text of a control: the string whose ID is the control's.
    static std::string TipTextFor(UINT controlId);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DoDataExchange() override;
    bool OnClicked(UINT id) override;
    bool OnCommand(UINT id, UINT code) override;

private:
    // CNamedPresets: the card's equalizer presets.
    int PresetCount() const override;
    const char* PresetName(int index) const override;
    const char* CurrentPresetName() const override;
    bool IsPresetUnchanged() override;
    void LoadPreset(const char* name) override;
    bool SavePreset(const char* name) override;
    void DeletePreset(const char* name) override;

    void EnableBandControls(bool enable);
    void ShowGains();
    void ShowGain(int band, int gain);
    void CreateTooltip();

    void OnEnableClicked();
    void OnPeakMetersClicked();
    void OnBandScrolled(HWND slider);
    bool OnTooltipText(NMHDR* header);

    void UpdatePeakMeters();
    void ShowSilence();
    void OnPeakTick();

    CCoolButton m_frame, m_enable, m_peakMeters, m_presetsFrame;
    CNamedPresetEditor m_presets;
    CAudioSlider m_bands[kBandCount];
    CCoolStatic m_frequencies[kBandCount];
    CCoolStatic m_gains[kBandCount];
    CCoolStatic m_scale[6];

    CVisibleTimer m_peakTimer;
    int m_peakMarks[kBandCount] = {};
    HWND m_tooltip = nullptr;
    std::string m_tipText;
    std::wstring m_tipWide;
};
