// Source positions: sending them to the driver and keeping named schemes of them
// in the registry, beside the "CurrentScheme" the driver reads.
#include "driver/card_mixer.h"

#include "driver/driver_numbers.h"

#include <cstring>

namespace {

bool IsGiven(const char* name) { return name != nullptr && name[0] != '\0'; }

// Registry names ignore case: "currentscheme" is the key the driver reads too.
bool IsCurrentSchemeKey(const char* name) { return _stricmp(name, kCurrentSchemeSubkey) == 0; }


// Reads one table, which must be stored with exactly one byte per source.
bool ReadTable(CRegistry& key, const char* valueName, BYTE* table, const char* subkey)
{
    BYTE stored[kSourcePositionCount];
    DWORD size = sizeof(stored);
    if (!key.QueryRaw(valueName, stored, &size, subkey) || size != sizeof(stored))
        return false;
    std::memcpy(table, stored, sizeof(stored));
    return true;
}

bool ReadTables(CRegistry& key, SourcePositionTables& tables, const char* subkey)
{
    return ReadTable(key, kBalanceTableValue, tables.balance, subkey)
        && ReadTable(key, kFaderTableValue, tables.fader, subkey);
}

bool WriteTable(CRegistry& key, const char* valueName, const BYTE* table, const char* subkey)
{
    return key.SetBinary(valueName, table, kSourcePositionCount, subkey) != 0;
}

// A scheme without flags counts as flags 0, as when schemes are compared.
DWORD StoredFlags(const char* subkey)
{
    return ReadDriverNumber(kSourcePositioningKey, kSchemeFlagsValue, 0, subkey);
}

} // namespace

// A name that can be a subkey of its own: it fits, names no deeper key and is
// not the current scheme's key.
bool CCardMixer::IsUsableSourceSchemeName(const char* name)
{
    return IsGiven(name) && strnlen(name, kSchemeNameSize) < kSchemeNameSize
        && std::strchr(name, '\\') == nullptr && !IsCurrentSchemeKey(name);
}

void CCardMixer::LoadSourcePositionSettings() { LoadSourceSchemeList(nullptr); }

int CCardMixer::SendSourcePosition(int index, DWORD balance, DWORD fader)
{
    // The driver indexes its own tables with this.
    if (index < 0 || index >= kSourcePositionCount)
        return 0;
    m_channel.SendCommand(CMD_SOURCE_POSITION, static_cast<DWORD>(index), balance & 0xFF,
                          fader & 0xFF);
    return 1;
}

int CCardMixer::LoadSourceScheme(BYTE* balance, BYTE* fader, int count, const char* name)
{
    if (count != kSourcePositionCount || balance == nullptr || fader == nullptr)
        return 0;
    CRegistry key = MachineKey(kSourcePositioningKey);
    SourcePositionTables tables;
    if (!IsGiven(name)) {
        if (ReadTables(key, tables, kCurrentSchemeSubkey)) {
            std::memcpy(balance, tables.balance, kSourcePositionCount);
            std::memcpy(fader, tables.fader, kSourcePositionCount);
            char stored[kSchemeNameSize];
            if (key.QueryValue(kSchemeNameValue, stored, sizeof(stored), kCurrentSchemeSubkey))
                m_sourceSchemeName = stored;
            return 1;
        }
    } else if (IsUsableSourceSchemeName(name) && ReadTables(key, tables, name)
               && WriteTable(key, kBalanceTableValue, tables.balance, kCurrentSchemeSubkey)
               && WriteTable(key, kFaderTableValue, tables.fader, kCurrentSchemeSubkey)
               && key.SetDword(kSchemeFlagsValue, StoredFlags(name), kCurrentSchemeSubkey)
               && key.SetString(kSchemeNameValue, name, kCurrentSchemeSubkey)) {
        // The loaded scheme is the current one as a whole: its flags and its name too.
        std::memcpy(balance, tables.balance, kSourcePositionCount);
        std::memcpy(fader, tables.fader, kSourcePositionCount);
        m_sourceSchemeName = name;
        return 1;
    }
    std::memset(balance, kDefaultBalance, kSourcePositionCount);
    std::memset(fader, kDefaultFader, kSourcePositionCount);
    return 0;
}

