#include "pages/nvp4_page_playback.h"

#include "dialogs/dialog_ids.h"
#include "dialogs/playback_ids.h"
#include "driver/card_mixer.h"
#include "mixer/controls/mixer_names.h"
#include "pages/boost_control_id.h"
#include "platform/resource_string.h"
#include "platform/system_version.h"
#include "string_ids.h"

namespace {

constexpr int kPlayback = 0;
// The boost box's text where the string table has none.
constexpr char kBoostText[] = "Boost";

constexpr ItemText kTexts[] = {{IDC_PLAYBACK_FRAME, IDS_PLAYBACK_FRAME}};

} // namespace

const CRuntimeClass CNVP4PagePlayback::classCNVP4PagePlayback("CNVP4PagePlayback", &CCardPage::classCCardPage);

CNVP4PagePlayback::CNVP4PagePlayback(CCardMixer* card, CPageHost* host)
    : CCardPage(TemplateFor(card), IDS_PAGE_PLAYBACK, card, host, kTexts)
{
}

UINT CNVP4PagePlayback::TemplateFor(CCardMixer* card)
{
    // Six columns on a six-channel card, nine on the others.
    return card != nullptr && card->SixChannelCapable() ? IDD_PAGE_PLAYBACK_SIX : IDD_PAGE_PLAYBACK;
}

bool CNVP4PagePlayback::IsSixChannel() const { return m_card != nullptr && m_card->SixChannelCapable(); }

void CNVP4PagePlayback::DoDataExchange()
{
    AttachItem(IDC_PLAYBACK_FRAME, m_frame);
    // A card with neither capability gets the nine columns of a four-channel card.
    m_columnCount = IsSixChannel() ? kPlaybackColumnsSix : kPlaybackColumnsOther;
    for (int column = 0; column < m_columnCount; ++column)
        m_columns[column].Attach(*this, {IDC_PLAYBACK_LABEL_FIRST + column, IDC_PLAYBACK_FADER_FIRST + column,
                                         IDC_PLAYBACK_MUTE_FIRST + column});
    if (!IsSixChannel())
        AttachItem(IDC_PLAYBACK_BOOST, m_boost);
}

BOOL CNVP4PagePlayback::OnInitDialog()
{
    CCardPage::OnInitDialog();
    m_muteText = LoadResourceString(IDS_MUTE);
    if (m_card != nullptr) {
        m_columnLines = AssignPlaybackColumns(*m_card, IsSixChannel());
        const DWORD boostId = BoostControlIdFor(QuerySystemVersion());
        for (int column = 0; column < m_columnCount; ++column)
            BindColumn(column, boostId);
    }
    // The faders made their sliders: they take the page's colours too.
    for (int column = 0; column < m_columnCount; ++column)
        SpreadToSliders(m_columns[column].Fader());
    return TRUE;
}

void CNVP4PagePlayback::BindColumn(int column, DWORD boostId)
{
    const int index = m_columnLines[static_cast<size_t>(column)];
    MixerLineEntry* line = nullptr;
    if (index == kNoPlaybackLine || !m_card->GetLine(kPlayback, index, line) || line == nullptr)
        return;
    CMixerColumn& shown = m_columns[column];
    const DWORD lineId = line->line.dwLineID;
    shown.ShowLine(*line);
    MixerControlEntry* control = nullptr;
    for (int k = 0; m_card->GetControl(kPlayback, index, k, control); ++k) {
        const MIXERCONTROLA& description = control->control;
        switch (description.dwControlType) {
        case MIXERCONTROL_CONTROLTYPE_VOLUME:
            shown.BindFader(*m_card, lineId, description.dwControlID);
            break;
        case MIXERCONTROL_CONTROLTYPE_MUTE:
            shown.BindMute(*m_card, lineId, description.dwControlID, m_muteText);
            break;
        case MIXERCONTROL_CONTROLTYPE_ONOFF:
            // 0 stands for a system without boost, not for a control.
            if (boostId != 0 && description.dwControlID == boostId)
                BindBoost(lineId, *control);
            break;
        default:
            break;
        }
    }
}

void CNVP4PagePlayback::BindBoost(DWORD lineId, MixerControlEntry& control)
{
    // The six-column template has no boost box.
    if (m_boost.m_hWnd == nullptr)
        return;
    std::string text = LoadResourceString(IDS_BOOST);
    if (text.empty())
        text = kBoostText;
    // Every control that shows the switch's name reads "Boost" from now on.
    SetFieldText(control.control.szShortName, text.c_str());
    m_boost.Bind(m_card, lineId, control.control.dwControlID);
    m_boost.SetWindowText(text.c_str());
}
