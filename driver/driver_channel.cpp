#include "driver/driver_channel.h"

#include "platform/registry_key.h"
#include "platform/stored_text.h"
#include "driver/device_functions.h"
#include "driver/driver_keys.h"

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The fixed head of the ANSI interface detail record: the size field the system
// checks, 5 on 32-bit and 8 on 64-bit systems.
constexpr DWORD kDetailHeadSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
#ifdef _WIN64
static_assert(kDetailHeadSize == 8, "64-bit detail head");
#else
static_assert(kDetailHeadSize == 5, "32-bit detail head");
#endif
// A device path longer than this is not believed.
constexpr DWORD kMaximumDetailSize = 4096;

constexpr const char* kSoundFusionHardwareId = "CRYSTAL\\SOUNDFUSION_WDM_INTERFACE";
constexpr const char* kClassKeyPrefix = "SYSTEM\\CurrentControlSet\\Services\\Class\\";
constexpr const char* kServiceEnumKey = "SYSTEM\\CurrentControlSet\\Services\\dizuda\\Enum";
constexpr const char* kProfileEnumPrefix =
    "SYSTEM\\CurrentControlSet\\Hardware Profiles\\Current\\System\\CurrentControlSet\\Enum\\";
constexpr DWORD kHardwareIdBufferSize = 256;
constexpr DWORD kDriverPropertyBufferSize = 128;
constexpr DWORD kInstancePathBufferSize = 128;
constexpr DWORD kDriverKeyBufferSize = 512;

// Destroys a device information set when it goes out of scope.
class DeviceSet {
public:
    explicit DeviceSet(HDEVINFO set) : m_set(set) {}
    ~DeviceSet()
    {
        if (IsValid())
            DeviceApi().destroyDeviceInfoList(m_set);
    }
    DeviceSet(const DeviceSet&) = delete;
    DeviceSet& operator=(const DeviceSet&) = delete;
    bool IsValid() const { return m_set != INVALID_HANDLE_VALUE && m_set != nullptr; }
    HDEVINFO Get() const { return m_set; }

private:
    HDEVINFO m_set;
};

// The "MEDIA" device's driver key below the class key, or an empty text.
std::string FindMediaDriverKey()
{
    const DeviceFunctions& api = DeviceApi();
    GUID mediaClass = {};
    DWORD count = 0;
    api.classGuidsFromName("MEDIA", &mediaClass, 1, &count);
    DeviceSet devices(api.getClassDevs(&mediaClass, nullptr, nullptr, DIGCF_PRESENT));
    if (!devices.IsValid())
        return std::string();
    SP_DEVINFO_DATA device = {};
    device.cbSize = sizeof(device);
    for (DWORD index = 0; api.enumDeviceInfo(devices.Get(), index, &device); ++index) {
        char hardwareId[kHardwareIdBufferSize] = {};
        DWORD stored = 0;
        if (!api.getDeviceRegistryProperty(devices.Get(), &device, SPDRP_HARDWAREID, nullptr,
                                           reinterpret_cast<BYTE*>(hardwareId), sizeof(hardwareId),
                                           &stored))
            continue;
        // The first identifier of the list, bounded by the buffer.
        const std::string firstId(hardwareId, strnlen(hardwareId, sizeof(hardwareId)));
        if (firstId.find(kSoundFusionHardwareId) == std::string::npos)
            continue;
        char driver[kDriverPropertyBufferSize] = {};
        stored = 0;
        if (!api.getDeviceRegistryProperty(devices.Get(), &device, SPDRP_DRIVER, nullptr,
                                           reinterpret_cast<BYTE*>(driver), sizeof(driver), &stored)
            || strnlen(driver, sizeof(driver)) == sizeof(driver) || driver[0] == '\0')
            return std::string();
        return std::string(kClassKeyPrefix) + driver;
    }
    return std::string();
}

// The card's instance below the current hardware profile, or an empty text.
std::string FindServiceDriverKey()
{
    RegistryKey key;
    if (!key.Open(HKEY_LOCAL_MACHINE, kServiceEnumKey, KEY_READ))
        return std::string();
    char instance[kInstancePathBufferSize] = {};
    DWORD stored = sizeof(instance);
    if (RegQueryValueExA(key.Get(), "0", nullptr, nullptr, reinterpret_cast<BYTE*>(instance), &stored)
            != ERROR_SUCCESS
        || !TerminateStoredText(instance, sizeof(instance), stored) || instance[0] == '\0')
        return std::string();
    return std::string(kProfileEnumPrefix) + instance;
}

} // namespace

