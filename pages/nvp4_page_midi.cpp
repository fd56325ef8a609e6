#include "pages/nvp4_page_midi.h"

#include <commdlg.h>

#include <cstring>

#include "dialogs/dialog_ids.h"
#include "dialogs/midi_ids.h"
#include "driver/card_mixer.h"
#include "platform/common_dialogs.h"
#include "platform/resource_string.h"
#include "platform/wait_cursor.h"
#include "string_ids.h"

const CRuntimeClass CNVP4PageMidi::classCNVP4PageMidi("CNVP4PageMidi", &CCardPage::classCCardPage);

namespace {

// The last software entry; it and anything above it is shown as that entry.
constexpr DWORD kLargestSoftwareLimit = 976;

constexpr ItemText kTexts[] = {
    {IDC_MIDI_FRAME, IDS_MIDI_FRAME},
    {IDC_MIDI_ALLOCATION_FRAME, IDS_MIDI_VOICE_ALLOCATION},
    {IDC_MIDI_ALLOC_DYNAMIC, IDS_MIDI_ALLOC_DYNAMIC},
    {IDC_MIDI_ALLOC_DLS, IDS_MIDI_ALLOC_DLS},
    {IDC_MIDI_PROCESSING_FRAME, IDS_MIDI_VOICE_PROCESSING},
    {IDC_MIDI_HW_LABEL, IDS_MIDI_HW_VOICES},
    {IDC_MIDI_SW_LABEL, IDS_MIDI_SW_VOICES},
    {IDC_MIDI_SAMPLE_SET_FRAME, IDS_MIDI_SAMPLE_SET_FRAME},
    {IDC_MIDI_RESIDENT, IDS_MIDI_MEMORY_RESIDENT},
    {IDC_MIDI_DEFAULT_SET, IDS_MIDI_DEFAULT_SET},
    {IDC_MIDI_CUSTOM_SET, IDS_MIDI_CUSTOM_SET},
    {IDC_MIDI_BROWSE, IDS_MIDI_BROWSE},
};

} // namespace

CNVP4PageMidi::CNVP4PageMidi(CCardMixer* card, CPageHost* host)
    : CCardPage(IDD_PAGE_MIDI, IDS_PAGE_MIDI, card, host, kTexts)
{
}

void CNVP4PageMidi::DoDataExchange()
{
    AttachItem(IDC_MIDI_FRAME, m_frame);
    AttachItem(IDC_MIDI_ALLOCATION_FRAME, m_allocationFrame);
    AttachItem(IDC_MIDI_ALLOC_DYNAMIC, m_dynamic);
    AttachItem(IDC_MIDI_ALLOC_DLS, m_dls);
    AttachItem(IDC_MIDI_PROCESSING_FRAME, m_processingFrame);
    AttachItem(IDC_MIDI_HW_VOICES, m_hwVoices);
    AttachItem(IDC_MIDI_HW_LABEL, m_hwLabel);
    AttachItem(IDC_MIDI_SW_VOICES, m_swVoices);
    AttachItem(IDC_MIDI_SW_LABEL, m_swLabel);
    AttachItem(IDC_MIDI_SAMPLE_SET_FRAME, m_setFrame);
    AttachItem(IDC_MIDI_RESIDENT, m_resident);
    AttachItem(IDC_MIDI_DEFAULT_SET, m_defaultSet);
    AttachItem(IDC_MIDI_CUSTOM_SET, m_customSet);
    AttachItem(IDC_MIDI_BROWSE, m_browse);
    AttachItem(IDC_MIDI_SET_FILE, m_setFile);
}

BOOL CNVP4PageMidi::OnInitDialog()
{
    CCardPage::OnInitDialog();
    DWORD minimum = 0, maximum = 0;
    m_card->GetHwVoiceRange(minimum, maximum);
    Fill(m_hwVoices, HardwareVoiceEntries(minimum, maximum));
    m_softwareEntries = SoftwareVoiceEntries();
    Fill(m_swVoices, m_softwareEntries);
    Refresh();
    SpreadScheme();
    return TRUE;
}

void CNVP4PageMidi::Fill(CCoolComboBox& list, const std::vector<VoiceListEntry>& entries)
{
    list.ResetContent();
    for (const VoiceListEntry& entry : entries) {
        const int index = list.AddString(entry.text.c_str());
        if (index >= 0)
            list.SetItemData(index, entry.limit);
    }
}

void CNVP4PageMidi::Refresh()
{
    if (m_hWnd == nullptr)
        return;
    RefreshHardware();
    RefreshSoftware();
    m_dls.SetCheck(m_card->GetVoiceAllocation() == 1 ? BST_CHECKED : BST_UNCHECKED);
    m_dynamic.SetCheck(m_card->GetVoiceAllocation() == 0 ? BST_CHECKED : BST_UNCHECKED);
    m_resident.SetCheck(m_card->GetSampleSetResident() ? BST_CHECKED : BST_UNCHECKED);
    // The style, not the screen: the page itself is not shown yet at initialisation.
    if (m_customSet.GetStyle() & WS_VISIBLE) {
        SetSetRadios();
        if (m_card->GetCustomSetFile()[0] != '\0')
            ShowSetFile();
    }
}

