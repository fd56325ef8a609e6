// The 3D Settings page's source positioning: the positioner's items and the named
// schemes of positions kept by the card.
#include "pages/nvp51_page_settings.h"

#include "driver/card_mixer.h"
#include "driver/source_positions.h"

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
    m_schemes.OnValuesChanged();
}

int CNVP51PageSettings::PresetCount() const { return m_card->GetSourceSchemeCount(); }
const char* CNVP51PageSettings::PresetName(int index) const { return m_card->GetSourceSchemeName(index); }
const char* CNVP51PageSettings::CurrentPresetName() const { return m_card->GetCurrentSourceSchemeName(); }
bool CNVP51PageSettings::IsPresetUnchanged() { return m_card->IsSourceSchemeUnchanged() != 0; }

void CNVP51PageSettings::LoadPreset(const char* name)
{
    LoadScheme(name);
    m_positioner.Invalidate(false);
}

bool CNVP51PageSettings::SavePreset(const char* name)
{
    // A scheme is always saved by its name; the list then holds a new one too.
    if (name == nullptr)
        return false;
    StorePositions(name);
    m_card->LoadSourceSchemeList(nullptr);
    return true;
}

void CNVP51PageSettings::DeletePreset(const char* name)
{
    if (name != nullptr)
        m_card->DeleteSourceScheme(name);
}

void CNVP51PageSettings::OnStoredNameTyped(const char* name) { LoadScheme(name); }
