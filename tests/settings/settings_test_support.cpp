#include "settings/settings_test_support.h"

#include <fstream>
#include <iterator>
#include <sstream>

void SettingsFileTest::SetUp()
{
    SimCard::Instance().MixerDevices().Store().SetKey(""); // keep nothing across runs
}

void SettingsFileTest::TearDown()
{
    SimCard::Instance().Uninstall();
    SimCard::Instance().MixerDevices().Store().SetKey(SimMixerStore::DefaultKey());
    if (!m_tempPath.empty())
        DeleteFileA(m_tempPath.c_str());
    DrainMessages();
}

void SettingsFileTest::InstallModel(SimCardModel model) { SimCard::Instance().Install(model); }

void SettingsFileTest::OpenMixer(CWssMixer& mixer) { ASSERT_TRUE(mixer.Open("Halvard 5.1+", 0, 0)); }

const std::string& SettingsFileTest::TempPath()
{
    if (m_tempPath.empty()) {
        char folder[MAX_PATH] = {};
        char path[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, folder);
        GetTempFileNameA(folder, "msp", 0, path);
        m_tempPath = path;
    }
    return m_tempPath;
}

void SettingsFileTest::WriteFile(const std::string& bytes)
{
    std::ofstream out(TempPath(), std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string SettingsFileTest::ReadFile()
{
    std::ifstream in(TempPath(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

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

void DrainMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
}
