// The simulated driver's device interface and media devices as the device-setup
// functions report them, its handles, and its installation behind the device seam.
#include "simcard/sim_driver.h"

#include "driver/device_functions.h"

#include <cstddef>
#include <cstdio>
#include <cstring>

namespace {

// The media device class.
constexpr GUID kMediaClass = {
    0x4D36E96C, 0xE325, 0x11CE, {0xBF, 0xC1, 0x08, 0x00, 0x2B, 0xE1, 0x03, 0x18}};

// Handle values of the simulation: far from the small values the system hands out.
constexpr DWORD_PTR kFirstDeviceHandle = 0x7A110000;
constexpr DWORD_PTR kFirstDeviceSet = 0x7A120000;

bool SameGuid(const GUID* a, const GUID& b) { return a != nullptr && std::memcmp(a, &b, sizeof(b)) == 0; }

BOOL Refuse(DWORD error)
{
    SetLastError(error);
    return FALSE;
}

} // namespace

std::string SimDriver::DevicePath(int card) const
{
    char path[128];
    std::snprintf(path, sizeof(path),
                  "\\\\?\\root#media#%04d#{c84710e0-f725-11d1-94ba-00c04fbf8e70}\\halvard", card);
    return path;
}

bool SimDriver::OwnsHandle(HANDLE handle) const { return m_handles.count(handle) != 0; }

bool SimDriver::OwnsDeviceSet(HDEVINFO set) const { return m_sets.count(set) != 0; }

HDEVINFO SimDriver::GetClassDevs(const GUID* classGuid, PCSTR, HWND, DWORD flags)
{
    if (m_setupFault == SimSetupFault::ClassDevs) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    SetKind kind = SetKind::Empty;
    if ((flags & DIGCF_DEVICEINTERFACE) != 0 && SameGuid(classGuid, kCardInterfaceClass))
        kind = SetKind::Interfaces;
    else if ((flags & DIGCF_DEVICEINTERFACE) == 0 && SameGuid(classGuid, kMediaClass))
        kind = SetKind::Media;
    const HDEVINFO set = reinterpret_cast<HDEVINFO>(kFirstDeviceSet + 4 * (m_nextHandle++));
    m_sets[set] = kind;
    return set;
}

BOOL SimDriver::EnumDeviceInterfaces(HDEVINFO set, PSP_DEVINFO_DATA, const GUID* interfaceClass,
                                     DWORD index, PSP_DEVICE_INTERFACE_DATA data)
{
    const auto found = m_sets.find(set);
    if (found == m_sets.end())
        return Refuse(ERROR_INVALID_HANDLE);
    if (data == nullptr || data->cbSize != sizeof(SP_DEVICE_INTERFACE_DATA))
        return Refuse(ERROR_INVALID_USER_BUFFER);
    m_interfaceIndices.push_back(index);
    if (found->second != SetKind::Interfaces || !SameGuid(interfaceClass, kCardInterfaceClass)
        || index >= static_cast<DWORD>(m_cardCount))
        return Refuse(ERROR_NO_MORE_ITEMS);
    data->InterfaceClassGuid = kCardInterfaceClass;
    data->Flags = SPINT_ACTIVE;
    data->Reserved = index;
    return TRUE;
}

BOOL SimDriver::GetDeviceInterfaceDetail(HDEVINFO set, PSP_DEVICE_INTERFACE_DATA data,
                                         PSP_DEVICE_INTERFACE_DETAIL_DATA_A detail, DWORD detailSize,
                                         PDWORD requiredSize, PSP_DEVINFO_DATA)
{
    if (!OwnsDeviceSet(set) || data == nullptr)
        return Refuse(ERROR_INVALID_HANDLE);
    const std::string path = DevicePath(static_cast<int>(data->Reserved));
    const DWORD required =
        static_cast<DWORD>(offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_A, DevicePath) + path.size() + 1);
    if (requiredSize != nullptr)
        *requiredSize = required;
    if (m_setupFault == SimSetupFault::InterfaceDetail)
        return Refuse(ERROR_GEN_FAILURE);
    if (detail == nullptr || detailSize < required)
        return Refuse(ERROR_INSUFFICIENT_BUFFER);
    if (detail->cbSize != sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A))
        return Refuse(ERROR_INVALID_USER_BUFFER);
    std::memcpy(detail->DevicePath, path.c_str(), path.size() + 1);
    return TRUE;
}

