// The wavetable synthesizer: voice limits of both driver kinds (limits kept in
// the registry, or asked for by property), voice allocation and the sample set.
#include "driver/card_mixer.h"

#include "platform/panel_values.h"
#include "driver/driver_numbers.h"

#include <cstring>

namespace {

void WriteWavetableNumber(const char* valueName, DWORD value)
{
    CRegistry key = DriverSettingsKey(kWavetableKey);
    WriteDriverNumber(key, valueName, value);
}

// The stored number, or the fallback (then also stored) when it is missing.
DWORD ReadOrStoreWavetableNumber(const char* valueName, DWORD fallback)
{
    CRegistry key = DriverSettingsKey(kWavetableKey);
    DWORD value = 0;
    if (key.QueryDword(valueName, &value))
        return value;
    WriteDriverNumber(key, valueName, fallback);
    return fallback;
}

// 0 stays 0 (voices off); anything else is brought into the range.
DWORD ClampVoices(DWORD voices, DWORD minimum, DWORD maximum)
{
    if (voices == 0)
        return 0;
    if (voices > maximum)
        return maximum;
    if (voices < minimum)
        return minimum;
    return voices;
}

} // namespace

bool CCardMixer::HasVoiceLimitsInRegistry()
{
    return Succeeded(m_channel.QueryProperty(PROP_VOICE_LIMITS_REGISTRY));
}

void CCardMixer::LoadWavetableSettings()
{
    WavetableSettings& w = m_wavetable;
    CRegistry key = DriverSettingsKey(kWavetableKey);
    w.registryKeptLimits = HasVoiceLimitsInRegistry();
    if (w.registryKeptLimits) {
        DWORD customSet = w.useDefaultSet ? 0 : 1;
        if (!key.QueryValue(kOverrideSetFileValue, w.customSetFile, sizeof(w.customSetFile))) {
            w.useDefaultSet = 1;
            WriteDriverNumber(key, kOverrideDefaultSetValue, customSet);
        }
        if (!key.QueryDword(kOverrideDefaultSetValue, &customSet))
            WriteDriverNumber(key, kOverrideDefaultSetValue, customSet);
        w.useDefaultSet = customSet ? 0 : 1;
        if (w.customSetFile[0] == '\0') {
            w.useDefaultSet = 1;
            WriteDriverNumber(key, kOverrideDefaultSetValue, 0);
        }
        w.sampleSetResident = ReadOrStoreWavetableNumber(kStaticImageValue, 0) != 0 ? 1 : 0;
    }
    w.hwMinimum = kHwVoicesMinimum;
    w.hwMaximum = m_sixChannelCapable ? kHwVoicesMaximumSixChannel : kHwVoicesMaximum;
    if (!w.registryKeptLimits) {
        w.hwMaximum = kHwVoicesMaximum;
        DWORD minimum = 0, limit = 0;
        if (Succeeded(m_channel.GetProperty(PROP_VOICE_LIMITS, minimum, limit))) {
            // A minimum above the maximum would leave no range to choose from.
            w.hwMinimum = minimum <= w.hwMaximum ? minimum : w.hwMaximum;
            w.hwLimit = limit;
        } else {
            w.hwMinimum = kHwVoicesMinimum;
            w.hwLimit = kHwVoicesUnaskedDefault;
        }
    } else {
        w.hwLimit = ReadOrStoreWavetableNumber(kHwVoicesLimitValue, kHwVoicesRegistryDefault);
    }
    w.swLimit = ReadOrStoreWavetableNumber(kSwVoicesLimitValue, kSwVoicesDefault);
    CRegistry panel = DriverSettingsKey(kControlPanelKey);
    DWORD maxSoft = 0;
    if (!panel.QueryDword(kMaxSoftValue, &maxSoft))
        maxSoft = 0;
    if (maxSoft == 0) {
        w.swMaximum = kSwVoicesMaximum;
    } else {
        w.swMaximum = maxSoft < kSwVoicesMinimum ? kSwVoicesMinimum
            : maxSoft > kSwVoicesMaximum         ? kSwVoicesMaximum
                                                 : maxSoft;
        if (w.swLimit > w.swMaximum)
            w.swLimit = w.swMaximum;
    }
    w.swMinimum = kSwVoicesMinimum;
    w.voiceAllocation = ReadOrStoreWavetableNumber(kVoiceAllocationValue, kVoiceAllocationDynamic);
}

