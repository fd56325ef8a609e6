#include "card_settings_fixture.h"

#include "driver/source_positions.h"
#include "driver/spdif_settings.h"
#include "driver/wavetable_settings.h"

#include <cstring>

namespace {

// The card on the system Wine reports, its mixers' values in a store of these tests.
CardBenchOptions CardSettingsBench()
{
    CardBenchOptions options;
    options.mixerStoreKey = "Software\\Halvard Tests\\Driver Settings Store";
    options.system.reset();
    return options;
}

} // namespace

std::string PathOf(const char* key, const char* subkey)
{
    return subkey == nullptr ? std::string(key) : std::string(key) + "\\" + subkey;
}

CardSettingsTest::CardSettingsTest() : m_bench(CardSettingsBench())
{
    DeleteValue(kControlPanelKey, kMaxSoftValue);
    for (const char* key : {kSpdifKey, kWavetableKey, kSourcePositioningKey})
        DeleteKeyTree(HKEY_LOCAL_MACHINE, key);
}

void CardSettingsTest::Install(SimCardModel model, SimVoiceLimitKind kind) { m_bench.Install(model, kind); }

void CardSettingsTest::Open()
{
    ASSERT_EQ(1, Mixer().OpenCard("Halvard 5.1+"));
}

void CardSettingsTest::InstallAndOpen(SimCardModel model, SimVoiceLimitKind kind)
{
    Install(model, kind);
    Open();
}

std::vector<SimDriverRequest> CardSettingsTest::Commands() const
{
    std::vector<SimDriverRequest> commands;
    for (const SimDriverRequest& request : m_bench.Driver().Log()) {
        if (request.controlCode == IOCTL_CARD_COMMAND)
            commands.push_back(request);
    }
    return commands;
}

void CardSettingsTest::WriteNumber(const char* key, const char* name, DWORD value, const char* subkey)
{
    WriteMachineBinary(PathOf(key, subkey), name, &value, sizeof(value));
}

bool CardSettingsTest::ReadNumber(const char* key, const char* name, DWORD& value, const char* subkey)
{
    const StoredValue stored = ReadMachineValue(PathOf(key, subkey), name);
    if (!stored.found || stored.data.size() != sizeof(DWORD))
        return false;
    std::memcpy(&value, stored.data.data(), sizeof(value));
    return true;
}

bool CardSettingsTest::HasValue(const char* key, const char* name, const char* subkey)
{
    return ReadMachineValue(PathOf(key, subkey), name).found;
}

std::string CardSettingsTest::ReadText(const char* key, const char* name, const char* subkey)
{
    const StoredValue stored = ReadMachineValue(PathOf(key, subkey), name);
    if (!stored.found)
        return "<missing>";
    const char* text = reinterpret_cast<const char*>(stored.data.data());
    return std::string(text, strnlen(text, stored.data.size()));
}

void CardSettingsTest::DeleteValue(const char* key, const char* name, const char* subkey)
{
    DeleteRawValue(HKEY_LOCAL_MACHINE, PathOf(key, subkey), name);
}