BOOL SimDriver::DestroyDeviceInfoList(HDEVINFO set)
{
    if (m_sets.erase(set) == 0)
        return Refuse(ERROR_INVALID_HANDLE);
    return TRUE;
}

BOOL SimDriver::ClassGuidsFromName(PCSTR className, LPGUID guids, DWORD guidCount, PDWORD requiredCount)
{
    const bool media = className != nullptr && lstrcmpiA(className, "MEDIA") == 0;
    if (requiredCount != nullptr)
        *requiredCount = media ? 1 : 0;
    if (!media)
        return TRUE;
    if (guids == nullptr || guidCount < 1)
        return Refuse(ERROR_INSUFFICIENT_BUFFER);
    guids[0] = kMediaClass;
    return TRUE;
}

BOOL SimDriver::EnumDeviceInfo(HDEVINFO set, DWORD index, PSP_DEVINFO_DATA device)
{
    const auto found = m_sets.find(set);
    if (found == m_sets.end())
        return Refuse(ERROR_INVALID_HANDLE);
    if (device == nullptr || device->cbSize != sizeof(SP_DEVINFO_DATA))
        return Refuse(ERROR_INVALID_USER_BUFFER);
    if (found->second != SetKind::Media || index >= m_mediaDevices.size())
        return Refuse(ERROR_NO_MORE_ITEMS);
    device->ClassGuid = kMediaClass;
    device->DevInst = index + 1;
    device->Reserved = index;
    return TRUE;
}

BOOL SimDriver::GetDeviceRegistryProperty(HDEVINFO set, PSP_DEVINFO_DATA device, DWORD property,
                                          PDWORD type, PBYTE buffer, DWORD size, PDWORD requiredSize)
{
    const auto found = m_sets.find(set);
    if (found == m_sets.end() || device == nullptr || found->second != SetKind::Media
        || device->Reserved >= m_mediaDevices.size())
        return Refuse(ERROR_INVALID_HANDLE);
    const SimMediaDevice& media = m_mediaDevices[device->Reserved];
    const std::string* text = nullptr;
    DWORD textType = REG_SZ;
    if (property == SPDRP_HARDWAREID) {
        text = &media.hardwareId;
        textType = REG_MULTI_SZ;
    } else if (property == SPDRP_DRIVER) {
        text = &media.driver;
    }
    if (text == nullptr || text->empty())
        return Refuse(ERROR_INVALID_DATA);
    const DWORD bytes = static_cast<DWORD>(text->size());
    if (requiredSize != nullptr)
        *requiredSize = bytes;
    if (type != nullptr)
        *type = textType;
    if (buffer == nullptr || size < bytes)
        return Refuse(ERROR_INSUFFICIENT_BUFFER);
    std::memcpy(buffer, text->data(), bytes);
    return TRUE;
}

