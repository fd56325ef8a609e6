// The simulated driver's answers to the requests of the driver channel.
#include "simcard/sim_driver.h"

#include "platform/registry_key.h"

#include <algorithm>
#include <cstring>
#include <iterator>

SimDriver::SimDriver(SimCardModel model)
    : m_mediaDevices{MatchingMediaDevice("{4D36E96C-E325-11CE-BFC1-08002BE10318}\\0001")}
    , m_hardwareInfoBytes(sizeof(HardwareInfo))
{
    m_state.fourChannelCapable = IsFourChannelCapable(model) ? 1 : 0;
    m_state.sixChannelCapable = IsSixChannelCapable(model) ? 1 : 0;
    m_state.wavetable.voiceLimit = MaximumVoices();
}

SimMediaDevice SimDriver::MatchingMediaDevice(const char* driverKey)
{
    static const char kIds[] = "CRYSTAL\\SOUNDFUSION_WDM_INTERFACE\0HALVARD\\SIMCARD\0";
    SimMediaDevice device;
    device.hardwareId.assign(kIds, sizeof(kIds)); // ends with the list's double terminator
    device.driver = std::string(driverKey) + '\0';
    return device;
}

void SimDriver::FailRequest(DWORD controlCode, DWORD code, DWORD status)
{
    m_faults[{controlCode, code}] = status;
}

void SimDriver::ClearFaults()
{
    m_faults.clear();
    m_dropped.clear();
    m_setupFault = SimSetupFault::None;
}

bool SimDriver::FaultFor(DWORD controlCode, DWORD code, DWORD& status) const
{
    auto found = m_faults.find({controlCode, code});
    if (found == m_faults.end())
        found = m_faults.find({controlCode, 0});
    if (found == m_faults.end())
        return false;
    status = found->second;
    return true;
}

int SimDriver::CountRequests(DWORD controlCode, DWORD code) const
{
    return static_cast<int>(std::count_if(m_log.begin(), m_log.end(), [&](const SimDriverRequest& r) {
        return r.controlCode == controlCode && (code == 0 || r.code == code);
    }));
}

DWORD SimDriver::MaximumVoices() const { return m_state.sixChannelCapable ? 64 : 48; }

