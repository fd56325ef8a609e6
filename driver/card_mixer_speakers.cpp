// Speaker configuration, the 3D switches, stereo expansion and the microphone's
// echo cancellation. The speaker configuration lives in the driver's basics key
// and in DirectSound's keys of the driver instance; the driver writes those itself
// on the panel's behalf before it is told the new configuration.
#include "driver/card_mixer.h"

#include "platform/system_version.h"
#include "driver/driver_numbers.h"
#include "driver/speaker_keys.h"

namespace {

constexpr DWORD kDriverKeySize = 512;

std::string ReadDriverKey()
{
    char driverKey[kDriverKeySize];
    if (!MachineKey(kDriverBasicsKey).QueryValue(kDriverKeyValue, driverKey, sizeof(driverKey)))
        return std::string();
    return driverKey;
}

DWORD OnOff(DWORD value) { return value != 0 ? 1 : 0; }

} // namespace

void CCardMixer::LoadSpeakerAnd3DSettings()
{
    ReadCapabilities();
    const SystemVersion version = QuerySystemVersion();
    DWORD config = ReadDriverNumber(kDriverBasicsKey, kSpeakerConfigValue, kDefaultSpeakerConfig);
    m_channel.PublishDriverKey(version.major);
    ApplySpeakerConfig(kUseGivenSpeakerConfig | kResetAcceleration, config);
    m_channel.SendCommand(CMD_SPEAKER_CONFIG, config & 0xFF);
    Read3DSwitches();
}

void CCardMixer::Read3DSwitches()
{
    m_sensaura3D = ReadDriverNumber(kDriverBasicsKey, kSensaura3DValue, 0);
    m_reverb = ReadDriverNumber(kDriverBasicsKey, kReverbValue, 0);
    m_mp3Acceleration = ReadDriverNumber(kDriverBasicsKey, kMP3AccelerationValue, 0);
    m_stereoExpansion = ReadDriverNumber(kDriverBasicsKey, kStereoExpansionValue, 0);
    m_a3dSplashScreen = ReadDriverNumber(kA3DSettingsKey, kSplashScreenValue, 0, nullptr, kSharedSoftwareView);
    m_macroFX = ReadDriverNumber(kSensauraKey, kMacroFXValue, 0, kMacroFXSubkey, kSharedSoftwareView);
}

// The configuration the driver was last given, as the registry holds it, and the switches.
void CCardMixer::ReloadSpeakerAnd3DSettings()
{
    DWORD type = 0;
    m_speakerConfig = NormalSpeakerConfig(ReadSpeakerConfigToApply(ReadDriverKey()), type);
    Read3DSwitches();
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
    const DWORD basics = ReadDriverNumber(kDriverBasicsKey, kSpeakerConfigValue, 0);
    // Without a driver key the basics value stands; DirectSound's own value wins
    // when the driver instance has one.
    if (driverKey.empty())
        return basics;
    const std::string path = driverKey + kDirectSoundSpeakerConfigKey;
    return ReadDriverNumber(path.c_str(), kSpeakerConfigValue, basics);
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
    return WriteDriverNumber(kDriverBasicsKey, kSensaura3DValue, m_sensaura3D);
}

int CCardMixer::SetReverb(DWORD enabled)
{
    m_reverb = OnOff(enabled);
    return WriteDriverNumber(kDriverBasicsKey, kReverbValue, m_reverb);
}

int CCardMixer::SetMP3Acceleration(DWORD enabled)
{
    m_mp3Acceleration = OnOff(enabled);
    return WriteDriverNumber(kDriverBasicsKey, kMP3AccelerationValue, m_mp3Acceleration);
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
    return WriteDriverNumber(kDriverBasicsKey, kStereoExpansionValue, m_stereoExpansion);
}

int CCardMixer::SetA3DSplashScreen(DWORD enabled)
{
    m_a3dSplashScreen = OnOff(enabled);
    return MachineKey(kA3DSettingsKey, kSharedSoftwareView).SetDword(kSplashScreenValue, m_a3dSplashScreen);
}

int CCardMixer::SetMacroFX(DWORD enabled)
{
    m_macroFX = OnOff(enabled);
    return MachineKey(kSensauraKey, kSharedSoftwareView).SetDword(kMacroFXValue, m_macroFX, kMacroFXSubkey);
}

DWORD CCardMixer::ReadAecMode()
{
    const DWORD mode = ReadDriverNumber(kAecKey, kAecStateValue, kAecNever);
    // A stored mode the driver does not know reads as "never".
    m_aecMode = mode <= kAecAlways ? mode : kAecNever;
    return m_aecMode;
}

int CCardMixer::SaveAecMode() { return WriteDriverNumber(kAecKey, kAecStateValue, m_aecMode); }

int CCardMixer::SetAecMode(DWORD mode)
{
    if (mode > kAecAlways)
        return 0;
    m_aecMode = mode;
    const int saved = SaveAecMode();
    m_channel.SendCommand(CMD_AEC_MODE, mode);
    return saved;
}
