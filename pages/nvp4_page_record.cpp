#include "pages/nvp4_page_record.h"

#include <mmsystem.h>

#include <iterator>
#include <string>

#include "dialogs/dialog_ids.h"
#include "dialogs/record_ids.h"
#include "driver/card_mixer.h"
#include "driver/speaker_keys.h"
#include "mixer/controls/mixer_names.h"
#include "pages/mixer_column.h"
#include "platform/resource_string.h"
#include "string_ids.h"

namespace {

// The echo cancellation radios by mode.
constexpr int kAecRadioIds[] = {IDC_RECORD_AEC_NEVER, IDC_RECORD_AEC_AUTO, IDC_RECORD_AEC_ALWAYS};
static_assert(kAecNever == 0 && kAecAutomatic == 1 && kAecAlways == 2, "the radios follow the modes");

constexpr ItemText kTexts[] = {
    {IDC_RECORD_FRAME, IDS_RECORD_FRAME},         {IDC_RECORD_AEC_FRAME, IDS_AEC_FRAME},
    {IDC_RECORD_AEC_NEVER, IDS_AEC_NEVER},        {IDC_RECORD_AEC_AUTO, IDS_AEC_AUTO},
    {IDC_RECORD_AEC_ALWAYS, IDS_AEC_ALWAYS},
};

// The radio texts of the first five slots; the sixth shows the selector's item name.
constexpr UINT kSlotTexts[] = {IDS_LINE_MIX, IDS_LINE_AUX, IDS_LINE_MIC, IDS_LINE_CD, IDS_LINE_LINE};

void DisableItem(CWnd& control)
{
    if (control.m_hWnd != nullptr)
        control.EnableWindow(false);
}

void DisableDialogItem(HWND dialog, int id)
{
    if (const HWND item = GetDlgItem(dialog, id))
        EnableWindow(item, FALSE);
}

} // namespace

const CRuntimeClass CNVP4PageRecord::classCNVP4PageRecord("CNVP4PageRecord", &CCardPage::classCCardPage);

CNVP4PageRecord::CNVP4PageRecord(CCardMixer* card, CPageHost* host)
    : CCardPage(TemplateFor(card), IDS_PAGE_RECORD, card, host, kTexts)
{
}

UINT CNVP4PageRecord::TemplateFor(CCardMixer* card)
{
    // Five record sources have their own layout; any other count the other one.
    return card != nullptr && card->GetSourceCount(kRecordDestination) == 5 ? IDD_PAGE_RECORD_FIVE
                                                                             : IDD_PAGE_RECORD;
}

void CNVP4PageRecord::DoDataExchange()
{
    AttachItem(IDC_RECORD_FRAME, m_frame);
    AttachItem(IDC_RECORD_AEC_AREA, m_aecArea);
    AttachItem(IDC_RECORD_AEC_FRAME, m_aecFrame);
    AttachItem(IDC_RECORD_BOOST, m_boost);
    for (DWORD mode = kAecNever; mode <= kAecAlways; ++mode)
        AttachItem(kAecRadioIds[mode], m_aec[mode]);
    // One column per record source, never more than the template has: a seventh
    // source's IDs would be the next group's controls.
    const int sources = m_card != nullptr ? m_card->GetSourceCount(kRecordDestination) : 0;
    for (int column = 0; column < sources && column < kRecordSlotCount; ++column) {
        AttachItem(IDC_RECORD_SOURCE_FIRST + column, m_radios[column]);
        AttachItem(IDC_RECORD_FADER_FIRST + column, m_faders[column]);
    }
}

BOOL CNVP4PageRecord::OnInitDialog()
{
    CCardPage::OnInitDialog();
    if (m_card != nullptr)
        m_slots = FindRecordSlots(*m_card);
    for (int column = 0; column < kRecordSlotCount; ++column) {
        BindFader(column);
        BindRadio(column);
    }
    BindBoost();
    ShowSlotTexts();
    DisableUnusedColumns();
    Refresh();
    // The faders made their sliders: they take the page's colours too.
    for (CMixerSliderEx& fader : m_faders)
        SpreadToSliders(fader);
    return TRUE;
}

