#include "support/sim_card_test.h"

#include <utility>

const char* SimCardTest::TestStoreKey()
{
    return "Software\\Norvalis Dirizuzaro GmbH\\Simulated Card\\Mixer Tests";
}

SimCardTest::SimCardTest(std::string storeKey) : m_storeKey(std::move(storeKey)) {}

void SimCardTest::SetUp()
{
    Devices().Store().SetKey(m_storeKey);
    Devices().Store().Remove();
}

void SimCardTest::TearDown()
{
    SimCard::Instance().Uninstall();
    Devices().Store().Remove();
    Devices().Store().SetKey(SimMixerStore::DefaultKey());
}

void SimCardTest::InstallModel(SimCardModel model, SimControlNumbering numbering)
{
    SimCard::Instance().Install(model, numbering);
}

void SimCardTest::InstallLayouts(const std::vector<SimMixerLayout>& layouts)
{
    SimCard::Instance().InstallMixers(SimCardModel::Six, layouts);
}
