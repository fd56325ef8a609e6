#pragma once
// Leaves a whole registry subtree as a test found it: its keys and values are
// saved at construction and put back (or the tree removed, with any parents that
// were missing) at destruction.
#include "support/registry_guard.h"

#include <windows.h>

#include <string>
#include <vector>

class RegistryTreeGuard {
public:
    RegistryTreeGuard(HKEY root, const std::string& path, REGSAM view = 0);
    ~RegistryTreeGuard();
    RegistryTreeGuard(const RegistryTreeGuard&) = delete;
    RegistryTreeGuard& operator=(const RegistryTreeGuard&) = delete;

    struct SavedValue {
        std::string name;
        DWORD type = 0;
        std::vector<BYTE> data;
    };
    struct SavedKey {
        std::string path; // relative to the guarded key; empty for the key itself
        std::vector<SavedValue> values;
    };

    // The keys and values of a subtree as they are now (empty when it is missing).
    static std::vector<SavedKey> Read(HKEY root, const std::string& path, REGSAM view = 0);

private:
    HKEY m_root;
    REGSAM m_view;
    std::string m_path;
    RegistryKeyGuard m_parents;
    bool m_existed;
    std::vector<SavedKey> m_keys;
};
