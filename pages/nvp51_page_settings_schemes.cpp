// The 3D Settings page's source positioning: the positioner's items and the named
// schemes of positions kept by the card.
#include "pages/nvp51_page_settings.h"

#include "dialogs/settings3d_ids.h"
#include "driver/card_mixer.h"
#include "driver/source_positions.h"
#include "platform/resource_string.h"
#include "string_ids.h"

namespace {

// Item 17 stands for all MIDI channels (items 1-16) at one place.
constexpr int kFirstMidiItem = 1;
constexpr int kLastMidiItem = 16;
constexpr int kSharedItem = 17;

bool IsMidiItem(int index) { return index >= kFirstMidiItem && index <= kLastMidiItem; }

BYTE PositionByte(int value)
{
    // The plane runs 0-127; the tables hold one byte each.
    return static_cast<BYTE>(value < 0 ? 0 : (value > 255 ? 255 : value));
}

} // namespace

void CNVP51PageSettings::LoadScheme(const char* name)
{
    BYTE balance[kSourcePositionCount] = {};
    BYTE fader[kSourcePositionCount] = {};
    // A scheme that cannot be read gives the default positions, sent all the same.
    m_card->LoadSourceScheme(balance, fader, kSourcePositionCount, name);
    for (int i = 0; i < kSourcePositionCount; ++i) {
        m_positioner.SetItemPos(i, balance[i], fader[i]);
        m_card->SendSourcePosition(i, balance[i], fader[i]);
    }
    const bool shared = m_card->GetSourceSchemeFlags() == kSchemeFlagsShared;
    ShowSharedItem(shared);
    const int current = m_positioner.GetCurSel();
    if (shared && IsMidiItem(current))
        m_positioner.SetCurSel(kSharedItem);
    else if (!shared && current == kSharedItem)
        m_positioner.SetCurSel(kFirstMidiItem);
}

void CNVP51PageSettings::ShowSharedItem(bool shared)
{
    for (int i = kFirstMidiItem; i <= kLastMidiItem; ++i)
        m_positioner.SetItemVisible(i, shared ? 0 : 1);
    m_positioner.SetItemVisible(kSharedItem, shared ? 1 : 0);
}

void CNVP51PageSettings::ReadPositions(BYTE* balance, BYTE* fader)
{
    for (int i = 0; i < kSourcePositionCount; ++i) {
        int x = 0;
        int y = 0;
        m_positioner.GetItemPos(i, &x, &y);
        balance[i] = PositionByte(x);
        fader[i] = PositionByte(y);
    }
}

void CNVP51PageSettings::StorePositions(const char* name)
{
    BYTE balance[kSourcePositionCount] = {};
    BYTE fader[kSourcePositionCount] = {};
    ReadPositions(balance, fader);
    DWORD flags = kSchemeFlagsSingle;
    if (m_positioner.GetCurSel() == kSharedItem) {
        for (int i = kFirstMidiItem; i <= kLastMidiItem; ++i) {
            balance[i] = balance[kSharedItem];
            fader[i] = fader[kSharedItem];
            m_positioner.SetItemPos(i, balance[i], fader[i]);
        }
        flags = kSchemeFlagsShared;
    }
    m_card->SetSourceSchemeFlags(flags, name);
    m_card->SaveSourceScheme(balance, fader, kSourcePositionCount, name);
}

void CNVP51PageSettings::StoreOnePosition(int index)
{
    int x = 0;
    int y = 0;
    if (!m_positioner.GetItemPos(index, &x, &y) || index >= kSourcePositionCount)
        return;
    DWORD flags = kSchemeFlagsSingle;
    if (index == kSharedItem) {
        for (int i = kFirstMidiItem; i <= kLastMidiItem; ++i)
            m_positioner.SetItemPos(i, x, y);
        flags = kSchemeFlagsShared;
    }
    BYTE balance[kSourcePositionCount] = {};
    BYTE fader[kSourcePositionCount] = {};
    ReadPositions(balance, fader);
    m_card->SetSourceSchemeFlags(flags, nullptr);
    m_card->SendSourcePosition(index, balance[index], fader[index]);
    m_card->SaveSourceScheme(balance, fader, kSourcePositionCount, nullptr);
}

void CNVP51PageSettings::OnPositionerSelChange(int index)
{
    if (IsMidiItem(index))
        ShowSharedItem(false);
    else if (index == kSharedItem)
        ShowSharedItem(true);
}

