#include "mixer/controls/mixer_slider_ex.h"

#include <commctrl.h>

#include <algorithm>

#include "mixer/controls/fader_arithmetic.h"
#include "mixer/controls/mixer_control_ids.h"
#include "mixer/mixer_device.h"
#include "platform/dc.h"

namespace {

// The balance slider's height and the gap above it.
constexpr int kBalanceHeight = 21;
constexpr int kBalanceSpace = 22;
// The style bits the layout sets on a slider that exists already.
constexpr DWORD kLayoutStyles = TBS_VERT | TBS_AUTOTICKS | TBS_ENABLESELRANGE;

void ShowPosition(CAudioSlider& slider, int position)
{
    if (slider.GetPos() != position)
        slider.SetPos(position);
}

bool HasWindow(const std::unique_ptr<CAudioSlider>& slider)
{
    return slider != nullptr && slider->m_hWnd != nullptr;
}

// A slider whose meter the user turned off keeps its levels without painting them.
void ShowLevels(CAudioSlider& slider, int levelA, int levelB)
{
    slider.SetLevels(levelA, levelB);
    if (slider.GetStyle() & TBS_ENABLESELRANGE)
        slider.Invalidate(false);
}

} // namespace

const CRuntimeClass CMixerSliderEx::classCMixerSliderEx("CMixerSliderEx", &CWnd::classCWnd);

CMixerSliderEx::CMixerSliderEx(CMixerDevice* mixer, DWORD lineId, DWORD volumeId, DWORD meterId, bool split)
    : m_split(split), m_meter(meterId != 0), m_meterId(meterId)
{
    m_mixer = mixer;
    m_lineId = lineId;
    m_controlId = volumeId;
}

CMixerSliderEx::~CMixerSliderEx() = default;

void CMixerSliderEx::Bind(CMixerDevice* mixer, DWORD lineId, DWORD controlId)
{
    StopListening();
    m_meter = false;
    m_meterId = 0;
    CMixerListener::Bind(mixer, lineId, controlId);
}

void CMixerSliderEx::OnControlChange(DWORD controlId, bool refresh)
{
    if (controlId == m_controlId) {
        Update(true);
        if (refresh)
            RefreshDescription();
    } else if (m_meter && controlId == m_meterId) {
        UpdateMeter();
    }
}

bool CMixerSliderEx::Initialize()
{
    if (!ReadBinding(&m_line))
        return false;
    Listen(m_controlId);
    if (m_meter && !BindMeter()) {
        m_meter = false;
        m_meterId = 0;
    }
    if (m_hWnd == nullptr)
        return true;
    LayOutSliders();
    Update(true);
    ApplyDisabledFlag();
    return true;
}

bool CMixerSliderEx::BindMeter()
{
    MixerControlEntry* meter = nullptr;
    if (!m_mixer->FindControl(m_meterId, meter))
        return false;
    m_meterControl = meter->control;
    Listen(m_meterId);
    return true;
}

void CMixerSliderEx::LayOutSliders()
{
    RECT client = {};
    GetClientRect(&client);
    const int width = client.right;
    const int height = client.bottom;
    const DWORD steps = m_control.Metrics.cSteps;
    const int top = StepsMaximum(steps);
    const DWORD meterStyle = m_meter ? TBS_ENABLESELRANGE : 0;
    const DWORD vertical = WS_CHILD | WS_TABSTOP | TBS_VERT | TBS_AUTOTICKS | meterStyle;
    // The meter's range is the fader's height: one position per pixel.
    const int verticalTop = m_meter ? height - 1 : top;
    int frequency = FaderTickFrequency(steps, height);
    if (IsStereo() && m_split) {
        PlaceSlider(m_first, kFaderFirstSliderId, vertical, {0, 1, width / 2, height - 1});
        PlaceSlider(m_second, kFaderSecondSliderId, vertical, {width / 2, 1, width, height - 1});
        if (HasWindow(m_second))
            m_second->SetRange(0, verticalTop);
        if (m_meter)
            frequency = MeterTickFrequency(height);
    } else if (IsStereo()) {
        PlaceSlider(m_first, kFaderFirstSliderId, vertical, {0, 1, width, height - kBalanceSpace});
        PlaceSlider(m_second, kFaderSecondSliderId, WS_CHILD | WS_TABSTOP | TBS_HORZ | TBS_AUTOTICKS,
                    {0, height - kBalanceHeight, width, height - 1});
        // The balance: centre 0, negative when the left channel is louder.
        if (HasWindow(m_second))
            m_second->SetRange(-top, top);
    } else {
        PlaceSlider(m_first, kFaderFirstSliderId, vertical, {0, 1, width, height - 1});
        if (HasWindow(m_second)) {
            m_second->EnableWindow(false);
            m_second->ShowWindow(SW_HIDE);
        }
    }
    // A slider the system could not make is left out; the fader then shows nothing.
    if (HasWindow(m_first))
        m_first->SetRange(0, verticalTop);
    for (CAudioSlider* slider : {m_first.get(), m_second.get()}) {
        if (slider == nullptr || slider->m_hWnd == nullptr)
            continue;
        slider->SetTicFreq(frequency);
        const unsigned options = slider->GetOptions() & ~CAudioSlider::kRightClickMeter;
        slider->SetOptions(options | (m_meter ? CAudioSlider::kRightClickMeter : 0u));
    }
}

