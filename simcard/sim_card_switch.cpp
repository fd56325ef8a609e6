#include "simcard/sim_card_switch.h"

#include "simcard/sim_card.h"

#include <windows.h>

bool InstallSimulatedCardFromEnvironment()
{
    char value[32];
    const DWORD length = GetEnvironmentVariableA("HALVARD_SIMCARD", value, sizeof(value));
    if (length == 0 || length >= sizeof(value))
        return false;
    SimCardModel model = SimCardModel::Six;
    if (!ParseSimCardModel(value, model))
        return false;
    SimCard::Instance().Install(model);
    return true;
}