HANDLE OpenCardDevice()
{
    const DeviceFunctions& api = DeviceApi();
    DeviceSet interfaces(api.getClassDevs(&kCardInterfaceClass, nullptr, nullptr,
                                          DIGCF_PRESENT | DIGCF_DEVICEINTERFACE));
    if (!interfaces.IsValid())
        return INVALID_HANDLE_VALUE;
    SP_DEVICE_INTERFACE_DATA cardInterface = {};
    cardInterface.cbSize = sizeof(cardInterface);
    // Only the first card is ever used.
    if (!api.enumDeviceInterfaces(interfaces.Get(), nullptr, &kCardInterfaceClass, 0, &cardInterface))
        return INVALID_HANDLE_VALUE;
    DWORD required = 0;
    api.getDeviceInterfaceDetail(interfaces.Get(), &cardInterface, nullptr, 0, &required, nullptr);
    if (required <= kDetailHeadSize || required > kMaximumDetailSize)
        return INVALID_HANDLE_VALUE;
    // One byte more than asked for, always zero: the path stays terminated
    // whatever the answer leaves out.
    std::vector<BYTE> buffer(required + 1, 0);
    auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(buffer.data());
    detail->cbSize = kDetailHeadSize;
    if (!api.getDeviceInterfaceDetail(interfaces.Get(), &cardInterface, detail, required, nullptr,
                                      nullptr))
        return INVALID_HANDLE_VALUE;
    return api.createFile(detail->DevicePath, GENERIC_READ | GENERIC_WRITE,
                          FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
}

CDriverChannel::~CDriverChannel() { Close(); }

void CDriverChannel::Attach(HANDLE device)
{
    Close();
    m_device = device;
}

void CDriverChannel::Close()
{
    if (m_device != INVALID_HANDLE_VALUE)
        DeviceApi().closeHandle(m_device);
    m_device = INVALID_HANDLE_VALUE;
}

DWORD CDriverChannel::Call(DWORD controlCode, void* record, DWORD inputLength, DWORD presetStatus)
{
    DWORD status = presetStatus;
    DWORD returned = 0;
    // The call's own result is not needed: a request that fails leaves the preset.
    DeviceApi().deviceIoControl(m_device, controlCode, record, inputLength, &status, sizeof(status),
                                &returned, nullptr);
    return status;
}

DWORD CDriverChannel::SendCommand(DWORD command, DWORD_PTR first, DWORD_PTR second, DWORD_PTR third,
                                  DWORD_PTR fourth)
{
    CommandRequest request = {sizeof(CommandRequest), command, {first, second, third, fourth}};
    return Call(IOCTL_CARD_COMMAND, &request, sizeof(request), kStatusNotAnswered);
}

DWORD CDriverChannel::QueryProperty(DWORD property)
{
    PropertyRequest request = {sizeof(PropertyRequest), property, 0, 0, 0};
    return Call(IOCTL_CARD_PROPERTY_QUERY, &request, sizeof(request), kStatusNotAnswered);
}

DWORD CDriverChannel::GetProperty(DWORD property, DWORD& value1, DWORD& value2)
{
    PropertyRequest request = {sizeof(PropertyRequest), property, 0, value1, value2};
    const DWORD status = Call(IOCTL_CARD_PROPERTY_GET, &request, sizeof(request), kStatusNotAnswered);
    value1 = request.value1;
    value2 = request.value2;
    return status;
}

DWORD CDriverChannel::SetProperty(DWORD property, DWORD value1, DWORD value2)
{
    PropertyRequest request = {sizeof(PropertyRequest), property, 0, value1, value2};
    return Call(IOCTL_CARD_PROPERTY_SET, &request, sizeof(request), kStatusNotAnswered);
}

void CDriverChannel::WriteRegistry(const char* keyPath, const char* valueName, DWORD kind,
                                   const void* data, DWORD length)
{
    RegistryWriteRequest request = {1, keyPath, valueName, kind, data, length};
    Call(IOCTL_CARD_REGISTRY_WRITE, &request, sizeof(request), 0);
}

void CDriverChannel::WriteRegistryNumber(const char* keyPath, const char* valueName, DWORD number)
{
    WriteRegistry(keyPath, valueName, kRegistryWriteNumber, &number, sizeof(number));
}

void CDriverChannel::WriteRegistryString(const char* keyPath, const char* valueName, const char* text)
{
    const char* written = text != nullptr ? text : "";
    WriteRegistry(keyPath, valueName, kRegistryWriteString, written,
                  static_cast<DWORD>(std::strlen(written) + 1));
}

bool CDriverChannel::ReadHardwareInfo(HardwareInfo& info)
{
    HardwareOpenRequest open = {kHardwareOpenRequest, 0, 0};
    if (!Succeeded(Call(IOCTL_CARD_HW_OPEN, &open, sizeof(open), kStatusNotAnswered)))
        return false;
    info = HardwareInfo();
    info.size = sizeof(HardwareInfo);
    info.cookie = open.cookie;
    return Succeeded(Call(IOCTL_CARD_HW_INFO, &info, kHardwareInfoInputLength, kStatusNotAnswered));
}

void CDriverChannel::PublishDriverKey(DWORD majorVersion)
{
    const std::string found = majorVersion == 4 ? FindMediaDriverKey() : FindServiceDriverKey();
    char driverKey[kDriverKeyBufferSize];
    // A key that does not fit is no key at all.
    if (std::snprintf(driverKey, sizeof(driverKey), "%s", found.c_str())
        >= static_cast<int>(sizeof(driverKey)))
        driverKey[0] = '\0';
    WriteRegistryString(kDriverBasicsKey, kDriverKeyValue, driverKey);
}
