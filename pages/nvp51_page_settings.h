#pragma once
// The 3D Settings page: the speaker configuration, the 3D options, and one of two
// modes: source positioning (the card's 19 sources on a positioner, kept in named
// schemes) or speaker test (one button per speaker playing the test sound there).
// Built by the main sheet with the card; borrows the card and the sheet's host
// view; owns its control objects.

#include <windows.h>

#include <string>

#include "pages/card_page.h"
#include "pages/named_preset_editor.h"
#include "skin/controls/cool_button.h"
#include "skin/controls/cool_combo_box.h"
#include "skin/positioner/c2d_positioner.h"

class CNVP51PageSettings : public CCardPage, private CNamedPresets {
public:
    static const CRuntimeClass classCNVP51PageSettings;
    const CRuntimeClass* GetRuntimeClass() const override { return &classCNVP51PageSettings; }

    static constexpr int kSpeakerButtonCount = 6;
    // The error message of a failed restart; %i is the step that failed.
    static constexpr const char* kRestartFailedFormat = "Error restarting. %i failed.\nUse Ctrl+Alt+del to restart.";
    // When a speaker configuration's string is missing.
    static constexpr const char* kFallbackSix = "5.1 Mode (6 Speakers)";
    static constexpr const char* kFallbackQuad = "Quad Mode (4 Speakers)";
    static constexpr const char* kFallbackStereo = "Stereo Mode (2 Speakers)";
    static constexpr const char* kFallbackPhones = "Headphones";

    CNVP51PageSettings(CCardMixer* card, CPageHost* host);

    BOOL OnInitDialog() override;
    void DoDataExchange() override;
    void Refresh() override;

    bool IsTestMode() const { return m_testMode != 0; }
    bool IsNewName() const { return m_schemes.IsNewName(); }
    bool IsModified() const { return m_schemes.IsModified(); }
    C2dPositioner& GetPositioner() { return m_positioner; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnClicked(UINT id) override;
    bool OnCommand(UINT id, UINT code) override;

private:
    struct SpeakerButton {
        int id;
        UINT normalBitmap;
        UINT playingBitmap;
        DWORD channelMask;
    };
    static const SpeakerButton kSpeakerButtons[kSpeakerButtonCount];

    // Initialisation.
    void ArrangeOptionBoxes();
    void FillSpeakerList();
    void SetUpSpeakerButtons();
    void SetUpPositioner();

    // Refresh pieces.
    void RefreshOptions();
    void ShowTestMode();
    void ShowPositioningMode();

    // Handlers.
    void OnSpeakerConfig();
    void On3DOptions();
    void OnRestart();
    void OnSpeakerButton(int index);
    void StopSpeaker(int index);

    // Schemes and the positioner (nvp51_page_settings_schemes.cpp).
    void LoadScheme(const char* name);
    void StorePositions(const char* name);
    void StoreOnePosition(int index);
    void ReadPositions(BYTE* balance, BYTE* fader);
    void ShowSharedItem(bool shared);
    void OnPositionerSelChange(int index);
    void OnPositionerDrop(int index);
    // CNamedPresets: the card's positioning schemes.
    int PresetCount() const override;
    const char* PresetName(int index) const override;
    const char* CurrentPresetName() const override;
    bool IsPresetUnchanged() override;
    void LoadPreset(const char* name) override;
    bool SavePreset(const char* name) override;
    void DeletePreset(const char* name) override;
    void OnStoredNameTyped(const char* name) override;

    CCoolComboBox m_speakerList;
    CNamedPresetEditor m_schemes;
    CCoolButton m_speakerFrame;
    CCoolButton m_audioFrame;
    CCoolButton m_options[6];
    CCoolButton m_restart;
    CCoolButton m_modeTest;
    CCoolButton m_modePositioning;
    CCoolButton m_speakers[kSpeakerButtonCount];
    C2dPositioner m_positioner;

    int m_testMode = 0;
    DWORD m_initialSensaura = 0;
};
