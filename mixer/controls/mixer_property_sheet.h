#pragma once
// The skinned property sheet that knows its mixer: it sizes itself to its largest
// page, drops the standard buttons, offers "Minimize" in the system menu when it
// runs modal, and asks AddMixerPages for its pages once the mixer is known. By
// default that is one generic mixer page for the playback and one for the record
// destination; sheets with pages of their own override it.
//
// Owns the generic pages it makes; borrows the mixer.

#include <windows.h>

#include <memory>

#include "panel_ids.h"
#include "skin/containers/cool_property_sheet.h"

class CMixerDevice;
class CMixerPropertyPage;

class CMixerPropertySheet : public CCoolPropertySheet {
public:
    static const CRuntimeClass classCMixerPropertySheet;
    const CRuntimeClass* GetRuntimeClass() const override { return &classCMixerPropertySheet; }

    // The application's icon, shown as the sheet's large icon.
    static constexpr UINT kSheetIconId = IDI_PANEL;
    // The buttons a mixer sheet does without: Cancel, Apply, OK, Help.
    static constexpr int kRemovedButtons[] = {IDCANCEL, 0x3021, IDOK, IDHELP};

    CMixerPropertySheet();
    // Builds the default pages. A derived sheet constructs empty and calls
    // Construct from its own constructor, so that its own AddMixerPages runs.
    CMixerPropertySheet(const char* caption, CMixerDevice* mixer, HWND parent = nullptr, UINT firstPage = 0);
    ~CMixerPropertySheet() override;

    using CCoolPropertySheet::Construct;
    // Stores the mixer, then adds the pages (AddMixerPages).
    void Construct(const char* caption, CMixerDevice* mixer, HWND parent = nullptr, UINT firstPage = 0);
    void Construct(UINT captionId, CMixerDevice* mixer, HWND parent = nullptr, UINT firstPage = 0);

    // The pages of the mixer; false when a destination could not be read (no pages then).
    virtual bool AddMixerPages();
    BOOL OnInitDialog() override;

    CMixerDevice* GetMixer() const { return m_mixer; }
    // The destinations the default pages show; -1 when none was found.
    int GetPlaybackDestination() const { return m_playbackFound ? m_playbackDestination : -1; }
    int GetRecordDestination() const { return m_recordFound ? m_recordDestination : -1; }
    CMixerPropertyPage* GetPlaybackPage() const { return m_playbackPage.get(); }
    CMixerPropertyPage* GetRecordPage() const { return m_recordPage.get(); }

protected:
    CMixerDevice* m_mixer = nullptr;

private:
    bool FindDestinations();
    void AddGenericPage(std::unique_ptr<CMixerPropertyPage>& page, int destination);
    void DropGenericPages();
    void SizeToLargestPage();
    void AddMinimizeCommand();
    void RemoveStandardButtons();
    // The sheet's height: a margin below the page frame, as for a sheet without buttons.
    void FitToPageFrame();

    std::unique_ptr<CMixerPropertyPage> m_playbackPage;
    std::unique_ptr<CMixerPropertyPage> m_recordPage;
    int m_playbackDestination = 0;
    int m_recordDestination = 0;
    bool m_playbackFound = false;
    bool m_recordFound = false;
};
