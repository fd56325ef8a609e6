#include "pages/nvp4_page_eq.h"

#include <commctrl.h>

#include "dialogs/dialog_ids.h"
#include "dialogs/eq_ids.h"
#include "driver/card_mixer.h"
#include "pages/card_page_timers.h"
#include "pages/eq_band_scale.h"
#include "pages/eq_meter.h"
#include "platform/resource_string.h"
#include "string_ids.h"

const CRuntimeClass CNVP4PageEQ::classCNVP4PageEQ("CNVP4PageEQ", &CCardPage::classCCardPage);

namespace {

// Preset names are held in 100-byte buffers by the card.
constexpr int kPresetNameLimit = 99;
constexpr int kScaleIds[] = {IDC_EQ_SCALE_TOP,    IDC_EQ_SCALE_HZ,           IDC_EQ_SCALE_MIDDLE,
                             IDC_EQ_SCALE_BOTTOM, IDC_EQ_SCALE_MIDDLE_RIGHT, IDC_EQ_SCALE_DB};
constexpr int kTipWidth = 300; // pixels; the description wraps

constexpr ItemText kTexts[] = {
    {IDC_EQ_FRAME, IDS_EQ_FRAME},
    {IDC_EQ_ENABLE, IDS_EQ_ENABLE},
    {IDC_EQ_PRESETS_FRAME, IDS_EQ_PRESETS_FRAME},
    {IDC_EQ_ADD, IDS_PRESET_ADD},
    {IDC_EQ_SAVE, IDS_PRESET_SAVE},
    {IDC_EQ_DELETE, IDS_PRESET_DELETE},
    {IDC_EQ_RESTORE, IDS_PRESET_RESTORE},
};

} // namespace

CNVP4PageEQ::CNVP4PageEQ(CCardMixer* card, CPageHost* host)
    : CCardPage(IDD_PAGE_EQ, IDS_PAGE_EQ, card, host, kTexts),
      m_presets(*this, &CCardMixer::IsUsableEqSetName, false), m_peakTimer(kEqPeakMeterTimer, kEqPeakMeterPeriod)
{
}

void CNVP4PageEQ::DoDataExchange()
{
    AttachItem(IDC_EQ_FRAME, m_frame);
    AttachItem(IDC_EQ_ENABLE, m_enable);
    AttachItem(IDC_EQ_PEAK_METERS, m_peakMeters);
    AttachItem(IDC_EQ_PRESETS_FRAME, m_presetsFrame);
    m_presets.Attach(*this, {IDC_EQ_PRESET, IDC_EQ_ADD, IDC_EQ_SAVE, IDC_EQ_RESTORE, IDC_EQ_DELETE});
    for (int band = 0; band < kBandCount; ++band) {
        AttachItem(IDC_EQ_BAND_FIRST + band, m_bands[band]);
        AttachItem(IDC_EQ_FREQUENCY_FIRST + band, m_frequencies[band]);
        AttachItem(IDC_EQ_GAIN_FIRST + band, m_gains[band]);
    }
    for (int i = 0; i < 6; ++i)
        AttachItem(kScaleIds[i], m_scale[i]);
}

BOOL CNVP4PageEQ::OnInitDialog()
{
    CCardPage::OnInitDialog();
    m_presets.Names().SendMessage(CB_LIMITTEXT, kPresetNameLimit);

    // Switched off and on again, the driver gets the current set once more.
    const bool enabled = m_card->IsEqEnabled() != 0;
    if (enabled) {
        m_card->SetEqEnabled(0);
        m_card->SetEqEnabled(1);
    }
    m_enable.SetCheck(enabled ? BST_CHECKED : BST_UNCHECKED);
    EnableBandControls(enabled);

    // Save and Restore follow the same rule as after every refresh: enabled
    // exactly while the current set differs from its preset.
    m_presets.Refresh();
    for (CAudioSlider& slider : m_bands) {
        slider.SetRange(kEqSliderMinimum, kEqSliderMaximum);
        slider.SetTicFreq(kEqSliderTickFrequency);
        slider.SetOptions(slider.GetOptions() | CAudioSlider::kShowPeak);
    }
    ShowGains();

    m_peakMeters.SetCheck(m_card->GetEqPeakMeters() ? BST_CHECKED : BST_UNCHECKED);
    UpdatePeakMeters();
    ShowSilence();
    CreateTooltip();
    SpreadScheme();
    return TRUE;
}

