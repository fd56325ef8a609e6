#pragma once
// Leaves the registry as a test found it: a key path that did not exist is removed
// again (from its first missing component down), and saved values are put back.
// Each helper takes an optional registry view (KEY_WOW64_32KEY, KEY_WOW64_64KEY) for
// keys that the 64-bit panel shares with the 32-bit one.
#include <windows.h>

#include <string>
#include <vector>

class RegistryKeyGuard {
public:
    RegistryKeyGuard(HKEY root, const std::string& path, REGSAM view = 0);
    ~RegistryKeyGuard();
    RegistryKeyGuard(const RegistryKeyGuard&) = delete;
    RegistryKeyGuard& operator=(const RegistryKeyGuard&) = delete;

private:
    HKEY m_root;
    REGSAM m_view;
    std::string m_firstMissing; // empty when the whole path existed
};

class RegistryValueGuard {
public:
    RegistryValueGuard(HKEY root, const std::string& path, const std::string& name,
                       REGSAM view = 0);
    ~RegistryValueGuard();
    RegistryValueGuard(const RegistryValueGuard&) = delete;
    RegistryValueGuard& operator=(const RegistryValueGuard&) = delete;

private:
    HKEY m_root;
    REGSAM m_view;
    std::string m_path;
    std::string m_name;
    bool m_existed = false;
    DWORD m_type = 0;
    std::vector<BYTE> m_data;
};

// Test helpers that talk to the registry directly, not through the panel's code.
bool RegistryKeyExists(HKEY root, const std::string& path, REGSAM view = 0);
bool WriteRawValue(HKEY root, const std::string& path, const std::string& name, DWORD type,
                   const void* data, DWORD size, REGSAM view = 0);
bool ReadRawValue(HKEY root, const std::string& path, const std::string& name, DWORD& type,
                  std::vector<BYTE>& data, REGSAM view = 0);
void DeleteRawValue(HKEY root, const std::string& path, const std::string& name, REGSAM view = 0);
void DeleteKeyTree(HKEY root, const std::string& path, REGSAM view = 0);
