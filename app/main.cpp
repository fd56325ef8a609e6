// The panel's process entry. Until the main sheet exists, the panel announces itself
// with its name and version so that a start shows what has been built.
#include <windows.h>

#include <cstdio>

#include "app/generic_mixer_sheet.h"
#include "simcard/sim_card_switch.h"
#include "string_ids.h"

namespace {

constexpr int kTextChars = 512;

void LoadText(HINSTANCE instance, UINT id, char* buffer, int size)
{
    if (LoadStringA(instance, id, buffer, size) <= 0)
        buffer[0] = '\0';
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    InstallSimulatedCardFromEnvironment();
    if (IsGenericMixerSheetRequested())
        return RunGenericMixerSheet();
    char productName[kTextChars];
    char shortName[kTextChars];
    char aboutFormat[kTextChars];
    LoadText(instance, IDS_PRODUCT_NAME, productName, kTextChars);
    LoadText(instance, IDS_SHORT_NAME, shortName, kTextChars);
    LoadText(instance, IDS_ABOUT_FORMAT, aboutFormat, kTextChars);

    char about[kTextChars * 2];
    std::snprintf(about, sizeof(about), aboutFormat, shortName, "1.0", "---");
    MessageBoxA(nullptr, about, productName, MB_OK | MB_ICONINFORMATION);
    return 0;
}