void CNVP4PageEQ::EnableBandControls(bool enable)
{
    for (int band = 0; band < kBandCount; ++band) {
        m_bands[band].EnableWindow(enable);
        m_frequencies[band].EnableWindow(enable);
        m_gains[band].EnableWindow(enable);
    }
    for (CCoolStatic& label : m_scale)
        label.EnableWindow(enable);
    m_peakMeters.EnableWindow(enable);
}

void CNVP4PageEQ::ShowGains()
{
    for (int band = 0; band < kBandCount; ++band)
        ShowGain(band, m_card->GetEqBandGain(band));
}

void CNVP4PageEQ::ShowGain(int band, int gain)
{
    CAudioSlider& slider = m_bands[band];
    if (slider.GetPos() != EqPositionOfGain(gain)) {
        slider.SetPos(EqPositionOfGain(gain));
        slider.Invalidate(false);
    }
    m_gains[band].SetWindowText(EqGainLabel(gain).c_str());
}

void CNVP4PageEQ::CreateTooltip()
{
    m_tooltip = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr);
    if (m_tooltip == nullptr)
        return;
    TOOLINFOA tool = {};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = m_hWnd;
    tool.uId = reinterpret_cast<UINT_PTR>(m_enable.m_hWnd);
    tool.lpszText = LPSTR_TEXTCALLBACKA;
    ::SendMessageA(m_tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    ::SendMessageA(m_tooltip, TTM_SETMAXTIPWIDTH, 0, kTipWidth);
}

bool CNVP4PageEQ::OnDeactivate()
{
    m_peakTimer.Want(m_hWnd, false);
    return CCoolPropertyPage::OnDeactivate();
}

void CNVP4PageEQ::OnSheetVisible(bool visible)
{
    m_peakTimer.FollowSheet(visible);
}

void CNVP4PageEQ::Refresh()
{
    if (m_hWnd == nullptr)
        return;
    const bool enabled = m_card->IsEqEnabled() != 0;
    m_enable.SetCheck(enabled ? BST_CHECKED : BST_UNCHECKED);
    EnableBandControls(enabled);
    // The meters come back with the page (deactivation stopped them).
    UpdatePeakMeters();
    m_presets.Refresh();
    const std::string selected = m_presets.SelectedName();
    if (!selected.empty())
        m_card->LoadEqSet(selected.c_str(), false);
    ShowGains();
}

LRESULT CNVP4PageEQ::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_VSCROLL:
        if (lParam != 0)
            OnBandScrolled(reinterpret_cast<HWND>(lParam));
        break;
    case WM_NOTIFY:
        if (OnTooltipText(reinterpret_cast<NMHDR*>(lParam)))
            return 0;
        break;
    case WM_TIMER:
        if (wParam == kEqPeakMeterTimer) {
            OnPeakTick();
            return 0;
        }
        break;
    case WM_WINDOWPOSCHANGED:
        m_peakTimer.FollowPage(*reinterpret_cast<const WINDOWPOS*>(lParam));
        break;
    case WM_DESTROY:
        m_peakTimer.Want(m_hWnd, false);
        // Owned by the sheet (a child cannot own a popup): it goes with the page.
        if (m_tooltip != nullptr)
            ::DestroyWindow(m_tooltip);
        m_tooltip = nullptr;
        break;
    default:
        break;
    }
    return CCoolPropertyPage::WindowProc(message, wParam, lParam);
}

bool CNVP4PageEQ::OnClicked(UINT id)
{
    switch (id) {
    case IDC_EQ_ENABLE: OnEnableClicked(); return true;
    case IDC_EQ_PEAK_METERS: OnPeakMetersClicked(); return true;
    default: return m_presets.OnClicked(id);
    }
}

bool CNVP4PageEQ::OnCommand(UINT id, UINT code)
{
    return m_presets.OnCommand(id, code);
}

void CNVP4PageEQ::OnEnableClicked()
{
    const bool enabled = m_enable.GetCheck() == BST_CHECKED;
    m_card->SetEqEnabled(enabled ? 1 : 0);
    EnableBandControls(enabled);
    UpdatePeakMeters();
}

void CNVP4PageEQ::OnPeakMetersClicked()
{
    m_card->SetEqPeakMeters(m_peakMeters.GetCheck() == BST_CHECKED ? 1 : 0);
    UpdatePeakMeters();
}

