#pragma once
// What the settings-file tests share: a simulated card that keeps nothing across
// runs, temporary files and the hand-written golden files.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "mixer/wss_mixer.h"
#include "simcard/sim_card.h"

class SettingsFileTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void InstallModel(SimCardModel model);
    // Opens the card's mixer in the model.
    void OpenMixer(CWssMixer& mixer);

    // A temporary file of this test, removed afterwards.
    const std::string& TempPath();
    void WriteFile(const std::string& bytes);
    std::string ReadFile();

    // The values the model holds for a control.
    std::vector<LONG> ValuesOf(CMixerDevice& mixer, DWORD controlId);

private:
    std::string m_tempPath;
};

// A resource of the test program as bytes.
std::string ResourceBytes(int id);

// Drops this thread's pending messages (every set posts a change message).
void DrainMessages();
