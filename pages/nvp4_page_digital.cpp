#include "pages/nvp4_page_digital.h"

#include <commctrl.h>

#include <string>

#include "dialogs/dialog_ids.h"
#include "dialogs/digital_ids.h"
#include "driver/card_mixer.h"
#include "driver/spdif_settings.h"
#include "pages/card_page_timers.h"
#include "pages/spdif_status_text.h"
#include "platform/resource_string.h"
#include "string_ids.h"

const CRuntimeClass CNVP4PageDigital::classCNVP4PageDigital("CNVP4PageDigital", &CCardPage::classCCardPage);

namespace {

constexpr int kStatusFrameIds[] = {IDC_SPDIF_RATE_FRAME, IDC_SPDIF_COPY_FRAME, IDC_SPDIF_EMPHASIS_FRAME};
constexpr int kStatusTextIds[] = {IDC_SPDIF_RATE, IDC_SPDIF_COPY, IDC_SPDIF_EMPHASIS};
constexpr DWORD kSpdifInLineType = MIXERLINE_COMPONENTTYPE_SRC_UNDEFINED;
constexpr int kPlaybackDestination = 0;

constexpr ItemText kTexts[] = {
    {IDC_SPDIF_IN_FRAME, IDS_SPDIF_IN_FRAME},
    {IDC_SPDIF_IN_ON, IDS_SPDIF_IN_ALWAYS_ON},
    {IDC_SPDIF_IN_AUTO, IDS_SPDIF_IN_AUTO_SENSE},
    {IDC_SPDIF_IN_OFF, IDS_SPDIF_IN_OFF},
    {IDC_SPDIF_RATE_FRAME, IDS_SPDIF_SAMPLE_RATE_FRAME},
    {IDC_SPDIF_COPY_FRAME, IDS_SPDIF_COPYRIGHT_FRAME},
    {IDC_SPDIF_EMPHASIS_FRAME, IDS_SPDIF_PREEMPHASIS_FRAME},
    {IDC_SPDIF_IN_MUTE, IDS_MUTE},
    {IDC_SPDIF_OUT_FRAME, IDS_SPDIF_OUT_FRAME},
    {IDC_SPDIF_OUT_DIRECT, IDS_SPDIF_OUT_DIRECT},
    {IDC_SPDIF_OUT_OFF, IDS_SPDIF_OUT_OFF},
    {IDC_SPDIF_OUT_COPY_BIT, IDS_SPDIF_OUT_COPYRIGHT_BIT},
    {IDC_SPDIF_OUT_EMPHASIS, IDS_SPDIF_OUT_PREEMPHASIS},
};

// The input radios by mode: off, sensing, always on.
static_assert(IDC_SPDIF_IN_AUTO - IDC_SPDIF_IN_OFF == kSpdifInputSensing &&
                  IDC_SPDIF_IN_ON - IDC_SPDIF_IN_OFF == kSpdifInputOn,
              "the input radios follow the modes");

void HideAndDisable(CWnd& control)
{
    control.ShowWindow(SW_HIDE);
    control.EnableWindow(false);
}

} // namespace

CNVP4PageDigital::CNVP4PageDigital(CCardMixer* card, CPageHost* host)
    : CCardPage(IDD_PAGE_DIGITAL, IDS_PAGE_DIGITAL, card, host, kTexts),
      m_statusTimer(kSpdifStatusTimer, kSpdifStatusPeriod)
{
}