void CNVP4PageEQ::OnBandScrolled(HWND slider)
{
    int band = 0;
    while (band < kBandCount && m_bands[band].m_hWnd != slider)
        ++band;
    if (band == kBandCount)
        return;
    const int gain = EqGainOfPosition(m_bands[band].GetPos());
    m_gains[band].SetWindowText(EqGainLabel(gain).c_str());
    // A drag reports every position; a gain the card has already is not sent again.
    if (gain == m_card->GetEqBandGain(band))
        return;
    m_card->SetEqBandGain(band, gain);
    m_presets.OnValuesChanged();
}

int CNVP4PageEQ::PresetCount() const { return m_card->GetEqSetCount(); }
const char* CNVP4PageEQ::PresetName(int index) const { return m_card->GetEqSetName(index); }
const char* CNVP4PageEQ::CurrentPresetName() const { return m_card->CurrentEqSetName(); }
bool CNVP4PageEQ::IsPresetUnchanged() { return m_card->IsEqSetUnchanged() != 0; }

void CNVP4PageEQ::LoadPreset(const char* name)
{
    m_card->LoadEqSet(name, true);
    ShowGains();
}

bool CNVP4PageEQ::SavePreset(const char* name)
{
    // Without a name the card saves under the current set's.
    m_card->SaveEqSet(name);
    return true;
}

void CNVP4PageEQ::DeletePreset(const char* name) { m_card->DeleteEqSet(name); }

std::string CNVP4PageEQ::TipTextFor(UINT controlId)
{
    return LoadResourceString(controlId);
}

bool CNVP4PageEQ::OnTooltipText(NMHDR* header)
{
    if (header == nullptr || (header->code != TTN_NEEDTEXTA && header->code != TTN_NEEDTEXTW))
        return false;
    auto* tipA = reinterpret_cast<NMTTDISPINFOA*>(header);
    UINT id = static_cast<UINT>(header->idFrom);
    if (tipA->uFlags & TTF_IDISHWND)
        id = static_cast<UINT>(::GetDlgCtrlID(reinterpret_cast<HWND>(header->idFrom)));
    m_tipText = TipTextFor(id);
    if (header->code == TTN_NEEDTEXTA) {
        tipA->lpszText = const_cast<char*>(m_tipText.c_str());
        return true;
    }
    auto* tipW = reinterpret_cast<NMTTDISPINFOW*>(header);
    const int length = ::MultiByteToWideChar(CP_ACP, 0, m_tipText.c_str(), -1, nullptr, 0);
    m_tipWide.assign(length > 0 ? static_cast<size_t>(length) : 1u, L'\0');
    if (length > 0)
        ::MultiByteToWideChar(CP_ACP, 0, m_tipText.c_str(), -1, &m_tipWide[0], length);
    tipW->lpszText = &m_tipWide[0];
    return true;
}

void CNVP4PageEQ::UpdatePeakMeters()
{
    const bool on = m_enable.GetCheck() == BST_CHECKED && m_peakMeters.GetCheck() == BST_CHECKED &&
                    m_card->GetEqPeakMeters() != 0;
    for (CAudioSlider& slider : m_bands)
        if (slider.ModifyStyle(on ? 0 : TBS_ENABLESELRANGE, on ? TBS_ENABLESELRANGE : 0))
            slider.Invalidate(false);
    m_peakTimer.Want(m_hWnd, on);
}

void CNVP4PageEQ::ShowSilence()
{
    for (int band = 0; band < kBandCount; ++band) {
        m_peakMarks[band] = kEqMeterSilence;
        m_bands[band].SetLevels(kEqMeterSilence, kEqMeterSilence);
        m_bands[band].SetPeak(kEqMeterSilence);
        m_bands[band].Invalidate(false);
    }
}

void CNVP4PageEQ::OnPeakTick()
{
    if (!m_peakTimer.KeepTicking())
        return;
    DWORD levels[kBandCount] = {};
    if (!m_card->ReadEqPeakLevels(levels, kBandCount))
        return;
    for (int band = 0; band < kBandCount; ++band) {
        const int value = EqMeterValue(levels[band]);
        const int mark = EqNextPeakMark(m_peakMarks[band], value);
        m_peakMarks[band] = mark;
        CAudioSlider& slider = m_bands[band];
        if (slider.GetLevelA() == value && slider.GetLevelB() == value && slider.GetPeak() == mark)
            continue;
        slider.SetLevels(value, value);
        slider.SetPeak(mark);
        slider.Invalidate(false);
    }
}
