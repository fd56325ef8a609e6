// The simulated driver's speaker configuration, stereo expansion and echo
// cancellation. Like the card's driver it looks at its registry values when told,
// and keeps what it saw there for tests.
#include "simcard/sim_driver.h"

#include "platform/registry_key.h"
#include "driver/driver_keys.h"
#include "driver/speaker_keys.h"

namespace {

DWORD StoredNumber(const char* path, const char* valueName)
{
    RegistryKey key;
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (!key.Open(HKEY_LOCAL_MACHINE, path, KEY_READ)
        || RegQueryValueExA(key.Get(), valueName, nullptr, nullptr, reinterpret_cast<BYTE*>(&value),
                            &size) != ERROR_SUCCESS
        || size != sizeof(value))
        return kSimValueMissing;
    return value;
}

} // namespace

DWORD SimDriver::SpeakerCommand(const CommandRequest& request)
{
    SimSpeakerState& speakers = m_state.speakers;
    const DWORD_PTR* a = request.arguments;
    switch (request.command) {
    case CMD_STEREO_EXPANSION_ON:
    case CMD_STEREO_EXPANSION_OFF:
        speakers.stereoExpansion = request.command == CMD_STEREO_EXPANSION_ON;
        return 0;
    case CMD_AEC_MODE:
        speakers.storedAecState = StoredNumber(kAecKey, kAecStateValue);
        if (a[0] > kAecAlways)
            return kSimStatusInvalidParameter;
        speakers.aecMode = static_cast<DWORD>(a[0]);
        return 0;
    case CMD_SPEAKER_CONFIG: {
        speakers.storedSpeakerConfig = StoredNumber(kDriverBasicsKey, kSpeakerConfigValue);
        const DWORD code = static_cast<DWORD>(a[0] & 0xFF);
        // The card plays what it has channels for.
        const bool known = code == kSpeakerHeadphones || code == kSpeakerStereo
            || (code == kSpeakerQuad && m_state.fourChannelCapable)
            || (code == kSpeakerSix && m_state.sixChannelCapable);
        if (!known)
            return kSimStatusInvalidParameter;
        speakers.speakerConfig = code;
        return 0;
    }
    default:
        return kSimStatusInvalidRequest;
    }
}