void CMixerSliderEx::PlaceSlider(std::unique_ptr<CAudioSlider>& slider, int id, DWORD style, const RECT& rect)
{
    if (slider == nullptr)
        slider = std::make_unique<CAudioSlider>();
    // The dialog manager enters the fader only so: Tab and the arrows reach its sliders.
    ModifyStyleEx(0, WS_EX_CONTROLPARENT);
    if (slider->m_hWnd == nullptr) {
        slider->Create(TRACKBAR_CLASSA, "", style | WS_VISIBLE, rect, m_hWnd, static_cast<UINT>(id));
        return;
    }
    slider->ModifyStyle(kLayoutStyles, style & kLayoutStyles);
    slider->MoveWindow(rect);
    slider->ShowWindow(SW_SHOWNA);
}

bool CMixerSliderEx::Update(bool fromMixer)
{
    if (!fromMixer)
        return true;
    if (m_mixer == nullptr || !HasWindow(m_first))
        return false;
    const int64_t span = VolumeSpan(m_control);
    if (span <= 0)
        return false;
    if (!IsStereo())
        return ShowMono(span);
    if (!HasWindow(m_second))
        return false;
    return m_split ? ShowSplit(span) : ShowStereo(span);
}

bool CMixerSliderEx::ShowMono(int64_t span)
{
    const int maximum = m_first->GetRangeMax();
    const int64_t step = ValuePerPosition(span, maximum);
    DWORD value = 0;
    if (step == 0 || !m_mixer->GetUnsigned(m_controlId, value))
        return false;
    ShowPosition(*m_first, PositionOfValue(value, step, maximum));
    return true;
}

bool CMixerSliderEx::ShowStereo(int64_t span)
{
    const int maximum = m_first->GetRangeMax();
    const int balanceMaximum = m_second->GetRangeMax();
    const int64_t step = ValuePerPosition(span, maximum);
    DWORD left = 0;
    DWORD right = 0;
    if (step == 0 || balanceMaximum <= 0 || !m_mixer->GetUnsignedPair(m_controlId, left, right))
        return false;
    ShowPosition(*m_first, PositionOfValue(std::max(left, right), step, maximum));
    // Silence has no balance: the slider stays where it is.
    if (left != 0 || right != 0)
        ShowPosition(*m_second, BalancePosition(left, right, balanceMaximum));
    return true;
}

bool CMixerSliderEx::ShowSplit(int64_t span)
{
    const int leftMaximum = m_first->GetRangeMax();
    const int rightMaximum = m_second->GetRangeMax();
    const int64_t leftStep = ValuePerPosition(span, leftMaximum);
    const int64_t rightStep = ValuePerPosition(span, rightMaximum);
    DWORD left = 0;
    DWORD right = 0;
    if (leftStep == 0 || rightStep == 0 || !m_mixer->GetUnsignedPair(m_controlId, left, right))
        return false;
    ShowPosition(*m_first, PositionOfValue(left, leftStep, leftMaximum));
    ShowPosition(*m_second, PositionOfValue(right, rightStep, rightMaximum));
    return true;
}

void CMixerSliderEx::WriteVolume()
{
    if (m_mixer == nullptr || !HasWindow(m_first))
        return;
    const int64_t span = VolumeSpan(m_control);
    const int maximum = m_first->GetRangeMax();
    const int64_t step = ValuePerPosition(span, maximum);
    if (step == 0)
        return;
    const int position = m_first->GetPos();
    if (!IsStereo()) {
        m_mixer->SetUnsigned(m_controlId, ValueOfPosition(position, step, maximum));
        return;
    }
    if (!HasWindow(m_second))
        return;
    const int secondMaximum = m_second->GetRangeMax();
    if (m_split) {
        const int64_t rightStep = ValuePerPosition(span, secondMaximum);
        if (rightStep != 0)
            m_mixer->SetUnsignedPair(m_controlId, ValueOfPosition(position, step, maximum),
                                     ValueOfPosition(m_second->GetPos(), rightStep, secondMaximum));
        return;
    }
    if (secondMaximum <= 0)
        return;
    const ChannelPair pair =
        ChannelsAtBalance(VolumeOfPosition(position, span, maximum), m_second->GetPos(), secondMaximum);
    m_mixer->SetUnsignedPair(m_controlId, pair.left, pair.right);
}

