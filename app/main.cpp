// The panel's process entry: the simulated card when HALVARD_SIMCARD names one,
// then the application object's start-up, message loop and exit.
#include <windows.h>

#include "app/panel_app.h"
#include "simcard/sim_card_switch.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    InstallSimulatedCardFromEnvironment();
    CPanelApp app;
    return app.Main();
}
