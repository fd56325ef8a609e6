#include "support/registry_tree_guard.h"

namespace {

void SaveTree(HKEY root, REGSAM view, const std::string& base, const std::string& relative,
              std::vector<RegistryTreeGuard::SavedKey>& keys)
{
    const std::string path = relative.empty() ? base : base + "\\" + relative;
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ | view, &key) != ERROR_SUCCESS)
        return;
    RegistryTreeGuard::SavedKey saved;
    saved.path = relative;
    std::vector<std::string> subkeys;
    for (DWORD index = 0;; ++index) {
        char name[16384];
        DWORD nameSize = sizeof(name);
        DWORD type = 0;
        DWORD dataSize = 0;
        if (RegEnumValueA(key, index, name, &nameSize, nullptr, &type, nullptr, &dataSize)
            != ERROR_SUCCESS)
            break;
        RegistryTreeGuard::SavedValue value;
        value.name.assign(name, nameSize);
        value.type = type;
        ReadRawValue(root, path, value.name, value.type, value.data, view);
        saved.values.push_back(value);
    }
    for (DWORD index = 0;; ++index) {
        char name[256];
        DWORD nameSize = sizeof(name);
        if (RegEnumKeyExA(key, index, name, &nameSize, nullptr, nullptr, nullptr, nullptr)
            != ERROR_SUCCESS)
            break;
        subkeys.push_back(std::string(name, nameSize));
    }
    RegCloseKey(key);
    keys.push_back(saved);
    for (const std::string& subkey : subkeys)
        SaveTree(root, view, base, relative.empty() ? subkey : relative + "\\" + subkey, keys);
}

} // namespace

std::vector<RegistryTreeGuard::SavedKey> RegistryTreeGuard::Read(HKEY root, const std::string& path, REGSAM view)
{
    std::vector<SavedKey> keys;
    SaveTree(root, view, path, std::string(), keys);
    return keys;
}

RegistryTreeGuard::RegistryTreeGuard(HKEY root, const std::string& path, REGSAM view)
    : m_root(root)
    , m_view(view)
    , m_path(path)
    , m_parents(root, path, view)
    , m_existed(RegistryKeyExists(root, path, view))
{
    if (m_existed)
        SaveTree(root, view, path, std::string(), m_keys);
}

RegistryTreeGuard::~RegistryTreeGuard()
{
    DeleteKeyTree(m_root, m_path, m_view);
    for (const SavedKey& key : m_keys) {
        const std::string path = key.path.empty() ? m_path : m_path + "\\" + key.path;
        HKEY created = nullptr;
        if (RegCreateKeyExA(m_root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | m_view, nullptr,
                            &created, nullptr) == ERROR_SUCCESS)
            RegCloseKey(created);
        for (const SavedValue& value : key.values)
            WriteRawValue(m_root, path, value.name, value.type, value.data.data(),
                          static_cast<DWORD>(value.data.size()), m_view);
    }
}