void CNVP4PageDigital::DoDataExchange()
{
    AttachItem(IDC_SPDIF_IN_FRAME, m_inFrame);
    AttachItem(IDC_SPDIF_IN_ON, m_inOn);
    AttachItem(IDC_SPDIF_IN_AUTO, m_inAuto);
    AttachItem(IDC_SPDIF_IN_OFF, m_inOff);
    for (int i = 0; i < 3; ++i) {
        AttachItem(kStatusFrameIds[i], m_statusFrames[i]);
        AttachItem(kStatusTextIds[i], m_statusTexts[i]);
    }
    AttachItem(IDC_SPDIF_IN_VOLUME, m_volume);
    AttachItem(IDC_SPDIF_IN_MUTE, m_mute);
    AttachItem(IDC_SPDIF_OUT_FRAME, m_outFrame);
    AttachItem(IDC_SPDIF_OUT_MIX, m_outMix);
    AttachItem(IDC_SPDIF_OUT_DIRECT, m_outDirect);
    AttachItem(IDC_SPDIF_OUT_DVD, m_outDvd);
    AttachItem(IDC_SPDIF_OUT_OFF, m_outOff);
    AttachItem(IDC_SPDIF_OUT_COPY_BIT, m_copyBit);
    AttachItem(IDC_SPDIF_OUT_EMPHASIS, m_outEmphasis);
}

BOOL CNVP4PageDigital::OnInitDialog()
{
    CCardPage::OnInitDialog();
    // The mix radio names the software DVD source too.
    m_outMix.SetWindowText((LoadResourceString(IDS_SPDIF_OUT_DIGITAL_MIX) + " / DVD").c_str());
    BindInputLine();
    for (int id : {IDC_SPDIF_UNUSED_LEFT, IDC_SPDIF_UNUSED_RIGHT}) {
        Show(id, false);
        Enable(id, false);
    }
    m_outEmphasis.ShowWindow(SW_HIDE);
    HideAndDisable(m_outDvd);
    // Status controls start enabled, as in the template; with the input off the
    // update clears and disables them. The timer is wanted only while the input is on.
    UpdateStatusControls();
    SetInputRadios();
    UpdateOutputControls();
    SpreadScheme();
    return TRUE;
}

void CNVP4PageDigital::BindInputLine()
{
    const int sources = m_card->GetSourceCount(kPlaybackDestination);
    for (int source = 0; source < sources; ++source) {
        MixerLineEntry* line = nullptr;
        if (!m_card->GetLine(kPlaybackDestination, source, line) || line == nullptr || line->IsHidden() ||
            line->line.dwComponentType != kSpdifInLineType)
            continue;
        for (const auto& entry : line->controls) {
            const MIXERCONTROLA& control = entry->control;
            if (control.dwControlType == MIXERCONTROL_CONTROLTYPE_VOLUME)
                m_volume.Bind(m_card, line->line.dwLineID, control.dwControlID);
            else if (control.dwControlType == MIXERCONTROL_CONTROLTYPE_MUTE)
                m_mute.Bind(m_card, line->line.dwLineID, control.dwControlID);
        }
        m_mute.SetWindowText(LoadResourceString(IDS_MUTE).c_str());
        return;
    }
}

void CNVP4PageDigital::Refresh()
{
    if (m_hWnd == nullptr)
        return;
    UpdateStatusControls();
    SetInputRadios();
    UpdateOutputControls();
}

void CNVP4PageDigital::OnSheetVisible(bool visible)
{
    if (m_statusTimer.FollowSheet(visible))
        TickStatus(); // the texts are current at once, not a second later
}

void CNVP4PageDigital::UpdateStatusControls()
{
    const bool on = m_card->GetSpdifInputMode() != kSpdifInputOff;
    if (on) {
        for (int i = 0; i < 3; ++i)
            if (!m_statusTexts[i].IsWindowEnabled()) {
                m_statusFrames[i].EnableWindow(true);
                m_statusTexts[i].EnableWindow(true);
            }
    } else if (m_statusTexts[0].IsWindowEnabled()) {
        for (int i = 0; i < 3; ++i) {
            m_statusTexts[i].SetWindowText("");
            m_statusFrames[i].EnableWindow(false);
            m_statusTexts[i].EnableWindow(false);
        }
    }
    m_statusTimer.Want(m_hWnd, on);
}

