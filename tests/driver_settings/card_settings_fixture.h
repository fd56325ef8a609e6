#pragma once
// A CCardMixer opened on the simulated card; the driver's settings keys start
// empty and are put back as they were afterwards.
#include "platform/panel_values.h"
#include "driver/card_mixer.h"
#include "driver/driver_keys.h"
#include "simcard/sim_card.h"
#include "simcard/sim_driver.h"
#include "support/card_bench.h"
#include "support/registry_guard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class CardSettingsTest : public testing::Test {
protected:
    // A new driver of that model and kind; the card is opened when asked.
    void Install(SimCardModel model, SimVoiceLimitKind kind = SimVoiceLimitKind::Registry);
    void Open();
    void InstallAndOpen(SimCardModel model = SimCardModel::Six,
                        SimVoiceLimitKind kind = SimVoiceLimitKind::Registry);
    // Destroys the card mixer (its teardown runs).
    void Close() { m_bench.Close(); }

    CCardMixer& Mixer() { return m_bench.Mixer(); }
    SimDriver& Driver() { return m_bench.Driver(); }

    // Commands in the log since it was last cleared.
    std::vector<SimDriverRequest> Commands() const;

public:
    static void WriteNumber(const char* key, const char* name, DWORD value,
                            const char* subkey = nullptr);
    // The number stored (binary or DWORD, 4 bytes), or false when there is none.
    static bool ReadNumber(const char* key, const char* name, DWORD& value,
                           const char* subkey = nullptr);
    static bool HasValue(const char* key, const char* name, const char* subkey = nullptr);
    static std::string ReadText(const char* key, const char* name, const char* subkey = nullptr);
    static void DeleteValue(const char* key, const char* name, const char* subkey = nullptr);

protected:
    CardSettingsTest();

private:
    CardBench m_bench;
};

std::string PathOf(const char* key, const char* subkey);
