#pragma once
// Owns one open registry key and closes it when it goes out of scope.
#include <windows.h>

class RegistryKey {
public:
    RegistryKey() = default;
    ~RegistryKey() { Close(); }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    bool Open(HKEY root, const char* path, REGSAM access)
    {
        Close();
        if (RegOpenKeyExA(root, path, 0, access, &m_key) != ERROR_SUCCESS)
            m_key = nullptr;
        return m_key != nullptr;
    }

    bool Create(HKEY root, const char* path, DWORD options, REGSAM access)
    {
        Close();
        if (RegCreateKeyExA(root, path, 0, nullptr, options, access, nullptr, &m_key, nullptr)
            != ERROR_SUCCESS)
            m_key = nullptr;
        return m_key != nullptr;
    }

    void Close()
    {
        if (m_key != nullptr)
            RegCloseKey(m_key);
        m_key = nullptr;
    }

    HKEY Get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};
