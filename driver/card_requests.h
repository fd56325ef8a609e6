#pragma once
// The driver channel: control codes, commands, properties and the request records
// exchanged with the card's driver. The driver reads and writes these records in
// the caller's memory (buffering method "neither"). Fields that may carry an address
// are pointer-sized: the 32-bit layout is the driver channel's fixed one, the 64-bit
// layout the natural one of the same declarations; both are asserted below.

#include <windows.h>

#include <cstddef>

// The card's device interface class.
constexpr GUID kCardInterfaceClass = {
    0xC84710E0, 0xF725, 0x11D1, {0x94, 0xBA, 0x00, 0xC0, 0x4F, 0xBF, 0x8E, 0x70}};

constexpr DWORD CardControlCode(DWORD function)
{
    // Sound device (0x1D), any access, buffering method "neither".
    return (0x1Du << 16) | (0u << 14) | (function << 2) | 3u;
}

constexpr DWORD IOCTL_CARD_HW_OPEN = CardControlCode(0x809);
constexpr DWORD IOCTL_CARD_HW_INFO = CardControlCode(0x80A);
constexpr DWORD IOCTL_CARD_COMMAND = CardControlCode(0x80B);
constexpr DWORD IOCTL_CARD_PROPERTY_QUERY = CardControlCode(0x824);
constexpr DWORD IOCTL_CARD_PROPERTY_GET = CardControlCode(0x836);
constexpr DWORD IOCTL_CARD_PROPERTY_SET = CardControlCode(0x837);
constexpr DWORD IOCTL_CARD_REGISTRY_WRITE = CardControlCode(0x891);

// The status word is preset to this before a request; 0 afterwards means success.
constexpr DWORD kStatusNotAnswered = 0x22;

// Commands (IOCTL_CARD_COMMAND).
constexpr DWORD CMD_SPDIF_CONNECT = 0x20000;
constexpr DWORD CMD_SPDIF_DISCONNECT = 0x20001;
constexpr DWORD CMD_SPDIF_CONNECT_SENSING = 0x20003;
constexpr DWORD CMD_SPDIF_STOP_SENSING = 0x20004;
constexpr DWORD CMD_SPDIF_CHANNEL_STATUS = 0x20006;
constexpr DWORD CMD_SPDIF_INPUT_STATUS = 0x20007;
constexpr DWORD CMD_STEREO_EXPANSION_ON = 0x30100;
constexpr DWORD CMD_STEREO_EXPANSION_OFF = 0x30101;
constexpr DWORD CMD_EQ_RELOAD = 0x30300;
constexpr DWORD CMD_EQ_ON = 0x30301;
constexpr DWORD CMD_EQ_OFF = 0x30302;
constexpr DWORD CMD_EQ_PEAK_LEVELS = 0x30304;
constexpr DWORD CMD_AEC_MODE = 0x40007;
constexpr DWORD CMD_SPEAKER_CONFIG = 0x5010E;
constexpr DWORD CMD_SOURCE_POSITION = 0x5010F;
constexpr DWORD CMD_WAVETABLE_STATIC_IMAGE = 0x70001;

// Routing endpoints of the S/PDIF commands.
constexpr DWORD EP_MAIN_MIX = 0x1000;
constexpr DWORD EP_SPDIF_IN = 3;
constexpr DWORD EP_SOFTWARE_DVD = 4;
constexpr DWORD EP_SPDIF_OUT = 0x1013;

// Properties.
constexpr DWORD PROP_VOICE_LIMITS_REGISTRY = 0x120;
constexpr DWORD PROP_VOICE_LIMITS = 0x101;
constexpr DWORD PROP_VOICE_LIMITS_EX = 0x122;

// Value kinds of the registry-write request.
constexpr DWORD kRegistryWriteNumber = 1;
constexpr DWORD kRegistryWriteString = 2;

struct HardwareOpenRequest {
    DWORD request; // always kHardwareOpenRequest
    DWORD unused;
    DWORD cookie; // written by the driver
};
constexpr DWORD kHardwareOpenRequest = 400;

