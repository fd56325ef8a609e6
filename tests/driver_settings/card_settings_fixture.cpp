#include "card_settings_fixture.h"

#include "driver/source_positions.h"
#include "driver/spdif_settings.h"
#include "driver/wavetable_settings.h"

#include <cstring>

namespace {

const char* kProductName = "Halvard 5.1+";
const char* kMixerStoreKey = "Software\\Halvard Tests\\Driver Settings Store";
const char* kAlgorithmsKey = "SYSTEM\\CurrentControlSet\\Services\\ruririv\\CS461x\\Algorithms\\Basics";

} // namespace

std::string PathOf(const char* key, const char* subkey)
{
    return subkey == nullptr ? std::string(key) : std::string(key) + "\\" + subkey;
}

CardSettingsTest::CardSettingsTest()
    : m_algorithms(HKEY_LOCAL_MACHINE, kAlgorithmsKey)
    , m_panelKey(HKEY_LOCAL_MACHINE, kControlPanelKey)
    , m_maxSoft(HKEY_LOCAL_MACHINE, kControlPanelKey, kMaxSoftValue)
    , m_driverKey(HKEY_LOCAL_MACHINE, kDriverBasicsKey, kDriverKeyValue)
    , m_spdif(HKEY_LOCAL_MACHINE, kSpdifKey)
    , m_wavetable(HKEY_LOCAL_MACHINE, kWavetableKey)
    , m_positioning(HKEY_LOCAL_MACHINE, kSourcePositioningKey)
    , m_store(HKEY_CURRENT_USER, kMixerStoreKey)
{
    SimCard::Instance().MixerDevices().Store().SetKey(kMixerStoreKey);
    DeleteValue(kControlPanelKey, kMaxSoftValue);
    for (const char* key : {kSpdifKey, kWavetableKey, kSourcePositioningKey})
        DeleteKeyTree(HKEY_LOCAL_MACHINE, key);
}

CardSettingsTest::~CardSettingsTest()
{
    m_mixer.reset();
    m_installation.reset();
    SimCard::Instance().Uninstall();
    SimCard::Instance().MixerDevices().Store().SetKey(SimMixerStore::DefaultKey());
}

void CardSettingsTest::Install(SimCardModel model, SimVoiceLimitKind kind)
{
    m_mixer.reset();
    m_installation.reset();
    SimCard::Instance().Install(model);
    m_driver = std::make_unique<SimDriver>(model);
    m_driver->SetVoiceLimitKind(kind);
    m_installation = std::make_unique<SimDriverInstallation>(*m_driver);
    m_mixer = std::make_unique<CCardMixer>();
}

void CardSettingsTest::Open()
{
    ASSERT_EQ(1, m_mixer->OpenCard(kProductName));
}

void CardSettingsTest::InstallAndOpen(SimCardModel model, SimVoiceLimitKind kind)
{
    Install(model, kind);
    Open();
}

void CardSettingsTest::Close() { m_mixer.reset(); }

std::vector<SimDriverRequest> CardSettingsTest::Commands() const
{
    std::vector<SimDriverRequest> commands;
    for (const SimDriverRequest& request : m_driver->Log()) {
        if (request.controlCode == IOCTL_CARD_COMMAND)
            commands.push_back(request);
    }
    return commands;
}

void CardSettingsTest::WriteNumber(const char* key, const char* name, DWORD value, const char* subkey)
{
    WriteRawValue(HKEY_LOCAL_MACHINE, PathOf(key, subkey), name, REG_BINARY, &value, sizeof(value));
}

bool CardSettingsTest::ReadNumber(const char* key, const char* name, DWORD& value, const char* subkey)
{
    DWORD type = 0;
    std::vector<BYTE> data;
    if (!ReadRawValue(HKEY_LOCAL_MACHINE, PathOf(key, subkey), name, type, data)
        || data.size() != sizeof(DWORD))
        return false;
    std::memcpy(&value, data.data(), sizeof(value));
    return true;
}

bool CardSettingsTest::HasValue(const char* key, const char* name, const char* subkey)
{
    DWORD type = 0;
    std::vector<BYTE> data;
    return ReadRawValue(HKEY_LOCAL_MACHINE, PathOf(key, subkey), name, type, data);
}

std::string CardSettingsTest::ReadText(const char* key, const char* name, const char* subkey)
{
    DWORD type = 0;
    std::vector<BYTE> data;
    if (!ReadRawValue(HKEY_LOCAL_MACHINE, PathOf(key, subkey), name, type, data))
        return "<missing>";
    return std::string(reinterpret_cast<const char*>(data.data()), strnlen(reinterpret_cast<const char*>(data.data()), data.size()));
}

void CardSettingsTest::DeleteValue(const char* key, const char* name, const char* subkey)
{
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, PathOf(key, subkey).c_str(), 0, KEY_ALL_ACCESS, &opened)
        != ERROR_SUCCESS)
        return;
    RegDeleteValueA(opened, name);
    RegCloseKey(opened);
}
