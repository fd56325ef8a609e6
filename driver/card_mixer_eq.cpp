// The card's hardware equalizer: the current set and the named presets in the
// driver's registry key, the on/off switch, the peak meters. The driver reads the
// current set's tables from the registry, so they are written before it is told.
#include "driver/card_mixer.h"

#include "driver/driver_numbers.h"
#include "driver/eq_keys.h"

#include <cstdio>
#include <cstring>

namespace {

// Reads a stored table only when it has exactly the expected size; anything else
// leaves the destination as it was.
bool ReadExactBinary(CRegistry& registry, const char* valueName, const std::string& path,
                     void* destination, DWORD bytes)
{
    std::vector<BYTE> stored(bytes + 1);
    DWORD size = static_cast<DWORD>(stored.size());
    if (!registry.QueryRaw(valueName, stored.data(), &size, path.c_str()) || size != bytes)
        return false;
    std::memcpy(destination, stored.data(), bytes);
    return true;
}

// 1 when all three tables were read.
bool ReadTables(CRegistry& registry, const std::string& path, CEqTables& tables)
{
    const bool gains = ReadExactBinary(registry, kEqGainTableValue, path, tables.Gains(),
                                       tables.GainBytes());
    const bool frequencies = ReadExactBinary(registry, kEqFrequencyTableValue, path,
                                             tables.Frequencies(), tables.FrequencyBytes());
    const bool bandwidths = ReadExactBinary(registry, kEqBandwidthTableValue, path,
                                            tables.Bandwidths(), tables.FrequencyBytes());
    return gains && frequencies && bandwidths;
}

bool WriteTables(CRegistry& registry, const std::string& path, const CEqTables& tables)
{
    const bool gains = registry.SetBinary(kEqGainTableValue, tables.Gains(), tables.GainBytes(),
                                          path.c_str()) != 0;
    const bool frequencies = registry.SetBinary(kEqFrequencyTableValue, tables.Frequencies(),
                                                tables.FrequencyBytes(), path.c_str()) != 0;
    const bool bandwidths = registry.SetBinary(kEqBandwidthTableValue, tables.Bandwidths(),
                                               tables.FrequencyBytes(), path.c_str()) != 0;
    return gains && frequencies && bandwidths;
}

bool SameTables(const CEqTables& a, const CEqTables& b)
{
    return a.Bands() == b.Bands()
        && std::memcmp(a.Gains(), b.Gains(), a.GainBytes()) == 0
        && std::memcmp(a.Frequencies(), b.Frequencies(), a.FrequencyBytes()) == 0
        && std::memcmp(a.Bandwidths(), b.Bandwidths(), a.FrequencyBytes()) == 0;
}

// Registry names ignore case: "currentset" is the key the driver reads too.
bool IsCurrentSetKey(const char* name) { return _stricmp(name, kEqCurrentSetKey) == 0; }

} // namespace

bool CCardMixer::IsUsableEqSetName(const char* name)
{
    if (name == nullptr || name[0] == '\0')
        return false;
    const size_t length = strnlen(name, kEqSetNameSize);
    // A backslash would address another key; the current set's key is no preset.
    return length < kEqSetNameSize && std::strchr(name, '\\') == nullptr && !IsCurrentSetKey(name);
}

std::string CCardMixer::EqRatePath() const
{
    char rate[16];
    std::snprintf(rate, sizeof(rate), "%d", kEqSampleRate);
    return rate;
}

std::string CCardMixer::EqBandPath()
{
    m_eqBands = NormalEqBandCount(m_eqBands);
    char bands[16];
    std::snprintf(bands, sizeof(bands), "%lu-Bands", static_cast<unsigned long>(m_eqBands));
    return EqRatePath() + "\\" + bands;
}

std::string CCardMixer::EqSetPath(const std::string& setName)
{
    return EqBandPath() + "\\" + setName;
}

void CCardMixer::RebuildEqSetList()
{
    m_eqSetNames.clear();
    CRegistry registry = MachineKey(kEqualizerKey);
    const std::string bandPath = EqBandPath();
    const int count = registry.CountSubkeys(bandPath.c_str());
    for (int index = 0; index < count; ++index) {
        char name[kEqSetNameSize];
        // A name too long for the panel cannot be addressed; the others stay listed.
        if (!registry.EnumKey(static_cast<DWORD>(index), name, sizeof(name), bandPath.c_str()))
            continue;
        if (!IsCurrentSetKey(name))
            m_eqSetNames.push_back(name);
    }
}

