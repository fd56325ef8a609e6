#include "settings/settings_test_support.h"

void SettingsFileTest::TearDown()
{
    SimCardTest::TearDown();
    DrainMessages();
}

void SettingsFileTest::OpenMixer(CWssMixer& mixer) { ASSERT_TRUE(mixer.Open("Halvard 5.1+", 0, 0)); }

std::vector<LONG> SettingsFileTest::ValuesOf(CMixerDevice& mixer, DWORD controlId)
{
    MixerControlEntry* entry = nullptr;
    if (!mixer.FindControl(controlId, entry) || !entry->HasValues())
        return {};
    return std::vector<LONG>(entry->Values(), entry->Values() + entry->count);
}

std::string ResourceBytes(int id)
{
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    if (found == nullptr)
        return std::string();
    HGLOBAL loaded = LoadResource(nullptr, found);
    const char* bytes = static_cast<const char*>(LockResource(loaded));
    return std::string(bytes, SizeofResource(nullptr, found));
}
