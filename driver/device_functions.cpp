#include "driver/device_functions.h"

namespace {

DeviceFunctions& Active()
{
    static DeviceFunctions functions = WindowsDeviceFunctions();
    return functions;
}

} // namespace

const DeviceFunctions& WindowsDeviceFunctions()
{
    static const DeviceFunctions functions = {
        &::SetupDiGetClassDevsA,
        &::SetupDiEnumDeviceInterfaces,
        &::SetupDiGetDeviceInterfaceDetailA,
        &::SetupDiDestroyDeviceInfoList,
        &::SetupDiClassGuidsFromNameA,
        &::SetupDiEnumDeviceInfo,
        &::SetupDiGetDeviceRegistryPropertyA,
        &::CreateFileA,
        &::DeviceIoControl,
        &::CloseHandle,
    };
    return functions;
}

const DeviceFunctions& DeviceApi() { return Active(); }

void SetDeviceFunctions(const DeviceFunctions& functions) { Active() = functions; }

void RestoreWindowsDeviceFunctions() { Active() = WindowsDeviceFunctions(); }
