#include "halvardctl/ctl_test_support.h"

#include "driver/driver_keys.h"
#include "driver/eq_keys.h"
#include "simcard/sim_mixer_store.h"
#include "support/registry_guard.h"

#include <cstdio>
#include <cstring>

namespace {

CardBenchOptions SharedCardOptions()
{
    CardBenchOptions options;
    // The store halvardctl's own simulated card keeps its values in, so both see one card.
    options.mixerStoreKey = SimMixerStore::DefaultKey();
    // The system Wine reports, as in the halvardctl process.
    options.system.reset();
    options.emptyDriverTree = true;
    return options;
}

void WriteBinary(const std::string& key, const char* name, const std::vector<BYTE>& bytes)
{
    WriteMachineBinary(key, name, bytes.data(), static_cast<DWORD>(bytes.size()));
}

void DumpTree(HKEY root, const std::string& path, std::string& text)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return;
    text += "[" + path + "]\n";
    for (DWORD index = 0;; ++index) {
        char name[256];
        BYTE data[1024];
        DWORD nameSize = sizeof(name), dataSize = sizeof(data), type = 0;
        if (RegEnumValueA(key, index, name, &nameSize, nullptr, &type, data, &dataSize) != ERROR_SUCCESS)
            break;
        text += std::string(name, nameSize) + "=" + std::to_string(type) + ":";
        for (DWORD i = 0; i < dataSize; ++i) {
            char hex[4];
            std::snprintf(hex, sizeof(hex), "%02X", data[i]);
            text += hex;
        }
        text += "\n";
    }
    std::vector<std::string> children;
    for (DWORD index = 0;; ++index) {
        char name[256];
        DWORD size = sizeof(name);
        if (RegEnumKeyExA(key, index, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        children.emplace_back(name, size);
    }
    RegCloseKey(key);
    for (const std::string& child : children)
        DumpTree(root, path + "\\" + child, text);
}

} // namespace

HalvardCtlTest::HalvardCtlTest() : m_bench(std::make_unique<CardBench>(SharedCardOptions())) {}

void HalvardCtlTest::SetUp()
{
    SimMixerStore(SimMixerStore::DefaultKey()).Remove();
}

void HalvardCtlTest::WritePresets(const std::vector<std::string>& names)
{
    const std::string rate = std::string(kEqualizerKey) + "\\48000";
    const DWORD bands = 10;
    WriteMachineBinary(rate, kEqCurrentBandsValue, &bands, sizeof(bands));
    const std::string bandKey = rate + "\\10-Bands";
    for (size_t n = 0; n <= names.size(); ++n) {
        const std::string key = bandKey + "\\" + (n < names.size() ? names[n] : std::string(kEqCurrentSetKey));
        const int seed = static_cast<int>(n < names.size() ? n : 0) + 1;
        std::vector<BYTE> gains, frequencies, bandwidths;
        for (int band = 0; band < 10; ++band) {
            gains.push_back(static_cast<BYTE>(seed + band - 5));
            frequencies.insert(frequencies.end(), {static_cast<BYTE>(seed * 3 + band), static_cast<BYTE>(band)});
            bandwidths.insert(bandwidths.end(), {static_cast<BYTE>(seed * 5 + band), 0x01});
        }
        WriteBinary(key, kEqGainTableValue, gains);
        WriteBinary(key, kEqFrequencyTableValue, frequencies);
        WriteBinary(key, kEqBandwidthTableValue, bandwidths);
    }
    const std::string first = names.front();
    WriteRawValue(HKEY_LOCAL_MACHINE, bandKey + "\\" + kEqCurrentSetKey, kEqSetNameValue, REG_SZ, first.c_str(),
                  static_cast<DWORD>(first.size() + 1));
}

std::string HalvardCtlTest::CardSnapshot()
{
    std::string text;
    DumpTree(HKEY_LOCAL_MACHINE, kDriverSettingsKey, text);
    DumpTree(HKEY_CURRENT_USER, SimMixerStore::DefaultKey(), text);
    return text;
}

std::string GoldenText(int id)
{
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    if (found == nullptr)
        return std::string();
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
    return std::string(bytes, SizeofResource(nullptr, found));
}
