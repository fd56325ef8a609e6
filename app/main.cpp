// The panel's process entry. Until the main sheet exists, the panel announces itself
// with its name and version so that a start shows what has been built.
#include <windows.h>

#include <cstdio>

#include "platform/resource_string.h"
#include "simcard/sim_card_switch.h"
#include "string_ids.h"

namespace {

constexpr int kTextChars = 512;

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    InstallSimulatedCardFromEnvironment();
    char productName[kTextChars];
    char shortName[kTextChars];
    char aboutFormat[kTextChars];
    LoadResourceString(IDS_PRODUCT_NAME, productName, sizeof(productName));
    LoadResourceString(IDS_SHORT_NAME, shortName, sizeof(shortName));
    LoadResourceString(IDS_ABOUT_FORMAT, aboutFormat, sizeof(aboutFormat));

    char about[kTextChars * 2];
    std::snprintf(about, sizeof(about), aboutFormat, shortName, "1.0", "---");
    MessageBoxA(nullptr, about, productName, MB_OK | MB_ICONINFORMATION);
    return 0;
}
