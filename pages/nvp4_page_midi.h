#pragma once
// The MIDI page: the wavetable synthesizer's voice allocation, hardware and
// software voice limits, and its sample set (default or a custom file, kept in
// memory or not).
// Built by the main sheet with the card; borrows the card and the sheet's host view.

#include <windows.h>

#include <string>
#include <vector>

#include "pages/card_page.h"
#include "pages/voice_lists.h"
#include "skin/controls/cool_button.h"
#include "skin/controls/cool_combo_box.h"
#include "skin/controls/cool_static.h"

class CNVP4PageMidi : public CCardPage {
public:
    static const CRuntimeClass classCNVP4PageMidi;
    const CRuntimeClass* GetRuntimeClass() const override { return &classCNVP4PageMidi; }

    CNVP4PageMidi(CCardMixer* card, CPageHost* host);

    BOOL OnInitDialog() override;
    void Refresh() override;

    CCoolComboBox& HardwareList() { return m_hwVoices; }
    CCoolComboBox& SoftwareList() { return m_swVoices; }

    // The file part of a path (after the last backslash or slash).
    static std::string FileNameOf(const char* path);

protected:
    void DoDataExchange() override;
    bool OnClicked(UINT id) override;
    bool OnCommand(UINT id, UINT code) override;

private:
    static void Fill(CCoolComboBox& list, const std::vector<VoiceListEntry>& entries);
    void RefreshHardware();
    void RefreshSoftware();
    void SetSetRadios();
    void ShowSetFile();
    void OnListChanged(CCoolComboBox& list, bool hardware);
    void OnCustomSet();
    void Browse();

    CCoolButton m_frame, m_allocationFrame, m_dynamic, m_dls, m_processingFrame, m_setFrame;
    CCoolButton m_resident, m_defaultSet, m_customSet, m_browse;
    CCoolComboBox m_hwVoices, m_swVoices;
    CCoolStatic m_hwLabel, m_swLabel, m_setFile;
    std::vector<VoiceListEntry> m_softwareEntries;
};