void CNVP4PageDigital::SetInputRadios()
{
    const DWORD mode = m_card->GetSpdifInputMode();
    m_inOn.SetCheck(mode == kSpdifInputOn ? BST_CHECKED : BST_UNCHECKED);
    m_inAuto.SetCheck(mode == kSpdifInputSensing ? BST_CHECKED : BST_UNCHECKED);
    m_inOff.SetCheck(mode == kSpdifInputOff ? BST_CHECKED : BST_UNCHECKED);
}

void CNVP4PageDigital::UpdateOutputControls()
{
    m_copyBit.SetCheck(m_card->GetSpdifCopyBit() == 0 ? BST_CHECKED : BST_UNCHECKED);
    m_copyBit.EnableWindow(m_card->IsSpdifSourceMainMix() != 0);
    const DWORD source = m_card->GetSpdifOutputSource();
    m_outDvd.SetCheck(source == kSpdifOutputSoftwareDvd ? BST_CHECKED : BST_UNCHECKED);
    m_outDirect.SetCheck(source == kSpdifOutputInput ? BST_CHECKED : BST_UNCHECKED);
    m_outOff.SetCheck(source == kSpdifOutputOff ? BST_CHECKED : BST_UNCHECKED);
    m_outMix.SetCheck(source == kSpdifOutputMainMix ? BST_CHECKED : BST_UNCHECKED);
}

void CNVP4PageDigital::TickStatus()
{
    if (m_card->GetSpdifInputMode() == kSpdifInputOff)
        return;
    const bool read = m_card->ReadSpdifInputStatus() != 0;
    const SpdifStatusTexts texts = SpdifStatusTextsFor(read, m_card->GetSpdifInputStatus());
    m_statusTexts[0].SetWindowText(texts.rate.c_str());
    m_statusTexts[1].SetWindowText(texts.copyBit.c_str());
    m_statusTexts[2].SetWindowText(texts.preemphasis.c_str());
    UpdateStatusControls();
}

LRESULT CNVP4PageDigital::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
        if (wParam == kSpdifStatusTimer) {
            if (m_statusTimer.KeepTicking())
                TickStatus();
            return 0;
        }
        break;
    case WM_WINDOWPOSCHANGED:
        if (m_statusTimer.FollowPage(*reinterpret_cast<const WINDOWPOS*>(lParam)))
            TickStatus(); // the texts are current at once, not a second later
        break;
    case WM_DESTROY:
        m_statusTimer.Want(m_hWnd, false);
        break;
    default:
        break;
    }
    return CCoolPropertyPage::WindowProc(message, wParam, lParam);
}

bool CNVP4PageDigital::OnClicked(UINT id)
{
    switch (id) {
    case IDC_SPDIF_IN_OFF:
    case IDC_SPDIF_IN_AUTO:
    case IDC_SPDIF_IN_ON:
        m_card->SetSpdifInputMode(id - IDC_SPDIF_IN_OFF);
        SetInputRadios();
        UpdateStatusControls();
        return true;
    case IDC_SPDIF_OUT_DVD:
    case IDC_SPDIF_OUT_DIRECT:
    case IDC_SPDIF_OUT_MIX:
    case IDC_SPDIF_OUT_OFF:
        // The software DVD source is not offered: its radio chooses the mix.
        m_card->SetSpdifOutputSource(id == IDC_SPDIF_OUT_DIRECT ? kSpdifOutputInput
                                     : id == IDC_SPDIF_OUT_OFF  ? kSpdifOutputOff
                                                                : kSpdifOutputMainMix);
        UpdateOutputControls();
        return true;
    case IDC_SPDIF_OUT_COPY_BIT:
        m_card->SetSpdifCopyPermitted(m_copyBit.GetCheck() == BST_CHECKED ? 0 : 1);
        return true;
    case IDC_SPDIF_OUT_EMPHASIS:
        m_card->SetSpdifPreemphasis(m_outEmphasis.GetCheck() == BST_CHECKED ? 1 : 0);
        return true;
    default:
        return false;
    }
}