HANDLE SimDriver::CreateFile(LPCSTR path, DWORD, DWORD, LPSECURITY_ATTRIBUTES, DWORD, DWORD, HANDLE)
{
    for (int card = 0; card < m_cardCount; ++card) {
        if (path == nullptr || lstrcmpiA(path, DevicePath(card).c_str()) != 0)
            continue;
        m_openedCards.push_back(card);
        if (m_setupFault == SimSetupFault::Open) {
            SetLastError(ERROR_ACCESS_DENIED);
            return INVALID_HANDLE_VALUE;
        }
        const HANDLE handle = reinterpret_cast<HANDLE>(kFirstDeviceHandle + 4 * (m_nextHandle++));
        m_handles[handle] = card;
        return handle;
    }
    SetLastError(ERROR_FILE_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
}

BOOL SimDriver::CloseHandle(HANDLE handle)
{
    if (m_handles.erase(handle) == 0)
        return Refuse(ERROR_INVALID_HANDLE);
    return TRUE;
}

namespace {

SimDriver* g_driver = nullptr;

bool IsSimulatedPath(LPCSTR path)
{
    return path != nullptr && std::strncmp(path, "\\\\?\\root#media#", 15) == 0;
}

HDEVINFO WINAPI SimGetClassDevs(const GUID* guid, PCSTR enumerator, HWND parent, DWORD flags)
{
    return g_driver->GetClassDevs(guid, enumerator, parent, flags);
}

BOOL WINAPI SimEnumDeviceInterfaces(HDEVINFO set, PSP_DEVINFO_DATA device, const GUID* guid,
                                    DWORD index, PSP_DEVICE_INTERFACE_DATA data)
{
    return g_driver->EnumDeviceInterfaces(set, device, guid, index, data);
}

BOOL WINAPI SimGetDeviceInterfaceDetail(HDEVINFO set, PSP_DEVICE_INTERFACE_DATA data,
                                        PSP_DEVICE_INTERFACE_DETAIL_DATA_A detail, DWORD size,
                                        PDWORD required, PSP_DEVINFO_DATA device)
{
    return g_driver->GetDeviceInterfaceDetail(set, data, detail, size, required, device);
}

BOOL WINAPI SimDestroyDeviceInfoList(HDEVINFO set) { return g_driver->DestroyDeviceInfoList(set); }

BOOL WINAPI SimClassGuidsFromName(PCSTR name, LPGUID guids, DWORD count, PDWORD required)
{
    return g_driver->ClassGuidsFromName(name, guids, count, required);
}

BOOL WINAPI SimEnumDeviceInfo(HDEVINFO set, DWORD index, PSP_DEVINFO_DATA device)
{
    return g_driver->EnumDeviceInfo(set, index, device);
}

BOOL WINAPI SimGetDeviceRegistryProperty(HDEVINFO set, PSP_DEVINFO_DATA device, DWORD property,
                                         PDWORD type, PBYTE buffer, DWORD size, PDWORD required)
{
    return g_driver->GetDeviceRegistryProperty(set, device, property, type, buffer, size, required);
}

HANDLE WINAPI SimCreateFile(LPCSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                            DWORD disposition, DWORD attributes, HANDLE templateFile)
{
    if (!IsSimulatedPath(path))
        return ::CreateFileA(path, access, share, security, disposition, attributes, templateFile);
    return g_driver->CreateFile(path, access, share, security, disposition, attributes, templateFile);
}

BOOL WINAPI SimDeviceIoControl(HANDLE device, DWORD code, LPVOID input, DWORD inputLength,
                               LPVOID output, DWORD outputLength, LPDWORD returned,
                               LPOVERLAPPED overlapped)
{
    // The invalid handle value is the process itself to the system: no device.
    if (device == INVALID_HANDLE_VALUE)
        return Refuse(ERROR_INVALID_HANDLE);
    if (!g_driver->OwnsHandle(device) && reinterpret_cast<DWORD_PTR>(device) < kFirstDeviceHandle)
        return ::DeviceIoControl(device, code, input, inputLength, output, outputLength, returned,
                                 overlapped);
    return g_driver->DeviceIoControl(device, code, input, inputLength, output, outputLength, returned,
                                     overlapped);
}

BOOL WINAPI SimCloseHandle(HANDLE handle)
{
    if (!g_driver->OwnsHandle(handle) && reinterpret_cast<DWORD_PTR>(handle) < kFirstDeviceHandle)
        return ::CloseHandle(handle);
    return g_driver->CloseHandle(handle);
}

void Install(SimDriver& driver)
{
    g_driver = &driver;
    SetDeviceFunctions({&SimGetClassDevs, &SimEnumDeviceInterfaces, &SimGetDeviceInterfaceDetail,
                        &SimDestroyDeviceInfoList, &SimClassGuidsFromName, &SimEnumDeviceInfo,
                        &SimGetDeviceRegistryProperty, &SimCreateFile, &SimDeviceIoControl,
                        &SimCloseHandle});
}

} // namespace

SimDriverInstallation::SimDriverInstallation(SimDriver& driver)
    : m_previousDriver(g_driver), m_previousFunctions(DeviceApi())
{
    Install(driver);
}

SimDriverInstallation::~SimDriverInstallation()
{
    SetDeviceFunctions(m_previousFunctions);
    g_driver = m_previousDriver;
}

void InstallSimDriverForProcess(SimDriver& driver) { Install(driver); }