void CNVP4PageMidi::RefreshHardware()
{
    DWORD minimum = 0, maximum = 0;
    m_card->GetHwVoiceRange(minimum, maximum);
    const DWORD limit = m_card->GetHwVoiceLimit();
    if (limit != 0 && limit < minimum)
        m_card->SetHwVoiceLimit(minimum);
    else if (limit != 0 && limit > maximum)
        m_card->SetHwVoiceLimit(maximum);
    m_hwVoices.SetCurSel(HardwareVoiceIndex(m_card->GetHwVoiceLimit(), minimum));
}

void CNVP4PageMidi::RefreshSoftware()
{
    DWORD minimum = 0, maximum = 0;
    m_card->GetSwVoiceRange(minimum, maximum);
    const DWORD limit = m_card->GetSwVoiceLimit();
    if (static_cast<LONG>(limit) <= 0) {
        m_swVoices.SetCurSel(0);
        return;
    }
    if (limit >= kLargestSoftwareLimit) {
        m_swVoices.SetCurSel(m_swVoices.GetCount() - 1);
        return;
    }
    if (limit < minimum)
        m_card->SetSwVoiceLimit(minimum);
    else if (limit > maximum)
        m_card->SetSwVoiceLimit(maximum);
    m_swVoices.SetCurSel(SoftwareVoiceIndex(m_softwareEntries, m_card->GetSwVoiceLimit()));
}

void CNVP4PageMidi::SetSetRadios()
{
    const bool useDefault = m_card->GetUseDefaultSet() != 0;
    m_customSet.SetCheck(useDefault ? BST_UNCHECKED : BST_CHECKED);
    m_defaultSet.SetCheck(useDefault ? BST_CHECKED : BST_UNCHECKED);
}

std::string CNVP4PageMidi::FileNameOf(const char* path)
{
    if (path == nullptr)
        return std::string();
    const char* name = path;
    for (const char* c = path; *c != '\0'; ++c)
        if (*c == '\\' || *c == '/' || *c == ':')
            name = c + 1;
    return name;
}

void CNVP4PageMidi::ShowSetFile()
{
    m_setFile.SetWindowText(FileNameOf(m_card->GetCustomSetFile()).c_str());
}

bool CNVP4PageMidi::OnCommand(UINT id, UINT code)
{
    if (code != CBN_SELCHANGE || (id != IDC_MIDI_HW_VOICES && id != IDC_MIDI_SW_VOICES))
        return false;
    OnListChanged(id == IDC_MIDI_HW_VOICES ? m_hwVoices : m_swVoices, id == IDC_MIDI_HW_VOICES);
    return true;
}

bool CNVP4PageMidi::OnClicked(UINT id)
{
    CWaitCursor wait;
    switch (id) {
    case IDC_MIDI_ALLOC_DYNAMIC:
    case IDC_MIDI_ALLOC_DLS:
        m_card->SetVoiceAllocation(m_dls.GetCheck() == BST_CHECKED ? 1 : 0);
        return true;
    case IDC_MIDI_RESIDENT:
        m_card->SetSampleSetResident(m_resident.GetCheck() == BST_CHECKED ? 1 : 0);
        return true;
    case IDC_MIDI_DEFAULT_SET:
        m_card->SetUseDefaultSet(1);
        SetSetRadios();
        return true;
    case IDC_MIDI_CUSTOM_SET:
        OnCustomSet();
        return true;
    case IDC_MIDI_BROWSE:
        Browse();
        return true;
    default:
        return false;
    }
}

void CNVP4PageMidi::OnListChanged(CCoolComboBox& list, bool hardware)
{
    const int index = list.GetCurSel();
    if (index < 0)
        return;
    const DWORD limit = static_cast<DWORD>(list.GetItemData(index));
    if (hardware)
        m_card->SetHwVoiceLimit(limit);
    else
        m_card->SetSwVoiceLimit(limit);
}

void CNVP4PageMidi::OnCustomSet()
{
    if (m_card->GetCustomSetFile()[0] == '\0')
        Browse();
    m_card->SetUseDefaultSet(m_card->GetCustomSetFile()[0] != '\0' ? 0 : 1);
    SetSetRadios();
}

void CNVP4PageMidi::Browse()
{
    const std::string filter = LoadResourceString(IDS_MIDI_SAMPLE_SET_FILTER);
    CFileDialog dialog(true, nullptr, nullptr, OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY,
                       filter.c_str(), m_hWnd);
    if (dialog.DoModal() != IDOK)
        return;
    m_card->SetCustomSetFile(dialog.GetPathName().c_str());
    if (m_card->GetCustomSetFile()[0] != '\0')
        ShowSetFile();
    else
        m_setFile.SetWindowText("");
}
