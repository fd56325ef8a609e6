#pragma once
// Leaves the registry as a test found it: a key path that did not exist is removed
// again (from its first missing component down), and saved values are put back.
#include <windows.h>

#include <string>
#include <vector>

class RegistryKeyGuard {
public:
    RegistryKeyGuard(HKEY root, const std::string& path);
    ~RegistryKeyGuard();
    RegistryKeyGuard(const RegistryKeyGuard&) = delete;
    RegistryKeyGuard& operator=(const RegistryKeyGuard&) = delete;

private:
    HKEY m_root;
    std::string m_firstMissing; // empty when the whole path existed
};

class RegistryValueGuard {
public:
    RegistryValueGuard(HKEY root, const std::string& path, const std::string& name);
    ~RegistryValueGuard();
    RegistryValueGuard(const RegistryValueGuard&) = delete;
    RegistryValueGuard& operator=(const RegistryValueGuard&) = delete;

private:
    HKEY m_root;
    std::string m_path;
    std::string m_name;
    bool m_existed = false;
    DWORD m_type = 0;
    std::vector<BYTE> m_data;
};

// Test helpers that talk to the registry directly, not through the panel's code.
bool RegistryKeyExists(HKEY root, const std::string& path);
bool WriteRawValue(HKEY root, const std::string& path, const std::string& name, DWORD type,
                   const void* data, DWORD size);
bool ReadRawValue(HKEY root, const std::string& path, const std::string& name, DWORD& type,
                  std::vector<BYTE>& data);
void DeleteRawValue(HKEY root, const std::string& path, const std::string& name);
void DeleteKeyTree(HKEY root, const std::string& path);
