// Speaker configuration, the 3D switches, stereo expansion and the microphone's
// echo cancellation. The speaker configuration lives in the driver's basics key
// and in DirectSound's keys of the driver instance; the driver writes those itself
// on the panel's behalf before it is told the new configuration.
#include "driver/card_mixer.h"

#include "platform/registry.h"
#include "platform/system_version.h"
#include "driver/driver_keys.h"
#include "driver/speaker_keys.h"

namespace {

constexpr DWORD kDriverKeySize = 512;

// The 3D software's keys below Software are shared with the 32-bit panel: they take
// kSharedSoftwareView.
CRegistry MachineRegistry(const char* path, REGSAM view = 0)
{
    CRegistry registry;
    registry.SetKey(HKEY_LOCAL_MACHINE, path);
    registry.SetView(view);
    return registry;
}

DWORD ReadNumber(const char* path, const char* valueName, DWORD fallback, const char* subPath = nullptr,
                 REGSAM view = 0)
{
    DWORD value = 0;
    if (!MachineRegistry(path, view).QueryDword(valueName, &value, subPath))
        return fallback;
    return value;
}

int WriteBinaryNumber(const char* path, const char* valueName, DWORD value)
{
    return MachineRegistry(path).SetBinary(valueName, &value, sizeof(value));
}

std::string ReadDriverKey()
{
    char driverKey[kDriverKeySize];
    if (!MachineRegistry(kDriverBasicsKey).QueryValue(kDriverKeyValue, driverKey, sizeof(driverKey)))
        return std::string();
    return driverKey;
}

DWORD OnOff(DWORD value) { return value != 0 ? 1 : 0; }

} // namespace

void CCardMixer::LoadSpeakerAnd3DSettings()
{
    ReadCapabilities();
    const SystemVersion version = QuerySystemVersion();
    DWORD config = ReadNumber(kDriverBasicsKey, kSpeakerConfigValue, kDefaultSpeakerConfig);
    m_channel.PublishDriverKey(version.major);
    ApplySpeakerConfig(kUseGivenSpeakerConfig | kResetAcceleration, config);
    m_channel.SendCommand(CMD_SPEAKER_CONFIG, config & 0xFF);
    m_sensaura3D = ReadNumber(kDriverBasicsKey, kSensaura3DValue, 0);
    m_reverb = ReadNumber(kDriverBasicsKey, kReverbValue, 0);
    m_mp3Acceleration = ReadNumber(kDriverBasicsKey, kMP3AccelerationValue, 0);
    m_stereoExpansion = ReadNumber(kDriverBasicsKey, kStereoExpansionValue, 0);
    m_a3dSplashScreen = ReadNumber(kA3DSettingsKey, kSplashScreenValue, 0, nullptr, kSharedSoftwareView);
    m_macroFX = ReadNumber(kSensauraKey, kMacroFXValue, 0, kMacroFXSubkey, kSharedSoftwareView);
}

void CCardMixer::LoadAecSettings() { ReadAecMode(); }

void CCardMixer::ResetMP3Acceleration() { SetMP3Acceleration(0); }

DWORD CCardMixer::NormalSpeakerConfig(DWORD config, DWORD& type) const
{
    const DWORD geometry = (config >> 16) & 0xFF;
    DWORD code = config & 0xFF;
    // A card without six or four channels gets the next smaller configuration.
    if ((code == kSpeakerSurround || code == kSpeakerSix) && !m_sixChannelCapable)
        code = kSpeakerQuad;
    if (code == kSpeakerQuad && !m_fourChannelCapable)
        code = kSpeakerStereo;
    switch (code) {
    case kSpeakerHeadphones:
        type = kSpeakerTypeHeadphones;
        return (geometry << 16) | kSpeakerHeadphones;
    case kSpeakerSurround:
    case kSpeakerSix:
        type = kSpeakerTypeSix;
        return (geometry << 16) | kSpeakerSix;
    case kSpeakerQuad:
        type = kSpeakerTypeQuad;
        return (geometry << 16) | kSpeakerQuad;
    default:
        type = kSpeakerTypeStereo;
        return ((geometry != 0 ? geometry : kStereoDefaultGeometry) << 16) | kSpeakerStereo;
    }
}