void CMixerSliderEx::WriteBalance()
{
    if (m_mixer == nullptr || m_split || !IsStereo() || !HasWindow(m_first) || !HasWindow(m_second))
        return;
    const int maximum = m_second->GetRangeMax();
    if (maximum <= 0 || ValuePerPosition(VolumeSpan(m_control), m_first->GetRangeMax()) == 0)
        return;
    DWORD left = 0;
    DWORD right = 0;
    if (!m_mixer->GetUnsignedPair(m_controlId, left, right))
        return;
    const ChannelPair pair = ChannelsAtBalance(std::max(left, right), m_second->GetPos(), maximum);
    m_mixer->SetUnsignedPair(m_controlId, pair.left, pair.right);
}

bool CMixerSliderEx::ReadMeter(int64_t* left, int64_t* right)
{
    *left = 0;
    *right = 0;
    switch (m_meterControl.dwControlType & MIXERCONTROL_CT_UNITS_MASK) {
    case MIXERCONTROL_CT_UNITS_SIGNED: {
        LONG first = 0;
        LONG second = 0;
        if (IsStereo() ? !m_mixer->GetSignedPair(m_meterId, first, second) : !m_mixer->GetSigned(m_meterId, first))
            return false;
        *left = first;
        *right = second;
        return true;
    }
    case MIXERCONTROL_CT_UNITS_UNSIGNED: {
        DWORD first = 0;
        DWORD second = 0;
        if (IsStereo() ? !m_mixer->GetUnsignedPair(m_meterId, first, second)
                       : !m_mixer->GetUnsigned(m_meterId, first))
            return false;
        *left = first;
        *right = second;
        return true;
    }
    default:
        // Other units read as silence.
        return true;
    }
}

void CMixerSliderEx::UpdateMeter()
{
    int64_t left = 0;
    int64_t right = 0;
    if (m_mixer == nullptr || !HasWindow(m_first) || (m_split && !HasWindow(m_second)) || !ReadMeter(&left, &right))
        return;
    const bool unsignedUnits =
        (m_meterControl.dwControlType & MIXERCONTROL_CT_UNITS_MASK) == MIXERCONTROL_CT_UNITS_UNSIGNED;
    const int64_t peak = unsignedUnits ? static_cast<int64_t>(m_meterControl.Bounds.dwMaximum)
                                       : static_cast<int64_t>(m_meterControl.Bounds.lMaximum);
    const int lo = m_first->GetRangeMin();
    const int hi = m_first->GetRangeMax();
    CAudioSlider& rightSlider = m_split ? *m_second : *m_first;
    const int shownLeft = m_first->GetLevelA();
    const int shownRight = m_split ? rightSlider.GetLevelA() : rightSlider.GetLevelB();
    const int newLeft = MeterStep(shownLeft, MeterTarget(left, peak, lo, hi));
    const int newRight = IsStereo() ? MeterStep(shownRight, MeterTarget(right, peak, lo, hi)) : hi;
    if (newLeft == shownLeft && newRight == shownRight)
        return;
    if (!m_split) {
        ShowLevels(*m_first, newLeft, newRight);
        return;
    }
    if (newLeft != shownLeft)
        ShowLevels(*m_first, newLeft, newLeft);
    if (newRight != shownRight)
        ShowLevels(*m_second, newRight, newRight);
}

void CMixerSliderEx::EnableSliders(bool enable)
{
    for (CAudioSlider* slider : {m_first.get(), m_second.get()})
        if (slider != nullptr && slider->m_hWnd != nullptr)
            slider->EnableWindow(enable);
}

LRESULT CMixerSliderEx::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        // The sliders draw; the fader itself shows nothing.
        CPaintDC validate(m_hWnd);
        return 0;
    }
    case WM_VSCROLL:
        WriteVolume();
        break;
    case WM_HSCROLL:
        WriteBalance();
        break;
    case WM_ENABLE: {
        const LRESULT result = CMixerBoundControl<CCoolStatic>::WindowProc(message, wParam, lParam);
        EnableSliders(wParam != 0);
        return result;
    }
    default:
        break;
    }
    return CMixerBoundControl<CCoolStatic>::WindowProc(message, wParam, lParam);
}
