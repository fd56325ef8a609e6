#include "mixer/controls/mixer_mux_control.h"

#include <algorithm>
#include <string>

#include "mixer/controls/mixer_control_ids.h"
#include "mixer/controls/mixer_names.h"
#include "mixer/mixer_device.h"
#include "platform/dc.h"

namespace {

constexpr int kItemInset = 2;

} // namespace

const CRuntimeClass CMixerMuxControl::classCMixerMuxControl("CMixerMuxControl", &CWnd::classCWnd);

CMixerMuxControl::CMixerMuxControl(CMixerDevice* mixer, DWORD lineId, DWORD controlId)
{
    m_mixer = mixer;
    m_lineId = lineId;
    m_controlId = controlId;
}

CMixerMuxControl::~CMixerMuxControl() = default;

CCoolButton* CMixerMuxControl::GetItemButton(int index) const
{
    return index >= 0 && index < GetItemButtonCount() ? m_items[static_cast<size_t>(index)].get() : nullptr;
}

void CMixerMuxControl::OnControlChange(DWORD controlId, bool)
{
    if (controlId == m_controlId)
        Update(true);
}

bool CMixerMuxControl::Update(bool fromMixer)
{
    if (m_mixer == nullptr || m_state.empty())
        return false;
    const DWORD bytes = static_cast<DWORD>(m_state.size() * sizeof(LONG));
    const size_t shown = std::min(m_items.size(), m_state.size());
    if (fromMixer) {
        if (!m_mixer->GetBooleanArray(m_controlId, m_state.data(), bytes))
            return false;
        for (size_t i = 0; i < shown; ++i)
            if (m_items[i]->m_hWnd != nullptr)
                m_items[i]->SetCheck(m_state[i] != 0 ? BST_CHECKED : BST_UNCHECKED);
        return true;
    }
    for (size_t i = 0; i < shown; ++i)
        if (m_items[i]->m_hWnd != nullptr)
            m_state[i] = m_items[i]->GetCheck() != BST_UNCHECKED ? 1 : 0;
    return m_mixer->SetBooleanArray(m_controlId, m_state.data(), bytes);
}

bool CMixerMuxControl::Initialize()
{
    if (!ReadBinding(&m_line))
        return false;
    m_items.clear();
    m_state.clear();
    if (m_control.dwControlType != MIXERCONTROL_CONTROLTYPE_MUX ||
        (m_control.fdwControl & MIXERCONTROL_CONTROLF_MULTIPLE) == 0 || m_control.cMultipleItems == 0 ||
        m_hWnd == nullptr)
        return false;
    const MIXERCONTROLDETAILS* names = nullptr;
    if (!m_mixer->FindListText(m_controlId, names))
        names = nullptr;
    m_state.assign(m_control.cMultipleItems, 0);
    CreateItemButtons(names);
    Listen(m_controlId);
    Update(true);
    return true;
}

void CMixerMuxControl::CreateItemButtons(const MIXERCONTROLDETAILS* names)
{
    RECT client = {};
    GetClientRect(&client);
    const int count = static_cast<int>(m_control.cMultipleItems);
    const int rowHeight = client.bottom / count;
    RECT row = {0, 0, client.right, rowHeight};
    InflateRect(&row, -kItemInset, -kItemInset);
    const auto* texts = names != nullptr ? static_cast<const MIXERCONTROLDETAILS_LISTTEXTA*>(names->paDetails) : nullptr;
    const DWORD textCount = names != nullptr ? names->cMultipleItems : 0;
    const HFONT font = GetFont();
    // Only the buttons whose IDs the column listens to are made.
    const int buttons = std::min(count, kMuxMaxItemButtons);
    // The dialog manager enters the column only so: Tab and the arrows reach its items.
    ModifyStyleEx(0, WS_EX_CONTROLPARENT);
    for (int i = 0; i < buttons; ++i) {
        auto button = std::make_unique<CCoolButton>();
        const std::string text =
            texts != nullptr && static_cast<DWORD>(i) < textCount ? FieldText(texts[i].szName) : std::string();
        button->Create("BUTTON", text.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTORADIOBUTTON, row, m_hWnd,
                       static_cast<UINT>(kMuxItemFirstId + i));
        if (button->m_hWnd != nullptr && font != nullptr)
            button->SetFont(font, false);
        m_items.push_back(std::move(button));
        OffsetRect(&row, 0, rowHeight);
    }
}

LRESULT CMixerMuxControl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        // The item buttons draw; the column itself shows nothing.
        CPaintDC validate(m_hWnd);
        return 0;
    }
    case WM_SETFONT: {
        const LRESULT result = CMixerBoundControl<CCoolStatic>::WindowProc(message, wParam, lParam);
        for (const auto& item : m_items)
            if (item->m_hWnd != nullptr)
                item->SetFont(reinterpret_cast<HFONT>(wParam), LOWORD(lParam) != 0);
        return result;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) >= kMuxItemFirstId && LOWORD(wParam) <= kMuxItemLastId && HIWORD(wParam) == BN_CLICKED) {
            Update(false);
            return 0;
        }
        break;
    default:
        break;
    }
    return CMixerBoundControl<CCoolStatic>::WindowProc(message, wParam, lParam);
}