struct HardwareInfo {
    DWORD size; // always sizeof(HardwareInfo)
    DWORD cookie;
    DWORD reserved1[5];
    DWORD fourChannelCapable;
    DWORD sixChannelCapable;
    DWORD reserved2[8];
};
// The driver fills the whole record although only this much is passed as input.
constexpr DWORD kHardwareInfoInputLength = 28;

// Any argument may carry a buffer's address, depending on the command.
struct CommandRequest {
    DWORD size; // always sizeof(CommandRequest)
    DWORD command;
    DWORD_PTR arguments[4];
};

struct PropertyRequest {
    DWORD size; // always sizeof(PropertyRequest)
    DWORD property;
    DWORD reserved;
    DWORD value1;
    DWORD value2;
};

struct RegistryWriteRequest {
    DWORD request; // always 1
    const char* keyPath; // below the local-machine root
    const char* valueName;
    DWORD kind;
    const void* data;
    DWORD length;
};

// A pointer carried in a command argument, whole on either architecture.
inline DWORD_PTR PointerArgument(const void* pointer)
{
    return reinterpret_cast<DWORD_PTR>(pointer);
}

template <typename T>
T* ArgumentPointer(DWORD_PTR argument)
{
    return reinterpret_cast<T*>(argument);
}

static_assert(IOCTL_CARD_HW_OPEN == 0x1D2027 && IOCTL_CARD_HW_INFO == 0x1D202B
                  && IOCTL_CARD_COMMAND == 0x1D202F && IOCTL_CARD_PROPERTY_QUERY == 0x1D2093
                  && IOCTL_CARD_PROPERTY_GET == 0x1D20DB && IOCTL_CARD_PROPERTY_SET == 0x1D20DF
                  && IOCTL_CARD_REGISTRY_WRITE == 0x1D2247,
              "control codes");
static_assert(sizeof(HardwareOpenRequest) == 12, "hardware open record");
static_assert(sizeof(HardwareInfo) == 68 && offsetof(HardwareInfo, cookie) == 4
                  && offsetof(HardwareInfo, fourChannelCapable) == 28
                  && offsetof(HardwareInfo, sixChannelCapable) == 32,
              "hardware information record");
static_assert(sizeof(PropertyRequest) == 20 && offsetof(PropertyRequest, value1) == 12
                  && offsetof(PropertyRequest, value2) == 16,
              "property record");
static_assert(sizeof(void*) == 4 || sizeof(void*) == 8, "32-bit or 64-bit Windows");
#ifdef _WIN64
static_assert(sizeof(CommandRequest) == 40 && offsetof(CommandRequest, command) == 4
                  && offsetof(CommandRequest, arguments) == 8
                  && offsetof(CommandRequest, arguments[3]) == 32,
              "64-bit command record");
static_assert(sizeof(RegistryWriteRequest) == 48 && offsetof(RegistryWriteRequest, keyPath) == 8
                  && offsetof(RegistryWriteRequest, valueName) == 16
                  && offsetof(RegistryWriteRequest, kind) == 24
                  && offsetof(RegistryWriteRequest, data) == 32
                  && offsetof(RegistryWriteRequest, length) == 40,
              "64-bit registry-write record");
#else
static_assert(sizeof(CommandRequest) == 24 && offsetof(CommandRequest, command) == 4
                  && offsetof(CommandRequest, arguments) == 8
                  && offsetof(CommandRequest, arguments[3]) == 20,
              "32-bit command record");
static_assert(sizeof(RegistryWriteRequest) == 24 && offsetof(RegistryWriteRequest, keyPath) == 4
                  && offsetof(RegistryWriteRequest, valueName) == 8
                  && offsetof(RegistryWriteRequest, kind) == 12
                  && offsetof(RegistryWriteRequest, data) == 16
                  && offsetof(RegistryWriteRequest, length) == 20,
              "32-bit registry-write record");
#endif
