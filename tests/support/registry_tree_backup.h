#pragma once
// Gives a test an absent key and puts the key's whole tree back afterwards: what
// was there is moved aside to a backup key of the tests' own and returned at the
// end; what the test created is removed (parents it created are a key guard's).
#include <windows.h>

#include <string>

class RegistryTreeBackup {
public:
    RegistryTreeBackup(HKEY root, const std::string& path);
    ~RegistryTreeBackup();
    RegistryTreeBackup(const RegistryTreeBackup&) = delete;
    RegistryTreeBackup& operator=(const RegistryTreeBackup&) = delete;

private:
    HKEY m_root;
    std::string m_path;
    std::string m_backup; // empty when the key did not exist
    bool m_movedAside = false;
};
