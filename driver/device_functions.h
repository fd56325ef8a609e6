#pragma once
// The device seam: the device-setup, file and device-control functions the driver
// channel calls, with their own signatures. By default they are the system's; a
// simulated driver can take their place.

#include <windows.h>
#include <setupapi.h>

struct DeviceFunctions {
    decltype(&::SetupDiGetClassDevsA) getClassDevs;
    decltype(&::SetupDiEnumDeviceInterfaces) enumDeviceInterfaces;
    decltype(&::SetupDiGetDeviceInterfaceDetailA) getDeviceInterfaceDetail;
    decltype(&::SetupDiDestroyDeviceInfoList) destroyDeviceInfoList;
    decltype(&::SetupDiClassGuidsFromNameA) classGuidsFromName;
    decltype(&::SetupDiEnumDeviceInfo) enumDeviceInfo;
    decltype(&::SetupDiGetDeviceRegistryPropertyA) getDeviceRegistryProperty;
    decltype(&::CreateFileA) createFile;
    decltype(&::DeviceIoControl) deviceIoControl;
    decltype(&::CloseHandle) closeHandle;
};

// The system's functions.
const DeviceFunctions& WindowsDeviceFunctions();

// The functions in use.
const DeviceFunctions& DeviceApi();

// Replaces the functions in use; RestoreWindowsDeviceFunctions undoes it.
void SetDeviceFunctions(const DeviceFunctions& functions);
void RestoreWindowsDeviceFunctions();
