#include "support/card_bench.h"

#include "driver/driver_keys.h"
#include "platform/registry.h"
#include "simcard/sim_card.h"

const char* const kBenchDriverKey =
    "SYSTEM\\CurrentControlSet\\Services\\Class\\{4D36E96C-E325-11CE-BFC1-08002BE10318}\\0001";

CardBench::CardBench(const CardBenchOptions& options)
    : m_driverTree(HKEY_LOCAL_MACHINE, kDriverSettingsKey)
    , m_sensaura(HKEY_LOCAL_MACHINE, "Software\\Sensaura", kSharedSoftwareView)
    , m_instance(HKEY_LOCAL_MACHINE, kBenchDriverKey)
    , m_mixerStore(HKEY_CURRENT_USER, options.mixerStoreKey)
{
    // The system whose driver key the simulated driver's media device gives.
    if (options.system)
        m_system.emplace(*options.system);
    SimCard::Instance().MixerDevices().Store().SetKey(options.mixerStoreKey);
    if (options.emptyDriverTree)
        DeleteKeyTree(HKEY_LOCAL_MACHINE, kDriverSettingsKey);
}

CardBench::~CardBench()
{
    m_mixer.reset();
    m_installation.reset();
    SimCard::Instance().Uninstall();
    SimCard::Instance().MixerDevices().Store().SetKey(SimMixerStore::DefaultKey());
}

void CardBench::Install(SimCardModel model, SimVoiceLimitKind kind)
{
    m_mixer.reset();
    m_installation.reset();
    SimCard::Instance().Install(model);
    m_driver = std::make_unique<SimDriver>(model);
    m_driver->SetVoiceLimitKind(kind);
    m_installation = std::make_unique<SimDriverInstallation>(*m_driver);
    m_mixer = std::make_unique<CCardMixer>();
}

bool CardBench::Open() { return m_mixer->OpenCard("Halvard 5.1+") == 1; }

bool CardBench::Start(SimCardModel model)
{
    Install(model);
    return Open();
}

const SimDriverRequest* CardBench::LastCommand(DWORD command) const
{
    const auto& log = m_driver->Log();
    for (auto entry = log.rbegin(); entry != log.rend(); ++entry) {
        if (entry->controlCode == IOCTL_CARD_COMMAND && entry->code == command)
            return &*entry;
    }
    return nullptr;
}

int CardBench::IndexOfCommand(DWORD command, int from) const
{
    const auto& log = m_driver->Log();
    for (size_t index = static_cast<size_t>(from); index < log.size(); ++index) {
        if (log[index].controlCode == IOCTL_CARD_COMMAND && log[index].code == command)
            return static_cast<int>(index);
    }
    return -1;
}

int CardBench::IndexOfRegistryWrite(const std::string& keyPath, const std::string& valueName) const
{
    const auto& log = m_driver->Log();
    for (size_t index = 0; index < log.size(); ++index) {
        if (log[index].controlCode == IOCTL_CARD_REGISTRY_WRITE && log[index].keyPath == keyPath
            && log[index].valueName == valueName)
            return static_cast<int>(index);
    }
    return -1;
}

StoredValue ReadMachineValue(const std::string& path, const std::string& name, REGSAM view)
{
    StoredValue value;
    value.found = ReadRawValue(HKEY_LOCAL_MACHINE, path, name, value.type, value.data, view);
    return value;
}

bool WriteMachineBinary(const std::string& path, const std::string& name, const void* data, DWORD size)
{
    return WriteRawValue(HKEY_LOCAL_MACHINE, path, name, REG_BINARY, data, size);
}

bool WriteMachineNumber(const std::string& path, const std::string& name, DWORD value, DWORD type,
                        REGSAM view)
{
    return WriteRawValue(HKEY_LOCAL_MACHINE, path, name, type, &value, sizeof(value), view);
}

std::vector<BYTE> Bytes(std::initializer_list<int> values)
{
    std::vector<BYTE> bytes;
    for (int value : values)
        bytes.push_back(static_cast<BYTE>(value));
    return bytes;
}

std::vector<BYTE> NumberBytes(DWORD value)
{
    return Bytes({static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF), static_cast<int>(value >> 24)});
}
