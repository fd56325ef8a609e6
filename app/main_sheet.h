#pragma once
// The panel's main window: a modeless mixer sheet with the card's pages in tab
// order, the stored colours, the tab labels and their access keys, the 35 global
// hotkeys and their actions, the keyboard inside the sheet, the settings-file
// commands and the speaker test. While it is hidden or minimised nothing of it
// runs: the mixer's meter polling and the pages' timers pause until it shows again.
//
// Owns its pages and the speaker test; borrows the card (the application owns it).

#include <windows.h>

#include <memory>
#include <string>

#include "app/global_hotkeys.h"
#include "app/hotkey_dispatch.h"
#include "app/sheet_keys.h"
#include "app/speaker_test.h"
#include "mixer/controls/mixer_property_sheet.h"
#include "pages/page_host.h"
#include "platform/window_timer.h"
#include "skin/containers/cool_property_page.h"

class CCardMixer;

// The pages in tab order; the Sources page exists on six-channel cards only.
enum class MainSheetPage { Playback, Sources, Record, Digital, Equalizer, Midi, Settings3D, Misc, Count };

class VUDO4Ruruz : public CMixerPropertySheet, public CPageHost {
public:
    static const CRuntimeClass classVUDO4Ruruz;
    const CRuntimeClass* GetRuntimeClass() const override { return &classVUDO4Ruruz; }

    // The window style of the modeless sheet: caption, system menu, minimize box.
    static constexpr DWORD kWindowStyle = 0x00CA0000;
    // The test sound the speaker test plays.
    static constexpr const char* kTestSoundFile = "NVTest.wav";

    // Builds the pages for the card (none when its mixer has fewer than two
    // destinations); the window comes with Create.
    VUDO4Ruruz(UINT captionId, CCardMixer* card, HWND parent = nullptr, UINT firstPage = 0);
    ~VUDO4Ruruz() override;

    bool AddMixerPages() override;
    BOOL OnInitDialog() override;
    bool PreTranslateMessage(MSG* message) override;

    // The page object of that kind; null when the card has none.
    CCoolPropertyPage* Page(MainSheetPage page) const;
    // One upper-case character per page in tab order ("-": the label has no "&").
    const std::string& AccessKeys() const { return m_accessKeys; }
    bool AreHotkeysRegistered() const { return m_hotkeys.IsRegistered(); }
    CSpeakerTest& SpeakerTest() { return m_speakerTest; }
    // The speaker test's sound device, its test sound and the speaker-mode sequence:
    // nothing of it shows, so it comes at the first idle moment after the first paint
    // (straight after the window when the sheet starts hidden), or earlier where
    // something needs it first. Runs once.
    void StartSpeakerTest();
    // Runs a hotkey's action as a WM_HOTKEY of that ID would.
    void RunHotkey(DWORD id);

    // The start-up options.
    void SetSpeakerPicturePath(const std::string& path) { m_speakerPicturePath = path; }
    void SetPictureBlendLevel(int level);

    // CPageHost
    bool RegisterHotkeys(bool on) override;
    bool LoadSettingsFile() override;
    bool SaveSettingsFile() override;
    void StartTestSpeaker(DWORD channelMask) override;
    void StopTestSpeaker(DWORD channelMask) override;
    void ApplySpeakerMode(DWORD config) override;
    const char* SpeakerPicturePath() const override { return m_speakerPicturePath.c_str(); }
    int PictureBlendLevel() const override { return m_blendLevel; } // the scheme's

    // False while the sheet is hidden or minimised; its pages are told each change.
    bool IsSheetVisible() const { return m_visible; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The hotkey actions' view of the sheet.
    class CommandsForHotkeys : public CHotkeyCommands {
    public:
        explicit CommandsForHotkeys(VUDO4Ruruz& sheet) : m_sheet(sheet) {}
        void RefreshEqualizerPage() override;
        void ChangeSpeakerMode(DWORD code) override;
        void LoadSettingsFile() override { m_sheet.LoadSettingsFile(); }
        void SaveSettingsFile() override { m_sheet.SaveSettingsFile(); }

    private:
        VUDO4Ruruz& m_sheet;
    };

    void ApplyStoredColours();
    void LabelTabs();
    void ShowPageAfterSpeakerChange();
    bool HandleKey(const MSG& message);
    // A page chosen by F5 onwards or Alt with its letter; the focus goes along.
    void SelectPageFromKeys(int index);
    // The sheet as the keyboard policy sees it when that key message comes.
    SheetKeyContext KeyContext(const MSG& message);
    // The card-settings message of another program (driver/card_settings_message.h).
    void OnCardSettingsChanged();
    // Pauses or resumes the meters and the pages' timers when the sheet went off the
    // screen or came back.
    void FollowVisibility();
    void TellPagesVisibility();

    CCardMixer* m_card;
    std::unique_ptr<CCoolPropertyPage> m_pages[static_cast<int>(MainSheetPage::Count)];
    CSpeakerTest m_speakerTest;
    CGlobalHotkeys m_hotkeys;
    CommandsForHotkeys m_commands{*this};
    std::string m_accessKeys;
    std::string m_speakerPicturePath;
    HICON m_icon = nullptr;
    CWindowTimer m_idleAfterStart;
    bool m_speakerTestStarted = false;
    bool m_visible = false;
    bool m_fileDialogOpen = false;
};
