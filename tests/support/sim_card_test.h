#pragma once
// A fresh simulated card for every test. Its mixers keep their values under a key
// of the tests' own (an empty key keeps nothing), which starts empty and is removed
// again afterwards, when the card is uninstalled.
#include "simcard/sim_card.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class SimCardTest : public testing::Test {
protected:
    static const char* TestStoreKey();
    explicit SimCardTest(std::string storeKey = TestStoreKey());
    void SetUp() override;
    void TearDown() override;

    void InstallModel(SimCardModel model, SimControlNumbering numbering = SimControlNumbering::WindowsXp);
    void InstallLayouts(const std::vector<SimMixerLayout>& layouts);
    SimMixerDevices& Devices() { return SimCard::Instance().MixerDevices(); }

private:
    std::string m_storeKey;
};