void CNVP4PageRecord::BindFader(int column)
{
    const bool inUse = static_cast<size_t>(column) < m_slots.slots.size();
    const int source = inUse ? m_slots.slots[static_cast<size_t>(column)].source : -1;
    MixerLineEntry* line = nullptr;
    if (source >= 0 && m_card->GetLine(kRecordDestination, source, line)) {
        for (const auto& control : line->controls) {
            if (control->control.dwControlType == MIXERCONTROL_CONTROLTYPE_VOLUME) {
                m_faders[column].Bind(m_card, line->line.dwLineID, control->control.dwControlID);
                return;
            }
        }
    }
}

void CNVP4PageRecord::BindRadio(int column)
{
    CMixerButton& radio = m_radios[column];
    const bool inUse = static_cast<size_t>(column) < m_slots.slots.size();
    const int item = inUse ? m_slots.slots[static_cast<size_t>(column)].item : -1;
    if (!m_slots.selectorFound || item < 0) {
        // Without an item of its own the radio would select a wrong source.
        DisableItem(radio);
        return;
    }
    radio.SetItem(m_slots.sourceCount, item);
    radio.Bind(m_card, m_slots.lineId, m_slots.selectorId);
}

void CNVP4PageRecord::BindBoost()
{
    const int source = static_cast<size_t>(kRecordMicrophoneSlot) < m_slots.slots.size()
        ? m_slots.slots[kRecordMicrophoneSlot].source
        : -1;
    MixerLineEntry* line = nullptr;
    MixerControlEntry* control = nullptr;
    if (source < 0 || !m_card->GetLine(kRecordDestination, source, line) ||
        !m_card->GetControl(kRecordDestination, source, 0, control)) {
        // No microphone, or one without controls: nothing to bind the box to.
        DisableItem(m_boost);
        return;
    }
    const std::string text = LoadResourceString(IDS_BOOST);
    if (!text.empty())
        SetFieldText(control->control.szShortName, text.c_str());
    m_boost.Bind(m_card, line->line.dwLineID, control->control.dwControlID);
}

void CNVP4PageRecord::ShowSlotTexts()
{
    for (size_t slot = 0; slot < std::size(kSlotTexts); ++slot)
        if (m_radios[slot].m_hWnd != nullptr)
            SetItemText(IDC_RECORD_SOURCE_FIRST + static_cast<int>(slot), kSlotTexts[slot]);
}

void CNVP4PageRecord::DisableUnusedColumns()
{
    // A template column without a source would look like a choice that does nothing.
    for (int column = static_cast<int>(m_slots.slots.size()); column < kRecordSlotCount; ++column) {
        DisableDialogItem(m_hWnd, IDC_RECORD_SOURCE_FIRST + column);
        DisableDialogItem(m_hWnd, IDC_RECORD_FADER_FIRST + column);
    }
}

void CNVP4PageRecord::Refresh()
{
    const DWORD mode = m_card != nullptr ? m_card->GetAecMode() : kAecNever;
    for (DWORD shown = kAecNever; shown <= kAecAlways; ++shown)
        if (m_aec[shown].m_hWnd != nullptr)
            m_aec[shown].SetCheck(shown == mode ? BST_CHECKED : BST_UNCHECKED);
}

bool CNVP4PageRecord::OnClicked(UINT id)
{
    for (DWORD mode = kAecNever; mode <= kAecAlways; ++mode)
        if (static_cast<int>(id) == kAecRadioIds[mode] && m_card != nullptr) {
            m_card->SetAecMode(mode);
            // The radios show the card's mode, not merely what the click checked.
            Refresh();
            return true;
        }
    return false;
}