bool CCardMixer::HasEqSet(const std::string& name) const
{
    for (const std::string& entry : m_eqSetNames) {
        if (entry == name)
            return true;
    }
    return false;
}

bool CCardMixer::WriteEqBandCount()
{
    return WriteDriverNumber(kEqualizerKey, kEqCurrentBandsValue, m_eqBands, EqRatePath().c_str()) != 0;
}

void CCardMixer::ReadEqMaximumBands()
{
    m_eqMaximumBands =
        ReadDriverNumber(kEqualizerKey, kEqMaximumBandsValue, m_eqMaximumBands, EqRatePath().c_str());
}

void CCardMixer::PrepareEqualizer() { m_eqMaximumBands = kEqLargeBandCount; }

void CCardMixer::LoadEqSettings()
{
    // The driver already has the current set: nothing is sent at start-up.
    LoadEqSet(nullptr, false);
    GetEqPeakMeters();
}

void CCardMixer::FreeEqTables() { m_eqTables.Free(); }

int CCardMixer::LoadEqSet(const char* name, bool apply)
{
    if (name != nullptr && !IsUsableEqSetName(name))
        return 0;
    CRegistry registry = MachineKey(kEqualizerKey);
    const std::string ratePath = EqRatePath();
    m_eqBands = ReadDriverNumber(kEqualizerKey, kEqCurrentBandsValue, m_eqBands, ratePath.c_str());
    ReadEqMaximumBands();
    if (m_eqMaximumBands < m_eqBands)
        m_eqBands = m_eqMaximumBands;
    // The tables are sized for the count actually used, so that an odd stored
    // count (0, 7, 100000) never leaves them smaller than what is read into them.
    const std::string bandPath = EqBandPath();
    if (!m_eqTables.IsAllocated() || m_eqTables.Bands() != m_eqBands)
        m_eqTables.Allocate(m_eqBands);

    std::string wanted = kEqDefaultSetName;
    if (name != nullptr) {
        wanted = name;
    } else {
        char stored[kEqSetNameSize];
        const std::string currentPath = bandPath + "\\" + kEqCurrentSetKey;
        if (registry.QueryValue(kEqSetNameValue, stored, sizeof(stored), currentPath.c_str()))
            wanted = stored;
    }
    RebuildEqSetList();
    if (HasEqSet(wanted))
        m_eqSetName = wanted;

    if (apply) {
        if (IsUsableEqSetName(wanted.c_str()))
            ReadTables(registry, EqSetPath(wanted), m_eqTables);
        ApplyEqSet();
    } else {
        ReadTables(registry, EqSetPath(kEqCurrentSetKey), m_eqTables);
    }
    return 1;
}

int CCardMixer::ApplyEqSet()
{
    if (!m_eqTables.IsAllocated())
        return 0;
    WriteEqBandCount();
    ReadEqMaximumBands();
    CRegistry registry = MachineKey(kEqualizerKey);
    const std::string currentPath = EqSetPath(kEqCurrentSetKey);
    WriteTables(registry, currentPath, m_eqTables);
    registry.SetString(kEqSetNameValue, m_eqSetName.c_str(), currentPath.c_str());
    return Succeeded(m_channel.SendCommand(CMD_EQ_RELOAD)) ? 1 : 0;
}

int CCardMixer::SetEqBandGain(int band, int gain)
{
    if (band < 0 || static_cast<DWORD>(band) >= m_eqBands || !m_eqTables.IsAllocated()
        || static_cast<DWORD>(band) >= m_eqTables.GainBytes())
        return 0;
    m_eqTables.Gains()[band] = static_cast<signed char>(gain);
    ApplyEqSet();
    return 0;
}

int CCardMixer::GetEqBandGain(int band) const
{
    if (band < 0 || static_cast<DWORD>(band) >= m_eqBands || !m_eqTables.IsAllocated()
        || static_cast<DWORD>(band) >= m_eqTables.GainBytes())
        return 0;
    return m_eqTables.Gains()[band];
}

int CCardMixer::SetEqEnabled(int enabled)
{
    m_channel.SendCommand(enabled != 0 ? CMD_EQ_ON : CMD_EQ_OFF);
    m_eqEnabled = static_cast<DWORD>(enabled);
    WriteDriverNumber(kEqualizerKey, kEqEnabledValue, m_eqEnabled);
    return ApplyEqSet();
}