void CNVP51PageSettings::OnPositionerDrop(int index)
{
    StoreOnePosition(index);
    m_positioner.Invalidate(false);
    if (!m_newName) {
        Enable(IDC_3D_SCHEME_SAVE, true);
        Enable(IDC_3D_SCHEME_RESTORE, true);
        m_modified = true;
    }
}

void CNVP51PageSettings::OnSchemeSelected(const std::string& name)
{
    if (name.empty())
        return;
    LoadScheme(name.c_str());
    Enable(IDC_3D_SCHEME_ADD, false);
    Enable(IDC_3D_SCHEME_SAVE, false);
    Enable(IDC_3D_SCHEME_RESTORE, false);
    EnableDelete();
    m_newName = false;
    m_modified = false;
    m_positioner.Invalidate(false);
}

void CNVP51PageSettings::OnSchemeEdited()
{
    const std::string text = m_schemes.GetWindowText();
    const bool listed = IsListedScheme(text);
    if (!listed) {
        // A name becomes a registry key: empty or with a path separator it would
        // write into another scheme's key or the schemes' own.
        const bool usable = !text.empty() && text.find('\\') == std::string::npos;
        Enable(IDC_3D_SCHEME_ADD, usable);
        if (m_newName)
            return;
        m_newName = true;
        m_modified = false;
    } else {
        LoadScheme(text.c_str());
        m_newName = false;
        m_modified = true;
        Enable(IDC_3D_SCHEME_ADD, false);
    }
    Enable(IDC_3D_SCHEME_DELETE, !m_newName && m_card->GetSourceSchemeCount() > 1);
    Enable(IDC_3D_SCHEME_SAVE, m_modified);
    Enable(IDC_3D_SCHEME_RESTORE, m_modified);
}

void CNVP51PageSettings::OnSchemeSave()
{
    const std::string name = SelectedSchemeName();
    if (name.empty())
        return;
    StorePositions(name.c_str());
    Enable(IDC_3D_SCHEME_SAVE, false);
    Enable(IDC_3D_SCHEME_RESTORE, false);
    m_modified = false;
}

void CNVP51PageSettings::OnSchemeAdd()
{
    const std::string name = m_schemes.GetWindowText();
    if (!m_newName || name.empty() || name.find('\\') != std::string::npos)
        return;
    m_newName = false;
    m_modified = false;
    Enable(IDC_3D_SCHEME_ADD, false);
    StorePositions(name.c_str());
    m_card->LoadSourceSchemeList(nullptr);
    FillSchemeList();
    SelectCurrentScheme();
    EnableDelete();
}

void CNVP51PageSettings::OnSchemeDelete()
{
    const std::string name = SelectedSchemeName();
    if (name.empty())
        return;
    const std::string question = LoadResourceString(IDS_CONFIRM_DELETE_PRESET);
    const std::string caption = LoadResourceString(IDS_PRODUCT_NAME);
    if (MessageBox(question.c_str(), caption.c_str(), MB_OKCANCEL) != IDOK)
        return;
    m_card->DeleteSourceScheme(name.c_str());
    FillSchemeList();
    SelectCurrentScheme();
    OnSchemeSelected(SelectedSchemeName());
    EnableDelete();
}

void CNVP51PageSettings::FillSchemeList()
{
    m_schemes.ResetContent();
    for (int i = 0; i < m_card->GetSourceSchemeCount(); ++i) {
        const char* name = m_card->GetSourceSchemeName(i);
        if (name != nullptr)
            m_schemes.AddString(name);
    }
}

void CNVP51PageSettings::SelectCurrentScheme()
{
    const std::string current = m_card->GetCurrentSourceSchemeName();
    for (int i = 0; i < m_schemes.GetCount(); ++i)
        if (m_schemes.GetLBText(i) == current) {
            m_schemes.SetCurSel(i);
            return;
        }
    m_schemes.SetCurSel(0);
}

std::string CNVP51PageSettings::SelectedSchemeName() const
{
    const int index = m_schemes.GetCurSel();
    if (index >= 0)
        return m_schemes.GetLBText(index);
    // A listed name typed in full counts as chosen.
    const std::string typed = m_schemes.GetWindowText();
    return IsListedScheme(typed) ? typed : std::string();
}

bool CNVP51PageSettings::IsListedScheme(const std::string& name) const
{
    for (int i = 0; i < m_schemes.GetCount(); ++i)
        if (m_schemes.GetLBText(i) == name)
            return true;
    return false;
}

void CNVP51PageSettings::EnableDelete()
{
    Enable(IDC_3D_SCHEME_DELETE, m_card->GetSourceSchemeCount() > 1);
}
