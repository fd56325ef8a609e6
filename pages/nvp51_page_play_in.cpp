#include "pages/nvp51_page_play_in.h"

#include "dialogs/dialog_ids.h"
#include "dialogs/sources_ids.h"
#include "driver/card_mixer.h"
#include "mixer/controls/mixer_names.h"
#include "platform/resource_string.h"
#include "string_ids.h"

namespace {

constexpr int kPlayback = 0;
// Without the string (English) the frame keeps the template's text.
constexpr ItemText kTexts[] = {{IDC_SOURCES_FRAME, IDS_SOURCES_FRAME}};

} // namespace

// The microphone (source 7) has its boost switch first: its volume and mute follow.
const PlayInColumn kPlayInLayout[kPlayInColumns] = {
    {0, 0, 1}, {10, 0, 1}, {9, 0, 1}, {6, 0, 1}, {8, 0, 1}, {7, 2, 3}, {11, 0, 1},
};

const CRuntimeClass CNVP51PagePlayIn::classCNVP51PagePlayIn("CNVP51PagePlayIn", &CCardPage::classCCardPage);

CNVP51PagePlayIn::CNVP51PagePlayIn(CCardMixer* card, CPageHost* host)
    : CCardPage(IDD_PAGE_SOURCES, IDS_PAGE_SOURCES, card, host, kTexts)
{
}

void CNVP51PagePlayIn::DoDataExchange()
{
    AttachItem(IDC_SOURCES_FRAME, m_frame);
    for (int column = 0; column < kPlayInColumns; ++column)
        m_columns[column].Attach(*this, {IDC_SOURCES_LABEL_FIRST + column, IDC_SOURCES_FADER_FIRST + column,
                                         IDC_SOURCES_MUTE_FIRST + column});
    AttachItem(IDC_SOURCES_BOOST, m_boost);
}

BOOL CNVP51PagePlayIn::OnInitDialog()
{
    CCardPage::OnInitDialog();
    const std::string muteText = LoadResourceString(IDS_MUTE);
    const int sources = m_card != nullptr ? m_card->GetSourceCount(kPlayback) : 0;
    for (int column = 0; column < kPlayInColumns; ++column)
        BindColumn(column, sources, muteText);
    BindBoost();
    // The faders made their sliders: they take the page's colours too.
    for (CMixerColumn& column : m_columns)
        SpreadToSliders(column.Fader());
    return TRUE;
}

void CNVP51PagePlayIn::BindColumn(int column, int sources, const std::string& muteText)
{
    const PlayInColumn& where = kPlayInLayout[column];
    CMixerColumn& shown = m_columns[column];
    MixerLineEntry* line = nullptr;
    if (where.source >= sources || !m_card->GetLine(kPlayback, where.source, line) || line == nullptr) {
        shown.Disable();
        return;
    }
    const DWORD lineId = line->line.dwLineID;
    shown.ShowLine(*line);
    // A control the line lacks leaves its part of the column unbound.
    MixerControlEntry* control = nullptr;
    if (m_card->GetControl(kPlayback, where.source, where.volumeControl, control))
        shown.BindFader(*m_card, lineId, control->control.dwControlID);
    if (m_card->GetControl(kPlayback, where.source, where.muteControl, control))
        shown.BindMute(*m_card, lineId, control->control.dwControlID, muteText);
}

void CNVP51PagePlayIn::BindBoost()
{
    MixerLineEntry* line = nullptr;
    MixerControlEntry* control = nullptr;
    if (m_card == nullptr || kPlayInBoostSource >= m_card->GetSourceCount(kPlayback) ||
        !m_card->GetLine(kPlayback, kPlayInBoostSource, line) ||
        !m_card->GetControl(kPlayback, kPlayInBoostSource, kPlayInBoostControl, control)) {
        // Without the microphone's line or switch there is nothing to bind it to.
        if (m_boost.m_hWnd != nullptr)
            m_boost.EnableWindow(false);
        return;
    }
    const std::string text = LoadResourceString(IDS_BOOST);
    if (!text.empty())
        SetFieldText(control->control.szShortName, text.c_str());
    m_boost.Bind(m_card, line->line.dwLineID, control->control.dwControlID);
}