int CCardMixer::IsEqEnabled()
{
    m_eqEnabled = ReadDriverNumber(kEqualizerKey, kEqEnabledValue, 0);
    return m_eqEnabled != 0 ? 1 : 0;
}

int CCardMixer::SetEqPeakMeters(int enabled)
{
    m_eqPeakMeters = static_cast<DWORD>(enabled);
    return WriteDriverNumber(kEqualizerKey, kEqPeakMetersValue, m_eqPeakMeters);
}

int CCardMixer::GetEqPeakMeters()
{
    m_eqPeakMeters = ReadDriverNumber(kEqualizerKey, kEqPeakMetersValue, 0);
    return m_eqPeakMeters != 0 ? 1 : 0;
}

int CCardMixer::ReadEqPeakLevels(DWORD* levels, int count)
{
    if (levels == nullptr || count <= 0 || static_cast<DWORD>(count) != m_eqBands)
        return 0;
    const DWORD bytes = static_cast<DWORD>(count) * sizeof(DWORD);
    if (!Succeeded(m_channel.SendCommand(CMD_EQ_PEAK_LEVELS, PointerArgument(levels), bytes))) {
        // Whatever the buffer held before is no level of the driver's.
        std::memset(levels, 0, bytes);
        return 0;
    }
    return 1;
}

const char* CCardMixer::GetEqSetName(int index) const
{
    if (index < 0 || index >= GetEqSetCount())
        return nullptr;
    return m_eqSetNames[static_cast<size_t>(index)].c_str();
}

int CCardMixer::SaveEqSet(const char* name)
{
    if (!m_eqTables.IsAllocated())
        return 0;
    // Refused before anything is written: a name that is too long, empty or has a
    // backslash would be cut or address a key that is no preset.
    const std::string setName = name != nullptr ? name : m_eqSetName;
    if (!IsUsableEqSetName(setName.c_str()))
        return 0;
    WriteEqBandCount();
    ReadEqMaximumBands();
    m_eqSetName = setName;
    RebuildEqSetList();
    CRegistry registry = MachineKey(kEqualizerKey);
    // Created below the rate key (written above), so that the band key of a fresh
    // system comes into being with its first preset.
    const std::string presetPath = EqSetPath(m_eqSetName);
    const std::string belowRate = presetPath.substr(EqRatePath().size() + 1);
    if (!HasEqSet(m_eqSetName)
        && registry.CreateKey(belowRate.c_str(), EqRatePath().c_str(), REG_OPTION_NON_VOLATILE,
                              KEY_ALL_ACCESS))
        m_eqSetNames.push_back(m_eqSetName);
    WriteTables(registry, presetPath, m_eqTables);
    WriteDriverNumber(kEqualizerKey, kEqFlagsValue, 1, presetPath.c_str());
    ApplyEqSet();
    return 1;
}

int CCardMixer::DeleteEqSet(const char* name)
{
    if (!m_eqTables.IsAllocated())
        return 0;
    const std::string setName = name != nullptr ? name : m_eqSetName;
    if (!IsUsableEqSetName(setName.c_str()))
        return 0;
    RebuildEqSetList();
    // The last preset is never deleted (the list is read afresh for that).
    if (m_eqSetNames.size() <= 1 || !HasEqSet(setName))
        return 0;
    CRegistry registry = MachineKey(kEqualizerKey);
    if (!registry.DeleteKey(setName.c_str(), EqBandPath().c_str()))
        return 0;
    RebuildEqSetList();
    if (!HasEqSet(setName) && !m_eqSetNames.empty()) {
        const std::string first = m_eqSetNames.front();
        LoadEqSet(first.c_str(), true);
    }
    return 1;
}

int CCardMixer::IsEqSetUnchanged()
{
    CRegistry registry = MachineKey(kEqualizerKey);
    const std::string currentPath = EqSetPath(kEqCurrentSetKey);
    char stored[kEqSetNameSize];
    if (!registry.QueryValue(kEqSetNameValue, stored, sizeof(stored), currentPath.c_str())
        || !IsUsableEqSetName(stored))
        return 0;
    CEqTables current;
    CEqTables preset;
    current.Allocate(m_eqBands);
    preset.Allocate(m_eqBands);
    if (!ReadTables(registry, currentPath, current) || !ReadTables(registry, EqSetPath(stored), preset))
        return 0;
    return SameTables(current, preset) ? 1 : 0;
}
