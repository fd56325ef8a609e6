#pragma once
// What the settings-file tests share: a simulated card that keeps nothing across
// runs, a temporary file and the hand-written golden files.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mixer/wss_mixer.h"
#include "simcard/sim_card.h"
#include "support/message_pump.h"
#include "support/sim_card_test.h"
#include "support/temp_file.h"

class SettingsFileTest : public SimCardTest {
protected:
    SettingsFileTest() : SimCardTest("") {}
    void TearDown() override;

    // Opens the card's mixer in the model.
    void OpenMixer(CWssMixer& mixer);

    // The values the model holds for a control.
    std::vector<LONG> ValuesOf(CMixerDevice& mixer, DWORD controlId);

    TempFile m_file;
};

// A resource of the test program as bytes.
std::string ResourceBytes(int id);
