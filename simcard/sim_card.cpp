#include "simcard/sim_card.h"

SimCard& SimCard::Instance()
{
    static SimCard card;
    return card;
}

SimCard::SimCard() : m_installed(false), m_model(SimCardModel::Six) {}

void SimCard::Install(SimCardModel model, SimControlNumbering numbering)
{
    InstallMixers(model, {MixerLayoutForModel(model, numbering)});
}

void SimCard::InstallMixers(SimCardModel model, const std::vector<SimMixerLayout>& layouts)
{
    m_model = model;
    m_mixers.SetDevices(layouts);
    SimMixerDevices::SetActive(&m_mixers);
    SetMixerFunctions(SimMixerDevices::Functions());
    m_installed = true;
}

void SimCard::Uninstall()
{
    RestoreWindowsMixerFunctions();
    SimMixerDevices::SetActive(nullptr);
    m_mixers.SetDevices({});
    m_installed = false;
}
