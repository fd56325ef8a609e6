#include "simcard/sim_factory_content.h"

#include "driver/eq_keys.h"
#include "driver/source_positions.h"
#include "platform/registry_key.h"

#include <cmath>
#include <cstring>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct FactoryPreset {
    const char* name;
    signed char gains[10]; // dB at the ten-band frequencies, -10 to +10
};

// Ten-band gains; the five- and two-band presets take the bands nearest to theirs.
constexpr FactoryPreset kPresets[kSimFactoryPresetCount] = {
    {kSimFlatPresetName, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {"Rock", {5, 4, 3, 1, -1, -1, 1, 3, 4, 5}},
    {"Pop", {-1, 1, 3, 4, 4, 2, 0, -1, -1, -2}},
    {"Jazz", {3, 2, 1, 2, -1, -1, 0, 1, 2, 3}},
    {"Classical", {4, 3, 2, 1, 0, 0, 0, 2, 3, 4}},
    {"Bass Boost", {8, 7, 5, 3, 1, 0, 0, 0, 0, 0}},
};

struct BandLayout {
    int count;
    WORD frequencies[10]; // Hz
    WORD bandwidths[10];  // Hz
    int tenBandIndex[10]; // which ten-band gain each band takes
};

constexpr BandLayout kLayouts[] = {
    {10,
     {20, 75, 135, 250, 500, 1000, 2000, 4000, 8000, 16000}, // the EQ page's labels
     {14, 53, 95, 177, 354, 707, 1414, 2828, 5657, 11314},   // about one octave each
     {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
    {5, {75, 250, 1000, 4000, 16000}, {113, 375, 1500, 6000, 24000}, {1, 3, 5, 7, 9}}, // about two octaves
    {2, {100, 10000}, {200, 20000}, {1, 8}},
};

struct FactoryScheme {
    const char* name;
    double radiusX; // of the ring sources 1-16 stand on around the listener, 0-63
    double radiusY;
    double frontOnly; // 1: the ring is a half ring in front, from left to right
};

constexpr FactoryScheme kSchemes[kSimFactorySchemeCount] = {
    {kDefaultSchemeName, 40, 40, 0},
    {"Wide", 60, 56, 0},
    {"Headphones", 60, 24, 1},
};

constexpr BYTE kCentre = 64;
constexpr DWORD kFactorySchemeFlags = kSchemeFlagsSingle;

bool SubkeyExists(HKEY parent, const std::string& name)
{
    CRegistryKey key;
    return key.Open(parent, name.c_str(), KEY_READ);
}

bool WriteBinary(HKEY key, const char* name, const void* data, DWORD size)
{
    return RegSetValueExA(key, name, 0, REG_BINARY, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
}

bool WriteString(HKEY key, const char* name, const char* text)
{
    return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                          static_cast<DWORD>(std::strlen(text) + 1)) == ERROR_SUCCESS;
}

// Writes a value only where none of that name is stored.
bool WriteBinaryIfMissing(HKEY key, const char* name, DWORD value)
{
    if (RegQueryValueExA(key, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS)
        return true;
    return WriteBinary(key, name, &value, sizeof(value));
}

bool WriteBandSet(HKEY bandKey, const std::string& name, const BandLayout& layout, const FactoryPreset& preset,
                  const char* currentName)
{
    CRegistryKey set;
    if (!set.Create(bandKey, name.c_str(), 0, KEY_WRITE))
        return false;
    signed char gains[10] = {};
    for (int band = 0; band < layout.count; ++band)
        gains[band] = preset.gains[layout.tenBandIndex[band]];
    const DWORD tableBytes = static_cast<DWORD>(layout.count) * sizeof(WORD);
    bool written = WriteBinary(set.Get(), kEqGainTableValue, gains, static_cast<DWORD>(layout.count))
        && WriteBinary(set.Get(), kEqFrequencyTableValue, layout.frequencies, tableBytes)
        && WriteBinary(set.Get(), kEqBandwidthTableValue, layout.bandwidths, tableBytes);
    if (written && currentName != nullptr)
        written = WriteString(set.Get(), kEqSetNameValue, currentName);
    return written;
}

bool InstallPresets()
{
    char ratePath[256];
    std::snprintf(ratePath, sizeof(ratePath), "%s\\%d", kEqualizerKey, kEqSampleRate);
    CRegistryKey rate;
    if (!rate.Create(HKEY_LOCAL_MACHINE, ratePath, 0, KEY_READ | KEY_WRITE))
        return false;
    bool written = WriteBinaryIfMissing(rate.Get(), kEqCurrentBandsValue, 10)
        && WriteBinaryIfMissing(rate.Get(), kEqMaximumBandsValue, 10);
    for (const BandLayout& layout : kLayouts) {
        char bandName[16];
        std::snprintf(bandName, sizeof(bandName), "%d-Bands", layout.count);
        CRegistryKey bands;
        if (!bands.Create(rate.Get(), bandName, 0, KEY_READ | KEY_WRITE))
            return false;
        for (const FactoryPreset& preset : kPresets)
            if (!SubkeyExists(bands.Get(), preset.name))
                written = WriteBandSet(bands.Get(), preset.name, layout, preset, nullptr) && written;
        if (!SubkeyExists(bands.Get(), kEqCurrentSetKey))
            written = WriteBandSet(bands.Get(), kEqCurrentSetKey, layout, kPresets[0], kSimFlatPresetName) && written;
    }
    return written;
}

BYTE Axis(double value)
{
    return static_cast<BYTE>(std::lround(value < 0 ? 0 : value > 127 ? 127 : value));
}

// Sources 1-16 evenly on the scheme's ring (front at the top), the others and the
// shared position at the listener's place.
SourcePositionTables SchemeTables(const FactoryScheme& scheme)
{
    SourcePositionTables tables = {};
    const double pi = std::acos(-1.0);
    for (int index = 0; index < kSourcePositionCount; ++index) {
        double x = kCentre;
        double y = kCentre;
        if (index >= 1 && index <= 16) {
            const int step = index - 1;
            // Full ring: from straight ahead clockwise; half ring: from left to right.
            const double angle = scheme.frontOnly != 0 ? pi + pi * step / 15.0 : -pi / 2 + 2 * pi * step / 16.0;
            x = kCentre + scheme.radiusX * std::cos(angle);
            y = kCentre + scheme.radiusY * std::sin(angle);
        }
        tables.balance[index] = Axis(x);
        tables.fader[index] = Axis(y);
    }
    return tables;
}

bool WriteScheme(HKEY schemesKey, const char* subkey, const SourcePositionTables& tables, const char* currentName)
{
    CRegistryKey scheme;
    if (!scheme.Create(schemesKey, subkey, 0, KEY_WRITE))
        return false;
    bool written = WriteBinary(scheme.Get(), kBalanceTableValue, tables.balance, kSourcePositionCount)
        && WriteBinary(scheme.Get(), kFaderTableValue, tables.fader, kSourcePositionCount)
        && RegSetValueExA(scheme.Get(), kSchemeFlagsValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&kFactorySchemeFlags),
                          sizeof(kFactorySchemeFlags)) == ERROR_SUCCESS;
    if (written && currentName != nullptr)
        written = WriteString(scheme.Get(), kSchemeNameValue, currentName);
    return written;
}

bool InstallSchemes()
{
    CRegistryKey schemes;
    if (!schemes.Create(HKEY_LOCAL_MACHINE, kSourcePositioningKey, 0, KEY_READ | KEY_WRITE))
        return false;
    bool written = true;
    for (const FactoryScheme& scheme : kSchemes)
        if (!SubkeyExists(schemes.Get(), scheme.name))
            written = WriteScheme(schemes.Get(), scheme.name, SchemeTables(scheme), nullptr) && written;
    if (!SubkeyExists(schemes.Get(), kCurrentSchemeSubkey))
        written = WriteScheme(schemes.Get(), kCurrentSchemeSubkey, SchemeTables(kSchemes[0]), kDefaultSchemeName)
            && written;
    return written;
}

} // namespace

bool IsSimFactoryContentMarked()
{
    CRegistryKey card;
    DWORD mark = 0;
    DWORD size = sizeof(mark);
    DWORD type = 0;
    return card.Open(HKEY_CURRENT_USER, kSimCardKey, KEY_READ)
        && RegQueryValueExA(card.Get(), kSimFactoryMarkValue, nullptr, &type, reinterpret_cast<BYTE*>(&mark), &size)
            == ERROR_SUCCESS
        && type == REG_DWORD && size == sizeof(mark) && mark != 0;
}

bool MarkSimFactoryContent(bool installed)
{
    CRegistryKey card;
    if (!card.Create(HKEY_CURRENT_USER, kSimCardKey, 0, KEY_WRITE))
        return false;
    if (!installed) {
        const LONG result = RegDeleteValueA(card.Get(), kSimFactoryMarkValue);
        return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
    }
    const DWORD mark = 1;
    return RegSetValueExA(card.Get(), kSimFactoryMarkValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&mark),
                          sizeof(mark)) == ERROR_SUCCESS;
}

bool InstallSimFactoryContent()
{
    if (IsSimFactoryContentMarked())
        return true;
    const bool presets = InstallPresets();
    const bool schemes = InstallSchemes();
    return presets && schemes && MarkSimFactoryContent(true);
}
