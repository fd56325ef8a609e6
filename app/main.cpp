// The panel's process entry: the simulated card when HALVARD_SIMCARD names one (and
// the simulated full disk when HALVARD_SIMDISK_BYTES is set),
// then the application object's start-up, message loop and exit.
#include <windows.h>

#include "app/generic_mixer_sheet.h"
#include "app/panel_app.h"
#include "simcard/sim_card_switch.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    InstallSimulatedCardFromEnvironment();
    InstallSimDiskFromEnvironment();
    if (IsGenericMixerSheetRequested())
        return RunGenericMixerSheet();
    CPanelApp app;
    return app.Main();
}