void CCardMixer::GetHwVoiceRange(DWORD& minimum, DWORD& maximum) const
{
    minimum = m_wavetable.hwMinimum;
    maximum = m_wavetable.hwMaximum;
}

void CCardMixer::GetSwVoiceRange(DWORD& minimum, DWORD& maximum) const
{
    minimum = m_wavetable.swMinimum;
    maximum = m_wavetable.swMaximum;
}

void CCardMixer::SetHwVoiceLimit(DWORD voices)
{
    WavetableSettings& w = m_wavetable;
    w.hwLimit = ClampVoices(voices, w.hwMinimum, w.hwMaximum);
    WriteWavetableNumber(kHwVoicesLimitValue, w.hwLimit);
    const DWORD property = HasVoiceLimitsInRegistry() ? PROP_VOICE_LIMITS_EX : PROP_VOICE_LIMITS;
    m_channel.SetProperty(property, w.hwMinimum, w.hwLimit);
}

void CCardMixer::SetSwVoiceLimit(DWORD voices)
{
    WavetableSettings& w = m_wavetable;
    w.swLimit = voices == kSwVoicesUnbounded ? voices : ClampVoices(voices, w.swMinimum, w.swMaximum);
    WriteWavetableNumber(kSwVoicesLimitValue, w.swLimit);
}

void CCardMixer::SetVoiceAllocation(DWORD method)
{
    if (method != kVoiceAllocationDynamic && method != kVoiceAllocationDls)
        return;
    m_wavetable.voiceAllocation = method;
    WriteWavetableNumber(kVoiceAllocationValue, method);
}

void CCardMixer::SetSampleSetResident(DWORD resident)
{
    resident = resident != 0 ? 1 : 0;
    if (resident == m_wavetable.sampleSetResident)
        return;
    m_wavetable.sampleSetResident = resident;
    WriteWavetableNumber(kStaticImageValue, resident);
    m_channel.SendCommand(CMD_WAVETABLE_STATIC_IMAGE, resident);
}

void CCardMixer::SetUseDefaultSet(DWORD useDefault)
{
    WavetableSettings& w = m_wavetable;
    // Without a custom file there is only the default set.
    w.useDefaultSet = w.customSetFile[0] == '\0' || useDefault != 0 ? 1 : 0;
    WriteWavetableNumber(kOverrideDefaultSetValue, w.useDefaultSet ? 0 : 1);
    // Dropping and restoring the resident image makes the driver load the chosen set.
    if (Succeeded(m_channel.SendCommand(CMD_WAVETABLE_STATIC_IMAGE, 1 - w.sampleSetResident)))
        m_channel.SendCommand(CMD_WAVETABLE_STATIC_IMAGE, w.sampleSetResident);
}

int CCardMixer::SetCustomSetFile(const char* path)
{
    if (path == nullptr)
        path = "";
    // A shortened path would name another file: such a path is refused whole.
    const size_t length = strnlen(path, kSampleSetPathSize);
    if (length >= kSampleSetPathSize)
        return 0;
    std::memcpy(m_wavetable.customSetFile, path, length);
    m_wavetable.customSetFile[length] = '\0';
    CRegistry key = DriverSettingsKey(kWavetableKey);
    key.SetString(kOverrideSetFileCopyValue, m_wavetable.customSetFile);
    key.SetString(kOverrideSetFileValue, m_wavetable.customSetFile);
    return 1;
}