BOOL SimDriver::DeviceIoControl(HANDLE device, DWORD controlCode, LPVOID input, DWORD inputLength,
                                LPVOID output, DWORD outputLength, LPDWORD returned,
                                LPOVERLAPPED overlapped)
{
    const auto handle = m_handles.find(device);
    if (handle == m_handles.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    SimDriverRequest entry;
    entry.controlCode = controlCode;
    entry.inputLength = inputLength;
    entry.card = handle->second;
    if (std::find(m_dropped.begin(), m_dropped.end(), controlCode) != m_dropped.end()) {
        m_log.push_back(entry);
        SetLastError(ERROR_GEN_FAILURE);
        return FALSE;
    }
    const DWORD status = Answer(controlCode, input, inputLength, entry);
    entry.status = status;
    entry.answered = true;
    m_log.push_back(entry);
    DWORD written = 0;
    if (output != nullptr && outputLength >= sizeof(DWORD)) {
        std::memcpy(output, &status, sizeof(status));
        written = sizeof(status);
    }
    if (returned != nullptr)
        *returned = written;
    return TRUE;
}

DWORD SimDriver::Answer(DWORD controlCode, void* input, DWORD inputLength, SimDriverRequest& entry)
{
    DWORD fault = 0;
    switch (controlCode) {
    case IOCTL_CARD_HW_OPEN:
        if (FaultFor(controlCode, 0, fault))
            return fault;
        return HardwareOpen(input, inputLength);
    case IOCTL_CARD_HW_INFO:
        if (FaultFor(controlCode, 0, fault))
            return fault;
        return HardwareInformation(input, inputLength);
    case IOCTL_CARD_COMMAND: {
        if (input == nullptr || inputLength < sizeof(CommandRequest))
            return kSimStatusInvalidParameter;
        const CommandRequest& request = *static_cast<const CommandRequest*>(input);
        entry.code = request.command;
        std::copy(std::begin(request.arguments), std::end(request.arguments), entry.arguments);
        if (FaultFor(controlCode, request.command, fault))
            return fault;
        if (request.size != sizeof(CommandRequest))
            return kSimStatusInvalidParameter;
        return Command(request);
    }
    case IOCTL_CARD_PROPERTY_QUERY:
    case IOCTL_CARD_PROPERTY_GET:
    case IOCTL_CARD_PROPERTY_SET: {
        if (input == nullptr || inputLength < sizeof(PropertyRequest))
            return kSimStatusInvalidParameter;
        PropertyRequest& request = *static_cast<PropertyRequest*>(input);
        entry.code = request.property;
        entry.arguments[0] = request.value1;
        entry.arguments[1] = request.value2;
        if (FaultFor(controlCode, request.property, fault))
            return fault;
        if (request.size != sizeof(PropertyRequest))
            return kSimStatusInvalidParameter;
        return Property(controlCode, request);
    }
    case IOCTL_CARD_REGISTRY_WRITE: {
        if (input == nullptr || inputLength < sizeof(RegistryWriteRequest))
            return kSimStatusInvalidParameter;
        if (FaultFor(controlCode, 0, fault))
            return fault;
        return RegistryWrite(*static_cast<const RegistryWriteRequest*>(input), entry);
    }
    default:
        return kSimStatusInvalidRequest;
    }
}

DWORD SimDriver::HardwareOpen(void* input, DWORD inputLength)
{
    if (input == nullptr || inputLength < sizeof(HardwareOpenRequest))
        return kSimStatusInvalidParameter;
    auto& request = *static_cast<HardwareOpenRequest*>(input);
    if (request.request != kHardwareOpenRequest)
        return kSimStatusInvalidParameter;
    m_state.cookie = 0x5EED0000u + static_cast<DWORD>(m_log.size());
    request.cookie = m_state.cookie;
    return 0;
}

DWORD SimDriver::HardwareInformation(void* input, DWORD inputLength)
{
    if (input == nullptr || inputLength < kHardwareInfoInputLength)
        return kSimStatusInvalidParameter;
    HardwareInfo answer = *static_cast<const HardwareInfo*>(input);
    if (answer.size != sizeof(HardwareInfo) || m_state.cookie == 0 || answer.cookie != m_state.cookie)
        return kSimStatusInvalidParameter;
    answer.fourChannelCapable = m_state.fourChannelCapable;
    answer.sixChannelCapable = m_state.sixChannelCapable;
    for (DWORD i = 0; i < 5; ++i)
        answer.reserved1[i] = 0xD0 + i;
    // The driver fills the whole record, trusting its size field.
    std::memcpy(input, &answer, std::min<DWORD>(m_hardwareInfoBytes, sizeof(answer)));
    return 0;
}

DWORD SimDriver::Command(const CommandRequest& request)
{
    switch (request.command >> 16) {
    case 2:
        return SpdifCommand(request);
    default:
        return EffectCommand(request);
    }
}

DWORD SimDriver::EffectCommand(const CommandRequest& request)
{
    const DWORD_PTR* a = request.arguments;
    switch (request.command) {
    case CMD_EQ_RELOAD:
    case CMD_EQ_ON:
    case CMD_EQ_OFF:
    case CMD_EQ_PEAK_LEVELS:
        return EqualizerCommand(request);
    case CMD_STEREO_EXPANSION_ON:
    case CMD_STEREO_EXPANSION_OFF:
    case CMD_AEC_MODE:
    case CMD_SPEAKER_CONFIG:
        return SpeakerCommand(request);
    case CMD_SOURCE_POSITION:
        if (a[0] >= static_cast<DWORD>(kSimSourcePositions) || a[1] > 255 || a[2] > 255)
            return kSimStatusInvalidParameter;
        m_state.speakers.balance[a[0]] = static_cast<BYTE>(a[1]);
        m_state.speakers.fader[a[0]] = static_cast<BYTE>(a[2]);
        return 0;
    case CMD_WAVETABLE_STATIC_IMAGE:
        if (a[0] > 1)
            return kSimStatusInvalidParameter;
        m_state.wavetable.staticImage = static_cast<DWORD>(a[0]);
        ++m_state.wavetable.staticImageCommands;
        return 0;
    default:
        return kSimStatusInvalidRequest;
    }
}

DWORD SimDriver::Property(DWORD controlCode, PropertyRequest& request)
{
    SimWavetableState& wavetable = m_state.wavetable;
    const bool registryKind = wavetable.kind == SimVoiceLimitKind::Registry;
    const bool propertyKind = wavetable.kind == SimVoiceLimitKind::Property;
    if (controlCode == IOCTL_CARD_PROPERTY_QUERY && request.property == PROP_VOICE_LIMITS_REGISTRY)
        return registryKind ? 0 : kSimStatusNotSupported;
    if (controlCode == IOCTL_CARD_PROPERTY_GET && request.property == PROP_VOICE_LIMITS) {
        if (!propertyKind)
            return kSimStatusNotSupported;
        request.value1 = wavetable.minimumVoices;
        request.value2 = wavetable.voiceLimit;
        return 0;
    }
    if (controlCode == IOCTL_CARD_PROPERTY_SET
        && (request.property == PROP_VOICE_LIMITS || request.property == PROP_VOICE_LIMITS_EX)) {
        const bool ours = request.property == PROP_VOICE_LIMITS_EX ? registryKind : propertyKind;
        if (!ours)
            return kSimStatusNotSupported;
        if (request.value2 > MaximumVoices())
            return kSimStatusInvalidParameter;
        wavetable.voiceLimit = request.value2;
        return 0;
    }
    return kSimStatusNotSupported;
}

DWORD SimDriver::RegistryWrite(const RegistryWriteRequest& request, SimDriverRequest& entry)
{
    if (request.request != 1 || request.keyPath == nullptr || request.valueName == nullptr
        || request.data == nullptr)
        return kSimStatusInvalidParameter;
    entry.keyPath = request.keyPath;
    entry.valueName = request.valueName;
    DWORD type = 0;
    if (request.kind == kRegistryWriteNumber && request.length == sizeof(DWORD)) {
        type = REG_DWORD;
        DWORD number = 0;
        std::memcpy(&number, request.data, sizeof(number));
        entry.arguments[0] = number;
    } else if (request.kind == kRegistryWriteString && request.length >= 1) {
        // The string must end within the length given.
        const char* text = static_cast<const char*>(request.data);
        if (text[request.length - 1] != '\0')
            return kSimStatusInvalidParameter;
        type = REG_SZ;
        entry.text = text;
    } else {
        return kSimStatusInvalidParameter;
    }
    RegistryKey key;
    if (!key.Create(HKEY_LOCAL_MACHINE, request.keyPath, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS))
        return kSimStatusInvalidParameter;
    if (RegSetValueExA(key.Get(), request.valueName, 0, type, static_cast<const BYTE*>(request.data),
                       request.length) != ERROR_SUCCESS)
        return kSimStatusInvalidParameter;
    return 0;
}
