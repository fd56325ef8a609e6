#pragma once
// A CCardMixer on the simulated card of a model, with the driver's registry keys
// (the driver's tree, the 3D software's keys and the DirectSound keys of the
// simulated driver instance) saved before and put back after each test.
#include "driver/card_mixer.h"
#include "simcard/sim_card_model.h"
#include "simcard/sim_driver.h"
#include "simcard/sim_system.h"
#include "support/registry_tree_guard.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

// The simulated driver instance's key as Windows 98 reports it.
extern const char* const kBenchDriverKey;

struct CardBenchOptions {
    // The key (below the current user's root) the simulated mixers keep their values in.
    const char* mixerStoreKey = "Software\\Halvard Tests\\Card Bench Store";
    // The system played to the driver; none leaves the one Wine reports.
    std::optional<SimSystem> system = SimSystem::Windows98;
    // Starts without the driver's settings tree.
    bool emptyDriverTree = false;
};

class CardBench {
public:
    explicit CardBench(const CardBenchOptions& options = CardBenchOptions());
    ~CardBench();
    CardBench(const CardBench&) = delete;
    CardBench& operator=(const CardBench&) = delete;

    // A fresh card of that model with a new CCardMixer (not opened yet).
    void Install(SimCardModel model, SimVoiceLimitKind kind = SimVoiceLimitKind::Registry);
    // OpenCard; false when the start-up failed.
    bool Open();
    // Install and Open.
    bool Start(SimCardModel model);
    // Destroys the CCardMixer (its teardown runs).
    void Close() { m_mixer.reset(); }

    CCardMixer& Mixer() { return *m_mixer; }
    SimDriver& Driver() { return *m_driver; }
    const SimDriver& Driver() const { return *m_driver; }
    // The last logged command of that code, or nullptr.
    const SimDriverRequest* LastCommand(DWORD command) const;
    // Log positions of the requests, for order checks; -1 when absent.
    int IndexOfCommand(DWORD command, int from = 0) const;
    int IndexOfRegistryWrite(const std::string& keyPath, const std::string& valueName) const;

private:
    RegistryTreeGuard m_driverTree;
    RegistryTreeGuard m_sensaura;
    RegistryTreeGuard m_instance;
    RegistryTreeGuard m_mixerStore;
    std::optional<SimSystemInstallation> m_system;
    std::unique_ptr<SimDriver> m_driver;
    std::unique_ptr<SimDriverInstallation> m_installation;
    std::unique_ptr<CCardMixer> m_mixer;
};

// Registry helpers for the checks: a value's type and bytes, a number, a text. Keys
// shared with the 32-bit panel take kSharedSoftwareView.
struct StoredValue {
    bool found = false;
    DWORD type = 0;
    std::vector<BYTE> data;
};
StoredValue ReadMachineValue(const std::string& path, const std::string& name, REGSAM view = 0);
bool WriteMachineBinary(const std::string& path, const std::string& name, const void* data, DWORD size);
bool WriteMachineNumber(const std::string& path, const std::string& name, DWORD value, DWORD type,
                        REGSAM view = 0);
std::vector<BYTE> Bytes(std::initializer_list<int> values);
std::vector<BYTE> NumberBytes(DWORD value);
