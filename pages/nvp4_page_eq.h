#pragma once
// The EQ page: the card's equalizer, its presets and its ten bands. Every change
// goes at once to the card, which writes the registry and tells the driver; the
// peak meters follow the driver's levels every 50 ms while the page is seen.
// Built by the main sheet with the card; borrows the card and the sheet's host
// view. Owns its controls and its tooltip window (destroyed with the page).

#include <windows.h>

#include <string>

#include "pages/card_page.h"
#include "pages/visible_timer.h"
#include "skin/controls/audio_slider.h"
#include "skin/controls/cool_button.h"
#include "skin/controls/cool_combo_box.h"
#include "skin/controls/cool_static.h"

class CNVP4PageEQ : public CCardPage {
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

    bool IsModified() const { return m_modified; }
    bool IsNewName() const { return m_newName; }
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
    void EnableBandControls(bool enable);
    void FillPresets();
    // Selects the current set's entry; -1 when the list has none of that name.
    int SelectCurrentSet();
    void ShowGains();
    void ShowGain(int band, int gain);
    void EnableDeleteByCount();
    void CreateTooltip();

    void OnEnableClicked();
    void OnPeakMetersClicked();
    void OnBandScrolled(HWND slider);
    void OnPresetTextChanged();
    void LoadSelectedPreset();
    void OnAdd();
    void OnSave();
    void OnDelete();
    void OnRestore();
    // The entry the edit field names exactly, made the selection; else the selection.
    int ChosenPreset();
    bool OnTooltipText(NMHDR* header);

    void UpdatePeakMeters();
    void ShowSilence();
    void OnPeakTick();

    CCoolButton m_frame, m_enable, m_peakMeters, m_presetsFrame, m_add, m_save, m_delete, m_restore;
    CCoolComboBox m_presets;
    CAudioSlider m_bands[kBandCount];
    CCoolStatic m_frequencies[kBandCount];
    CCoolStatic m_gains[kBandCount];
    CCoolStatic m_scale[6];

    bool m_modified = false;
    bool m_newName = false;
    CVisibleTimer m_peakTimer;
    int m_peakMarks[kBandCount] = {};
    HWND m_tooltip = nullptr;
    std::string m_tipText;
    std::wstring m_tipWide;
};