DWORD CCardMixer::ReadSpeakerConfigToApply(const std::string& driverKey)
{
    const DWORD basics = ReadNumber(kDriverBasicsKey, kSpeakerConfigValue, 0);
    // Without a driver key the basics value stands; DirectSound's own value wins
    // when the driver instance has one.
    if (driverKey.empty())
        return basics;
    const std::string path = driverKey + kDirectSoundSpeakerConfigKey;
    return ReadNumber(path.c_str(), kSpeakerConfigValue, basics);
}

int CCardMixer::ApplySpeakerConfig(DWORD options, DWORD& config)
{
    const std::string driverKey = ReadDriverKey();
    if ((options & kUseGivenSpeakerConfig) == 0)
        config = ReadSpeakerConfigToApply(driverKey);
    DWORD type = 0;
    config = NormalSpeakerConfig(config, type);
    if (!driverKey.empty()) {
        m_channel.WriteRegistryNumber((driverKey + kDirectSoundSpeakerConfigKey).c_str(),
                                      kSpeakerConfigValue, config);
        m_channel.WriteRegistryNumber((driverKey + kDirectSoundSpeakerTypeKey).c_str(),
                                      kSpeakerTypeValue, type);
        if ((options & kResetAcceleration) != 0)
            m_channel.WriteRegistryNumber((driverKey + kDirectSoundMixerDefaultsKey).c_str(),
                                          kAccelerationValue, 0);
    }
    m_channel.WriteRegistryNumber(kDriverBasicsKey, kSpeakerConfigValue, config);
    m_speakerConfig = config;
    return Succeeded(m_channel.SendCommand(CMD_SPEAKER_CONFIG, config & 0xFF)) ? 1 : 0;
}

int CCardMixer::SetSpeakerConfig(DWORD config)
{
    return ApplySpeakerConfig(kUseGivenSpeakerConfig, config);
}

int CCardMixer::SetSensaura3D(DWORD enabled)
{
    m_sensaura3D = OnOff(enabled);
    return WriteBinaryNumber(kDriverBasicsKey, kSensaura3DValue, m_sensaura3D);
}

int CCardMixer::SetReverb(DWORD enabled)
{
    m_reverb = OnOff(enabled);
    return WriteBinaryNumber(kDriverBasicsKey, kReverbValue, m_reverb);
}

int CCardMixer::SetMP3Acceleration(DWORD enabled)
{
    m_mp3Acceleration = OnOff(enabled);
    return WriteBinaryNumber(kDriverBasicsKey, kMP3AccelerationValue, m_mp3Acceleration);
}

int CCardMixer::SetStereoExpansion(DWORD enabled)
{
    enabled = OnOff(enabled);
    if (enabled == m_stereoExpansion)
        return 1;
    m_stereoExpansion = enabled;
    const DWORD command = enabled != 0 ? CMD_STEREO_EXPANSION_ON : CMD_STEREO_EXPANSION_OFF;
    if (!Succeeded(m_channel.SendCommand(command)))
        return 0;
    return WriteBinaryNumber(kDriverBasicsKey, kStereoExpansionValue, m_stereoExpansion);
}

int CCardMixer::SetA3DSplashScreen(DWORD enabled)
{
    m_a3dSplashScreen = OnOff(enabled);
    return MachineRegistry(kA3DSettingsKey, kSharedSoftwareView)
        .SetDword(kSplashScreenValue, m_a3dSplashScreen);
}

int CCardMixer::SetMacroFX(DWORD enabled)
{
    m_macroFX = OnOff(enabled);
    return MachineRegistry(kSensauraKey, kSharedSoftwareView)
        .SetDword(kMacroFXValue, m_macroFX, kMacroFXSubkey);
}

DWORD CCardMixer::ReadAecMode()
{
    const DWORD mode = ReadNumber(kAecKey, kAecStateValue, kAecNever);
    // A stored mode the driver does not know reads as "never".
    m_aecMode = mode <= kAecAlways ? mode : kAecNever;
    return m_aecMode;
}

int CCardMixer::SaveAecMode() { return WriteBinaryNumber(kAecKey, kAecStateValue, m_aecMode); }

int CCardMixer::SetAecMode(DWORD mode)
{
    if (mode > kAecAlways)
        return 0;
    m_aecMode = mode;
    const int saved = SaveAecMode();
    m_channel.SendCommand(CMD_AEC_MODE, mode);
    return saved;
}
