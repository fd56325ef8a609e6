// The wavetable synthesizer: voice limits of both driver kinds (limits kept in
// the registry, or asked for by property), voice allocation and the sample set.
#include "driver/card_mixer.h"

#include "platform/panel_values.h"
#include "driver/driver_numbers.h"

#include <cstring>

namespace {

// The stored number, or the fallback (then also stored) when it is missing.
DWORD ReadOrStoreWavetableNumber(const char* valueName, DWORD fallback)
{
    DWORD value = 0;
    if (MachineKey(kWavetableKey).QueryDword(valueName, &value))
        return value;
    WriteDriverNumber(kWavetableKey, valueName, fallback);
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
    m_wavetable.registryKeptLimits = HasVoiceLimitsInRegistry();
    if (m_wavetable.registryKeptLimits)
        LoadSampleSetSettings();
    LoadHwVoiceSettings();
    LoadSwVoiceSettings();
}

// What the registry holds; a hardware limit the driver keeps itself stays as
// last asked, since asking is a request.
void CCardMixer::ReloadWavetableSettings()
{
    if (m_wavetable.registryKeptLimits) {
        LoadSampleSetSettings();
        LoadHwVoiceSettings();
    }
    LoadSwVoiceSettings();
}

// Only the driver kind that keeps its limits in the registry has sample sets there.
void CCardMixer::LoadSampleSetSettings()
{
    CRegistry key = MachineKey(kWavetableKey);
    DWORD customSet = m_wavetable.useDefaultSet ? 0 : 1;
    if (!key.QueryValue(kOverrideSetFileValue, m_wavetable.customSetFile, sizeof(m_wavetable.customSetFile))) {
        m_wavetable.useDefaultSet = 1;
        WriteDriverNumber(kWavetableKey, kOverrideDefaultSetValue, customSet);
    }
    if (!key.QueryDword(kOverrideDefaultSetValue, &customSet))
        WriteDriverNumber(kWavetableKey, kOverrideDefaultSetValue, customSet);
    m_wavetable.useDefaultSet = customSet ? 0 : 1;
    if (m_wavetable.customSetFile[0] == '\0') {
        m_wavetable.useDefaultSet = 1;
        WriteDriverNumber(kWavetableKey, kOverrideDefaultSetValue, 0);
    }
    m_wavetable.sampleSetResident = ReadOrStoreWavetableNumber(kStaticImageValue, 0) != 0 ? 1 : 0;
}

// The hardware range and limit: from the registry, or asked of the driver.
void CCardMixer::LoadHwVoiceSettings()
{
    WavetableSettings& settings = m_wavetable;
    settings.hwMinimum = kHwVoicesMinimum;
    if (settings.registryKeptLimits) {
        settings.hwMaximum = m_sixChannelCapable ? kHwVoicesMaximumSixChannel : kHwVoicesMaximum;
        settings.hwLimit = ReadOrStoreWavetableNumber(kHwVoicesLimitValue, kHwVoicesRegistryDefault);
        return;
    }
    settings.hwMaximum = kHwVoicesMaximum;
    DWORD minimum = 0, limit = 0;
    if (Succeeded(m_channel.GetProperty(PROP_VOICE_LIMITS, minimum, limit))) {
        // A minimum above the maximum would leave no range to choose from.
        settings.hwMinimum = minimum <= settings.hwMaximum ? minimum : settings.hwMaximum;
        settings.hwLimit = limit;
    } else {
        settings.hwLimit = kHwVoicesUnaskedDefault;
    }
}

// The software limit, its maximum (the panel's "MaxSoft", 0 for none) and the
// voice allocation.
void CCardMixer::LoadSwVoiceSettings()
{
    WavetableSettings& settings = m_wavetable;
    settings.swLimit = ReadOrStoreWavetableNumber(kSwVoicesLimitValue, kSwVoicesDefault);
    const DWORD maxSoft = ReadDriverNumber(kControlPanelKey, kMaxSoftValue, 0);
    if (maxSoft == 0) {
        settings.swMaximum = kSwVoicesMaximum;
    } else {
        settings.swMaximum = maxSoft < kSwVoicesMinimum ? kSwVoicesMinimum
            : maxSoft > kSwVoicesMaximum               ? kSwVoicesMaximum
                                                       : maxSoft;
        if (settings.swLimit > settings.swMaximum)
            settings.swLimit = settings.swMaximum;
    }
    settings.swMinimum = kSwVoicesMinimum;
    settings.voiceAllocation = ReadOrStoreWavetableNumber(kVoiceAllocationValue, kVoiceAllocationDynamic);
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
    WavetableSettings& settings = m_wavetable;
    settings.hwLimit = ClampVoices(voices, settings.hwMinimum, settings.hwMaximum);
    WriteDriverNumber(kWavetableKey, kHwVoicesLimitValue, settings.hwLimit);
    const DWORD property = HasVoiceLimitsInRegistry() ? PROP_VOICE_LIMITS_EX : PROP_VOICE_LIMITS;
    m_channel.SetProperty(property, settings.hwMinimum, settings.hwLimit);
}

void CCardMixer::SetSwVoiceLimit(DWORD voices)
{
    WavetableSettings& settings = m_wavetable;
    settings.swLimit =
        voices == kSwVoicesUnbounded ? voices : ClampVoices(voices, settings.swMinimum, settings.swMaximum);
    WriteDriverNumber(kWavetableKey, kSwVoicesLimitValue, settings.swLimit);
}

void CCardMixer::SetVoiceAllocation(DWORD method)
{
    if (method != kVoiceAllocationDynamic && method != kVoiceAllocationDls)
        return;
    m_wavetable.voiceAllocation = method;
    WriteDriverNumber(kWavetableKey, kVoiceAllocationValue, method);
}

void CCardMixer::SetSampleSetResident(DWORD resident)
{
    resident = resident != 0 ? 1 : 0;
    if (resident == m_wavetable.sampleSetResident)
        return;
    m_wavetable.sampleSetResident = resident;
    WriteDriverNumber(kWavetableKey, kStaticImageValue, resident);
    m_channel.SendCommand(CMD_WAVETABLE_STATIC_IMAGE, resident);
}

void CCardMixer::SetUseDefaultSet(DWORD useDefault)
{
    WavetableSettings& settings = m_wavetable;
    // Without a custom file there is only the default set.
    settings.useDefaultSet = settings.customSetFile[0] == '\0' || useDefault != 0 ? 1 : 0;
    WriteDriverNumber(kWavetableKey, kOverrideDefaultSetValue, settings.useDefaultSet ? 0 : 1);
    // Dropping and restoring the resident image makes the driver load the chosen set.
    if (Succeeded(m_channel.SendCommand(CMD_WAVETABLE_STATIC_IMAGE, 1 - settings.sampleSetResident)))
        m_channel.SendCommand(CMD_WAVETABLE_STATIC_IMAGE, settings.sampleSetResident);
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
    CRegistry key = MachineKey(kWavetableKey);
    key.SetString(kOverrideSetFileCopyValue, m_wavetable.customSetFile);
    key.SetString(kOverrideSetFileValue, m_wavetable.customSetFile);
    return 1;
}
