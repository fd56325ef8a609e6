#include "mixer/controls/mixer_slider.h"

#include "mixer/controls/fader_arithmetic.h"
#include "mixer/mixer_device.h"

const CRuntimeClass CMixerSlider::classCMixerSlider("CMixerSlider", &CAudioSlider::classCAudioSlider);

void CMixerSlider::OnControlChange(DWORD controlId, bool refresh)
{
    if (controlId != m_controlId)
        return;
    Update(true);
    if (refresh)
        RefreshDescription();
}

bool CMixerSlider::Update(bool fromMixer)
{
    if (m_hWnd == nullptr || m_mixer == nullptr)
        return false;
    const int maximum = GetRangeMax();
    const int64_t step = ValuePerPosition(VolumeSpan(m_control), maximum);
    if (step == 0)
        return false;
    if (!fromMixer)
        return m_mixer->SetUnsigned(m_controlId, ValueOfPosition(GetPos(), step, maximum));
    DWORD value = 0;
    if (!m_mixer->GetUnsigned(m_controlId, value))
        return false;
    const int position = PositionOfValue(value, step, maximum);
    if (GetPos() != position)
        SetPos(position);
    return true;
}

bool CMixerSlider::Initialize()
{
    if (!ReadBinding())
        return false;
    Listen(m_controlId);
    if (m_hWnd == nullptr)
        return true;
    SetRange(0, StepsMaximum(m_control.Metrics.cSteps), true);
    ApplyDisabledFlag();
    Update(true);
    return true;
}

bool CMixerSlider::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    // The move is written; the parent still sees the scroll message.
    if (message == WM_HSCROLL || message == WM_VSCROLL)
        Update(false);
    return CMixerBoundControl<CAudioSlider>::OnChildNotify(message, wParam, lParam, result);
}
