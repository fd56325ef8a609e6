#include "support/registry_guard.h"

#include <shlwapi.h>

bool RegistryKeyExists(HKEY root, const std::string& path, REGSAM view)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ | view, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

bool WriteRawValue(HKEY root, const std::string& path, const std::string& name, DWORD type,
                   const void* data, DWORD size, REGSAM view)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | view, nullptr, &key,
                        nullptr)
        != ERROR_SUCCESS)
        return false;
    const bool written = RegSetValueExA(key, name.c_str(), 0, type,
                                        static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
    RegCloseKey(key);
    return written;
}

bool ReadRawValue(HKEY root, const std::string& path, const std::string& name, DWORD& type,
                  std::vector<BYTE>& data, REGSAM view)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ | view, &key) != ERROR_SUCCESS)
        return false;
    DWORD size = 0;
    bool found = RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
    if (found) {
        data.assign(size, 0);
        found = RegQueryValueExA(key, name.c_str(), nullptr, &type, data.data(), &size)
            == ERROR_SUCCESS;
        data.resize(size);
    }
    RegCloseKey(key);
    return found;
}

void DeleteRawValue(HKEY root, const std::string& path, const std::string& name, REGSAM view)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS | view, &key) != ERROR_SUCCESS)
        return;
    RegDeleteValueA(key, name.c_str());
    RegCloseKey(key);
}

void DeleteKeyTree(HKEY root, const std::string& path, REGSAM view)
{
    const std::string::size_type split = path.rfind('\\');
    if (view == 0 || split == std::string::npos) {
        SHDeleteKeyA(root, path.c_str());
        return;
    }
    // The deletion follows the view of the parent's handle.
    HKEY parent = nullptr;
    if (RegOpenKeyExA(root, path.substr(0, split).c_str(), 0, KEY_ALL_ACCESS | view, &parent)
        != ERROR_SUCCESS)
        return;
    SHDeleteKeyA(parent, path.substr(split + 1).c_str());
    RegCloseKey(parent);
}

RegistryKeyGuard::RegistryKeyGuard(HKEY root, const std::string& path, REGSAM view)
    : m_root(root), m_view(view)
{
    std::string::size_type end = 0;
    while (end != std::string::npos) {
        end = path.find('\\', end + 1);
        const std::string prefix = path.substr(0, end);
        if (!RegistryKeyExists(root, prefix, view)) {
            m_firstMissing = prefix;
            break;
        }
    }
}

RegistryKeyGuard::~RegistryKeyGuard()
{
    if (!m_firstMissing.empty())
        DeleteKeyTree(m_root, m_firstMissing, m_view);
}

RegistryValueGuard::RegistryValueGuard(HKEY root, const std::string& path, const std::string& name,
                                       REGSAM view)
    : m_root(root), m_view(view), m_path(path), m_name(name)
{
    m_existed = ReadRawValue(root, path, name, m_type, m_data, view);
}

RegistryValueGuard::~RegistryValueGuard()
{
    if (m_existed)
        WriteRawValue(m_root, m_path, m_name, m_type, m_data.data(),
                      static_cast<DWORD>(m_data.size()), m_view);
    else
        DeleteRawValue(m_root, m_path, m_name, m_view);
}
