#pragma once
// The process-wide simulated card: its model and the devices that stand in for
// the card's hardware. Installing it puts it behind the seams; uninstalling
// gives the seams back to the system.

#include "simcard/sim_card_model.h"
#include "simcard/sim_mixer_device.h"

class SimCard {
public:
    // The one simulated card of the process.
    static SimCard& Instance();

    // Installs the card of a model with its own mixer layout.
    void Install(SimCardModel model, SimControlNumbering numbering = SimControlNumbering::WindowsXp);
    // Installs a card whose mixer devices are the given layouts (extra cards, broken devices).
    void InstallMixers(SimCardModel model, const std::vector<SimMixerLayout>& layouts);
    void Uninstall();

    bool IsInstalled() const { return m_installed; }
    SimCardModel Model() const { return m_model; }
    SimMixerDevices& MixerDevices() { return m_mixers; }

private:
    SimCard();

    bool m_installed;
    SimCardModel m_model;
    SimMixerDevices m_mixers;
};