int CCardMixer::SaveSourceScheme(const BYTE* balance, const BYTE* fader, int count,
                                 const char* name)
{
    if (count != kSourcePositionCount)
        return 0;
    if (IsGiven(name) && !IsUsableSourceSchemeName(name))
        return 0;
    CRegistry key = MachineKey(kSourcePositioningKey);
    bool saved = true;
    if (IsGiven(name)) {
        // Writing "CurrentScheme" first makes sure the key the scheme goes below exists.
        saved = key.SetString(kSchemeNameValue, name, kCurrentSchemeSubkey) != 0;
        saved = key.CreateKey(name) != 0 && saved;
        if (balance != nullptr)
            saved = WriteTable(key, kBalanceTableValue, balance, name) && saved;
        if (fader != nullptr)
            saved = WriteTable(key, kFaderTableValue, fader, name) && saved;
    }
    bool balanceWritten = true;
    if (balance != nullptr)
        balanceWritten = WriteTable(key, kBalanceTableValue, balance, kCurrentSchemeSubkey);
    if (fader != nullptr && balanceWritten)
        balanceWritten = WriteTable(key, kFaderTableValue, fader, kCurrentSchemeSubkey);
    return saved && balanceWritten ? 1 : 0;
}

int CCardMixer::RebuildSourceSchemeList()
{
    m_sourceSchemes.clear();
    CRegistry key = MachineKey(kSourcePositioningKey);
    const int count = key.CountSubkeys();
    // "CurrentScheme" alone is no scheme.
    if (count < 2)
        return 0;
    for (int index = 0; index < count; ++index) {
        char name[kSchemeNameSize];
        if (!key.EnumKey(static_cast<DWORD>(index), name, sizeof(name)))
            return 0;
        if (!IsCurrentSchemeKey(name))
            m_sourceSchemes.push_back(name);
    }
    return 1;
}

int CCardMixer::LoadSourceSchemeList(const char* name)
{
    const int result = RebuildSourceSchemeList();
    if (name != nullptr) {
        m_sourceSchemeName.assign(name, strnlen(name, kSchemeNameSize - 1));
        return result;
    }
    CRegistry key = MachineKey(kSourcePositioningKey);
    char stored[kSchemeNameSize];
    if (key.QueryValue(kSchemeNameValue, stored, sizeof(stored), kCurrentSchemeSubkey))
        m_sourceSchemeName = stored;
    else if (!m_sourceSchemes.empty())
        m_sourceSchemeName = m_sourceSchemes.front();
    else
        m_sourceSchemeName = kDefaultSchemeName;
    return result;
}

int CCardMixer::DeleteSourceScheme(const char* name)
{
    // "CurrentScheme" is what the driver reads, not a scheme of the user's.
    if (!IsUsableSourceSchemeName(name))
        return 0;
    CRegistry key = MachineKey(kSourcePositioningKey);
    const int deleted = key.DeleteKey(name);
    RebuildSourceSchemeList();
    return deleted;
}

const char* CCardMixer::GetSourceSchemeName(int index) const
{
    if (index < 0 || index >= GetSourceSchemeCount())
        return nullptr;
    return m_sourceSchemes[static_cast<size_t>(index)].c_str();
}

int CCardMixer::SetSourceSchemeFlags(DWORD flags, const char* name)
{
    if (IsGiven(name) && !IsUsableSourceSchemeName(name))
        return 0;
    CRegistry key = MachineKey(kSourcePositioningKey);
    int result = key.SetDword(kSchemeFlagsValue, flags, kCurrentSchemeSubkey);
    if (IsGiven(name))
        result = key.SetDword(kSchemeFlagsValue, flags, name);
    return result;
}

DWORD CCardMixer::GetSourceSchemeFlags()
{
    return StoredFlags(kCurrentSchemeSubkey);
}

int CCardMixer::IsSourceSchemeUnchanged()
{
    if (m_sourceSchemeName.empty())
        return 1;
    CRegistry key = MachineKey(kSourcePositioningKey);
    auto read = [&key](const char* subkey, SourcePositionTables& tables, DWORD& flags) {
        // What cannot be read compares as zeros.
        if (!ReadTable(key, kBalanceTableValue, tables.balance, subkey))
            std::memset(tables.balance, 0, sizeof(tables.balance));
        if (!ReadTable(key, kFaderTableValue, tables.fader, subkey))
            std::memset(tables.fader, 0, sizeof(tables.fader));
        flags = StoredFlags(subkey);
    };
    SourcePositionTables current, named;
    DWORD currentFlags = 0, namedFlags = 0;
    read(kCurrentSchemeSubkey, current, currentFlags);
    if (IsUsableSourceSchemeName(m_sourceSchemeName.c_str())) {
        read(m_sourceSchemeName.c_str(), named, namedFlags);
    } else {
        std::memset(&named, 0, sizeof(named));
    }
    return std::memcmp(&current, &named, sizeof(current)) == 0 && currentFlags == namedFlags ? 1 : 0;
}
