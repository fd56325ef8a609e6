#include "mixer/controls/mixer_button.h"

#include <algorithm>
#include <vector>

#include "mixer/controls/mixer_names.h"
#include "mixer/mixer_device.h"

const CRuntimeClass CMixerButton::classCMixerButton("CMixerButton", &CWnd::classCWnd);

void CMixerButton::SetItem(int itemCount, int itemIndex)
{
    m_itemCount = std::max(itemCount, 0);
    m_itemIndex = itemIndex;
}

void CMixerButton::OnControlChange(DWORD controlId, bool refresh)
{
    if (controlId != m_controlId)
        return;
    Update(true);
    if (refresh)
        RefreshDescription();
    NotifyParent();
}

bool CMixerButton::Update(bool fromMixer)
{
    if (m_hWnd == nullptr || m_mixer == nullptr)
        return false;
    return m_itemCount > 0 ? UpdateItem(fromMixer) : UpdateWhole(fromMixer);
}

bool CMixerButton::UpdateItem(bool fromMixer)
{
    // An index outside the items would read or write past the values.
    if (m_itemIndex < 0 || m_itemIndex >= m_itemCount)
        return false;
    std::vector<LONG> values(static_cast<size_t>(m_itemCount), 0);
    const DWORD bytes = static_cast<DWORD>(values.size() * sizeof(LONG));
    if (!m_mixer->GetBooleanArray(m_controlId, values.data(), bytes))
        return false;
    LONG& item = values[static_cast<size_t>(m_itemIndex)];
    if (fromMixer) {
        ShowCheck(item != 0);
        return true;
    }
    const LONG checked = GetCheck() != BST_UNCHECKED ? 1 : 0;
    // One record source at a time: checking an item of a mux clears the others.
    if (m_control.dwControlType == MIXERCONTROL_CONTROLTYPE_MUX && checked)
        std::fill(values.begin(), values.end(), 0);
    item = checked;
    return m_mixer->SetBooleanArray(m_controlId, values.data(), bytes);
}

bool CMixerButton::UpdateWhole(bool fromMixer)
{
    if (fromMixer) {
        LONG value = 0;
        if (!m_mixer->GetBoolean(m_controlId, value))
            return false;
        ShowCheck(value != 0);
        return true;
    }
    // Every channel of the switch gets the same state.
    return m_mixer->SetBooleanAll(m_controlId, GetCheck() != BST_UNCHECKED ? 1 : 0);
}

void CMixerButton::ShowCheck(bool checked)
{
    const int check = checked ? BST_CHECKED : BST_UNCHECKED;
    if (GetCheck() != check)
        SetCheck(check);
}

void CMixerButton::NotifyParent()
{
    if (m_hWnd == nullptr)
        return;
    m_notify.header.hwndFrom = m_hWnd;
    m_notify.header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    m_notify.header.code = NM_MIXERCHANGE;
    m_notify.lineId = LOWORD(m_lineId);
    m_notify.controlId = m_controlId;
    ::SendMessageA(GetParent(), WM_NOTIFY, static_cast<WPARAM>(GetDlgCtrlID()), reinterpret_cast<LPARAM>(&m_notify));
}

bool CMixerButton::Initialize()
{
    if (!ReadBinding())
        return false;
    Listen(m_controlId);
    if (m_hWnd == nullptr)
        return true;
    std::string text = FieldText(m_control.szShortName);
    if (m_itemCount > 0) {
        const MIXERCONTROLDETAILS* names = nullptr;
        text.clear();
        if (m_mixer->FindListText(m_controlId, names) && names != nullptr && names->paDetails != nullptr &&
            m_itemIndex >= 0 && static_cast<DWORD>(m_itemIndex) < names->cMultipleItems)
            text = FieldText(static_cast<const MIXERCONTROLDETAILS_LISTTEXTA*>(names->paDetails)[m_itemIndex].szName);
    }
    SetWindowText(text.c_str());
    ApplyDisabledFlag();
    Update(true);
    return true;
}

bool CMixerButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    // The click writes the new state; the parent still sees the command.
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED)
        Update(false);
    return CMixerBoundControl<CCoolButton>::OnChildNotify(message, wParam, lParam, result);
}
