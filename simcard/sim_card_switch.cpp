#include "simcard/sim_card_switch.h"

#include "simcard/sim_card.h"
#include "simcard/sim_disk.h"
#include "simcard/sim_driver.h"
#include "simcard/sim_factory_content.h"
#include "simcard/sim_sound_system.h"

#include <windows.h>

#include <cstdlib>

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
    // Its driver's presets and schemes, the first time the card is used.
    InstallSimFactoryContent();
    // The card's driver of the same model, for the rest of the process.
    static SimDriver driver(model);
    InstallSimDriverForProcess(driver);
    // And its sound system, for the speaker test.
    static SimSoundSystem sound;
    InstallSimSoundSystemForProcess(sound);
    return true;
}

bool InstallSimDiskFromEnvironment()
{
    char value[32];
    const DWORD length = GetEnvironmentVariableA("HALVARD_SIMDISK_BYTES", value, sizeof(value));
    if (length == 0 || length >= sizeof(value))
        return false;
    char* end = nullptr;
    const unsigned long long bytes = std::strtoull(value, &end, 10);
    if (end == value || *end != '\0')
        return false;
    InstallSimDiskLimit(static_cast<std::size_t>(bytes));
    return true;
}
