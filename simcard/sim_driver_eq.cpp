// The simulated driver's equalizer: it takes the current set's band tables from
// the registry on the reload command, as the card's driver does, and answers peak
// levels that follow a moving signal while the equalizer is on.
#include "simcard/sim_driver.h"

#include "platform/registry_key.h"
#include "driver/eq_keys.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr DWORD kSimStatusNotFound = 0xC0000034;
constexpr DWORD kMaximumPeakBands = 10;
constexpr int kPeakLevelScale = 300;

bool ReadStored(HKEY key, const char* valueName, std::vector<BYTE>& data)
{
    DWORD size = 0;
    if (RegQueryValueExA(key, valueName, nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS)
        return false;
    data.assign(size, 0);
    return size == 0
        || RegQueryValueExA(key, valueName, nullptr, nullptr, data.data(), &size) == ERROR_SUCCESS;
}

} // namespace

DWORD SimDriver::EqualizerCommand(const CommandRequest& request)
{
    SimEqualizerState& equalizer = m_state.equalizer;
    const DWORD_PTR* a = request.arguments;
    switch (request.command) {
    case CMD_EQ_RELOAD: {
        char ratePath[256];
        std::snprintf(ratePath, sizeof(ratePath), "%s\\%d", kEqualizerKey, kEqSampleRate);
        CRegistryKey rate;
        std::vector<BYTE> stored;
        DWORD bands = 0;
        if (!rate.Open(HKEY_LOCAL_MACHINE, ratePath, KEY_READ)
            || !ReadStored(rate.Get(), kEqCurrentBandsValue, stored) || stored.size() != sizeof(bands)) {
            ++equalizer.failedReloads;
            return kSimStatusNotFound;
        }
        std::memcpy(&bands, stored.data(), sizeof(bands));
        if (bands != 2 && bands != 5 && bands != 10) {
            ++equalizer.failedReloads;
            return kSimStatusInvalidParameter;
        }
        char currentPath[64];
        std::snprintf(currentPath, sizeof(currentPath), "%lu-Bands\\%s",
                      static_cast<unsigned long>(bands), kEqCurrentSetKey);
        CRegistryKey current;
        std::vector<BYTE> gains;
        std::vector<BYTE> frequencies;
        std::vector<BYTE> bandwidths;
        if (!current.Open(rate.Get(), currentPath, KEY_READ)
            || !ReadStored(current.Get(), kEqGainTableValue, gains)
            || !ReadStored(current.Get(), kEqFrequencyTableValue, frequencies)
            || !ReadStored(current.Get(), kEqBandwidthTableValue, bandwidths)) {
            ++equalizer.failedReloads;
            return kSimStatusNotFound;
        }
        if (gains.size() != bands || frequencies.size() != 2 * bands || bandwidths.size() != 2 * bands) {
            ++equalizer.failedReloads;
            return kSimStatusInvalidParameter;
        }
        equalizer.bands = bands;
        equalizer.gains.assign(gains.begin(), gains.end());
        equalizer.frequencies = frequencies;
        equalizer.bandwidths = bandwidths;
        std::vector<BYTE> name;
        equalizer.name.clear();
        if (ReadStored(current.Get(), kEqSetNameValue, name))
            equalizer.name.assign(name.begin(), std::find(name.begin(), name.end(), '\0'));
        ++equalizer.reloads;
        return 0;
    }
    case CMD_EQ_ON:
    case CMD_EQ_OFF:
        equalizer.on = request.command == CMD_EQ_ON;
        return 0;
    case CMD_EQ_PEAK_LEVELS: {
        DWORD* levels = ArgumentPointer<DWORD>(a[0]);
        if (levels == nullptr)
            return kSimStatusInvalidParameter;
        // Never more than the buffer's length says.
        const DWORD count = static_cast<DWORD>(
            std::min<DWORD_PTR>(a[1] / 4, std::min(equalizer.bands, kMaximumPeakBands)));
        ++equalizer.phase;
        for (DWORD band = 0; band < count; ++band) {
            DWORD level = 0;
            if (equalizer.on) {
                // A signal that moves with time, louder in bands with more gain, in
                // the 16-bit range of a real card's peaks (about 3000 to 30000).
                const int gain = band < equalizer.gains.size() ? equalizer.gains[band] : 0;
                const int base = static_cast<int>((equalizer.phase * 7 + band * 13) % 80) + 10;
                level = static_cast<DWORD>(std::max(0, base + 2 * gain) * kPeakLevelScale);
            }
            levels[band] = level;
        }
        return 0;
    }
    default:
        return kSimStatusInvalidRequest;
    }
}
