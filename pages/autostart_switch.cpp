#include "pages/autostart_switch.h"

#include <windows.h>

#include "platform/panel_values.h"
#include "platform/system_version.h"

std::string AutostartCommandLine(const char* systemDirectory, const char* productName)
{
    return std::string("\"") + (systemDirectory != nullptr ? systemDirectory : "") + "\\"
        + (productName != nullptr ? productName : "") + ".exe\" /minimize";
}

bool SwitchAutostart(bool on, const char* productName)
{
    if (on)
        WriteAutostart(productName, AutostartCommandLine(QuerySystemDirectory().c_str(), productName).c_str());
    else
        RemoveAutostart(productName);
    return IsAutostartOn(productName);
}
