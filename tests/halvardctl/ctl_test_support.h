#pragma once
// A clean simulated card shared with the halvardctl processes a test starts: the
// driver's registry tree and the simulated mixer's stored values start empty and
// are put back afterwards. The test's own CCardMixer (the bench) sees the same card.
#include "support/card_bench.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class HalvardCtlTest : public testing::Test {
protected:
    HalvardCtlTest();
    void SetUp() override;

    CardBench& Bench() { return *m_bench; }
    // Ten-band equalizer presets of those names (gains all `gain`), the current set from the first.
    static void WritePresets(const std::vector<std::string>& names);
    // Every value below the driver's tree and the simulated mixer's store, as text.
    static std::string CardSnapshot();

private:
    std::unique_ptr<CardBench> m_bench;
};

// A golden file of the test program's resources.
std::string GoldenText(int id);
