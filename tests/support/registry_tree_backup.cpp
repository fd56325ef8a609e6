#include "support/registry_tree_backup.h"

#include "support/registry_guard.h"

#include <shlwapi.h>

#include <cstring>

namespace {

const char* kBackupRoot = "Software\\Halvard Tests\\Tree Backup";

bool CopyTree(HKEY fromRoot, const std::string& from, HKEY toRoot, const std::string& to)
{
    HKEY source = nullptr;
    if (RegOpenKeyExA(fromRoot, from.c_str(), 0, KEY_READ, &source) != ERROR_SUCCESS)
        return false;
    HKEY target = nullptr;
    bool copied = RegCreateKeyExA(toRoot, to.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                  &target, nullptr) == ERROR_SUCCESS;
    if (copied) {
        copied = SHCopyKeyA(source, nullptr, target, 0) == ERROR_SUCCESS;
        RegCloseKey(target);
    }
    RegCloseKey(source);
    return copied;
}

} // namespace

RegistryTreeBackup::RegistryTreeBackup(HKEY root, const std::string& path)
    : m_root(root)
    , m_path(path)
{
    if (!RegistryKeyExists(root, path)) {
        m_movedAside = true;
        return;
    }
    m_backup = std::string(kBackupRoot) + "\\" + std::to_string(GetCurrentProcessId()) + "\\"
        + std::to_string(reinterpret_cast<ULONG_PTR>(this));
    m_movedAside = CopyTree(root, path, HKEY_CURRENT_USER, m_backup);
    if (m_movedAside)
        DeleteKeyTree(root, path);
}

RegistryTreeBackup::~RegistryTreeBackup()
{
    if (!m_movedAside)
        return;
    DeleteKeyTree(m_root, m_path);
    if (m_backup.empty())
        return;
    CopyTree(HKEY_CURRENT_USER, m_backup, m_root, m_path);
    DeleteKeyTree(HKEY_CURRENT_USER, m_backup);
    // The backup's parents go when nothing else is left in them.
    std::string parent = m_backup;
    for (std::string::size_type end; (end = parent.rfind('\\')) > std::strlen(kBackupRoot);) {
        parent.resize(end);
        if (RegDeleteKeyA(HKEY_CURRENT_USER, parent.c_str()) != ERROR_SUCCESS)
            break;
    }
    RegDeleteKeyA(HKEY_CURRENT_USER, kBackupRoot);
}
