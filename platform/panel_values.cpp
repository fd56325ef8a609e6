#include "platform/panel_values.h"

#include "platform/registry.h"

namespace {

constexpr const char* kRenderModeValue = "RenderMode";
constexpr const char* kGlobalHotKeysValue = "GlobalHotKeys";

CRegistry ControlPanelValues()
{
    CRegistry registry;
    registry.SetKey(HKEY_LOCAL_MACHINE, kControlPanelKey);
    return registry;
}

CRegistry AutostartValues()
{
    CRegistry registry;
    registry.SetKey(HKEY_LOCAL_MACHINE, kAutostartKey);
    // One autostart value for the 32-bit and the 64-bit panel.
    registry.SetView(kSharedSoftwareView);
    return registry;
}

} // namespace

COLORREF ReadPanelColour(const PanelColourValue& colour)
{
    DWORD value = 0;
    if (!ControlPanelValues().QueryDword(colour.name, &value))
        return colour.fallback;
    return value;
}

bool WritePanelColour(const PanelColourValue& colour, COLORREF value)
{
    return ControlPanelValues().SetDword(colour.name, value) == 1;
}

bool ReadPanelRenderMode(DWORD& mode)
{
    DWORD value = 0;
    if (!ControlPanelValues().QueryDword(kRenderModeValue, &value))
        return false;
    mode = value | kStoredRenderModeBit;
    return true;
}

bool WritePanelRenderMode(DWORD mode)
{
    return ControlPanelValues().SetDword(kRenderModeValue, mode | kStoredRenderModeBit) == 1;
}

bool ReadGlobalHotKeysSwitch()
{
    DWORD on = 0;
    ControlPanelValues().QueryBinary(kGlobalHotKeysValue, &on, sizeof(on));
    return on != 0;
}

bool WriteGlobalHotKeysSwitch(bool on)
{
    const DWORD value = on ? 1 : 0;
    return ControlPanelValues().SetBinary(kGlobalHotKeysValue, &value, sizeof(value)) == 1;
}

bool IsAutostartOn(const char* productName)
{
    char data[kAutostartBufferSize];
    return ReadAutostart(productName, data, sizeof(data));
}

bool ReadAutostart(const char* productName, char* buffer, DWORD bufferSize)
{
    if (productName == nullptr)
        return false;
    return AutostartValues().QueryValue(productName, buffer, bufferSize) == 1;
}

bool WriteAutostart(const char* productName, const char* commandLine)
{
    if (productName == nullptr)
        return false;
    return AutostartValues().SetString(productName, commandLine) == 1;
}

bool RemoveAutostart(const char* productName)
{
    if (productName == nullptr)
        return false;
    return AutostartValues().DeleteValue(productName) == 1;
}
