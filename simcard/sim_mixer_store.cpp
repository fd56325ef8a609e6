#include "simcard/sim_mixer_store.h"

#include <cstdio>

#include "platform/registry_key.h"

namespace {

void ValueName(DWORD controlId, char (&name)[16])
{
    std::snprintf(name, sizeof(name), "%lX", static_cast<unsigned long>(controlId));
}

// Deletes a key below the current user with all its subkeys.
void DeleteTree(const std::string& path)
{
    {
        CRegistryKey key;
        if (!key.Open(HKEY_CURRENT_USER, path.c_str(), KEY_READ))
            return;
        char child[256];
        std::vector<std::string> children;
        for (DWORD index = 0;; ++index) {
            DWORD size = sizeof(child);
            if (RegEnumKeyExA(key.Get(), index, child, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
                break;
            children.emplace_back(child, size);
        }
        for (const std::string& name : children)
            DeleteTree(path + "\\" + name);
    }
    RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str());
}

} // namespace

const char* SimMixerStore::DefaultKey()
{
    return "Software\\Norvalis Dirizuzaro GmbH\\Simulated Card\\Mixer";
}

SimMixerStore::SimMixerStore(std::string keyPath) : m_keyPath(std::move(keyPath)) {}

std::string SimMixerStore::DeviceKey(UINT device) const
{
    char name[32];
    std::snprintf(name, sizeof(name), "\\Device %u", device);
    return m_keyPath + name;
}

bool SimMixerStore::Load(UINT device, DWORD controlId, std::vector<LONG>& values) const
{
    if (m_keyPath.empty() || values.empty())
        return false;
    CRegistryKey key;
    if (!key.Open(HKEY_CURRENT_USER, DeviceKey(device).c_str(), KEY_READ))
        return false;
    char name[16];
    ValueName(controlId, name);
    std::vector<LONG> stored(values.size());
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(stored.size() * sizeof(LONG));
    if (RegQueryValueExA(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(stored.data()), &size) !=
            ERROR_SUCCESS ||
        type != REG_BINARY || size != stored.size() * sizeof(LONG))
        return false;
    values = stored;
    return true;
}

void SimMixerStore::Save(UINT device, DWORD controlId, const std::vector<LONG>& values) const
{
    if (m_keyPath.empty())
        return;
    CRegistryKey key;
    if (!key.Create(HKEY_CURRENT_USER, DeviceKey(device).c_str(), REG_OPTION_NON_VOLATILE, KEY_WRITE))
        return;
    char name[16];
    ValueName(controlId, name);
    RegSetValueExA(key.Get(), name, 0, REG_BINARY, reinterpret_cast<const BYTE*>(values.data()),
                   static_cast<DWORD>(values.size() * sizeof(LONG)));
}

void SimMixerStore::Remove() const
{
    if (!m_keyPath.empty())
        DeleteTree(m_keyPath);
}
