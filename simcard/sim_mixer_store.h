#pragma once
// Where the simulated card keeps its mixer values across runs, as a driver does:
// one registry key of its own below the current user, one binary value per control.

#include <windows.h>

#include <string>
#include <vector>

class SimMixerStore {
public:
    static const char* DefaultKey();

    // An empty path keeps nothing.
    explicit SimMixerStore(std::string keyPath = DefaultKey());

    void SetKey(std::string keyPath) { m_keyPath = std::move(keyPath); }
    const std::string& Key() const { return m_keyPath; }

    // Reads the stored values of a control; false when none of that size are stored.
    bool Load(UINT device, DWORD controlId, std::vector<LONG>& values) const;
    void Save(UINT device, DWORD controlId, const std::vector<LONG>& values) const;
    // Removes the key with everything stored in it.
    void Remove() const;

private:
    std::string DeviceKey(UINT device) const;

    std::string m_keyPath;
};
