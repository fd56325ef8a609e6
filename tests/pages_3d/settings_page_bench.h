#pragma once
// The 3D Settings page in a sheet of its own on a simulated card, with the main
// sheet's side played by a host that drives a real speaker test against the
// simulated sound system.
#include "app/speaker_test.h"
#include "mixer/controls/mixer_property_sheet.h"
#include "pages/nvp51_page_settings.h"
#include "pages/page_host.h"
#include "simcard/sim_sound_system.h"
#include "support/card_bench.h"

#include <memory>
#include <string>

class SpeakerHost : public CPageHost {
public:
    SpeakerHost(CSpeakerTest& sound, CCardMixer& card) : m_sound(sound), m_card(card) {}
    bool RegisterHotkeys(bool) override { return true; }
    bool LoadSettingsFile() override { return false; }
    bool SaveSettingsFile() override { return false; }
    void StartTestSpeaker(DWORD mask) override;
    void StopTestSpeaker(DWORD mask) override;
    void ApplySpeakerMode(DWORD config) override;
    const char* SpeakerPicturePath() const override { return picture.c_str(); }
    int PictureBlendLevel() const override { return blendLevel; }

    std::string picture;
    int blendLevel = 200;

private:
    CSpeakerTest& m_sound;
    CCardMixer& m_card;
};

class SettingsSheet : public CMixerPropertySheet {
public:
    SettingsSheet(CCardMixer& card, CPageHost& host);
    bool AddMixerPages() override { return AddPage(&page); }

    CNVP51PageSettings page;
};

class SettingsPageBench {
public:
    // A card of that model whose schemes are "Default" (all sources in front,
    // current) and "Wide" (sources spread); nothing is open yet.
    explicit SettingsPageBench(SimCardModel model);
    ~SettingsPageBench();
    // The sheet with the page, and the speaker test on the sheet's window.
    bool Open(const std::string& picture = std::string());

    CNVP51PageSettings& Page() { return m_sheet->page; }
    HWND Item(int id) { return GetDlgItem(Page().m_hWnd, id); }
    bool Shown(int id);
    bool Enabled(int id) { return IsWindowEnabled(Item(id)) != FALSE; }
    bool Checked(int id) { return IsDlgButtonChecked(Page().m_hWnd, id) == BST_CHECKED; }
    // As the user does it: a click, a choice in a list, typing into the scheme field.
    void Click(int id);
    void Choose(int comboId, int index);
    void Type(const char* text);
    // The positioner's client pixel of a logical position.
    POINT Pixel(int x, int y);
    // Drags the positioner's current item from one pixel to another in steps.
    void Drag(POINT from, POINT to, int steps);
    // The channels (speaker bits) that carry sound after a short render.
    DWORD SoundingChannels();

    CardBench bench;
    SimSoundSystem system;
    CSpeakerTest sound;

private:
    std::unique_ptr<SimSoundInstallation> m_installation;
    std::unique_ptr<SpeakerHost> m_host;
    std::unique_ptr<SettingsSheet> m_sheet;
};

// Positions stored for a scheme (or "CurrentScheme") in the registry.
struct StoredScheme {
    std::vector<BYTE> balance;
    std::vector<BYTE> fader;
    DWORD flags = 0;
};
StoredScheme ReadStoredScheme(const std::string& subkey);
