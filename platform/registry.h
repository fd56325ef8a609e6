#pragma once
// Every registry access of the panel goes through CRegistry. An instance names a
// root and a base path; each operation opens the key afresh, does one thing and
// closes what it opened, reporting 1 for success and 0 for failure.
#include <windows.h>

#include <string>

// The registry view of keys below HKLM\Software that the 64-bit panel shares with the
// 32-bit one (the autostart value, the 3D software's switches): the 32-bit view,
// which a 32-bit build sees anyway.
#ifdef _WIN64
constexpr REGSAM kSharedSoftwareView = KEY_WOW64_32KEY;
#else
constexpr REGSAM kSharedSoftwareView = 0;
#endif

class CRegistry {
public:
    CRegistry();
    virtual ~CRegistry();

    // Accepts the classes-root, current-user, local-machine, users and
    // current-config roots only; anything else leaves the selection unchanged.
    int SetKey(HKEY root, const char* basePath);
    // The registry view every operation opens its keys in: 0 (the process's own),
    // KEY_WOW64_32KEY or KEY_WOW64_64KEY.
    void SetView(REGSAM view) { m_view = view & (KEY_WOW64_32KEY | KEY_WOW64_64KEY); }

    int DeleteValue(const char* valueName, const char* subPath = nullptr);
    // Deletes the subkey together with everything below it.
    int DeleteKey(const char* keyName, const char* subPath = nullptr);
    int CreateKey(const char* keyName, const char* subPath = nullptr,
                  DWORD options = REG_OPTION_NON_VOLATILE, REGSAM access = KEY_ALL_ACCESS);

    // The value's type is not checked; a stored value shorter than 4 bytes is
    // zero-extended.
    int QueryDword(const char* valueName, DWORD* value, const char* subPath = nullptr);
    int SetDword(const char* valueName, DWORD value, const char* subPath = nullptr);
    int SetBinary(const char* valueName, const void* data, DWORD byteCount,
                  const char* subPath = nullptr);
    // On entry *byteCount is the buffer size, on return the stored size.
    int QueryRaw(const char* valueName, void* data, DWORD* byteCount,
                 const char* subPath = nullptr);
    int QueryBinary(const char* valueName, void* data, DWORD bufferSize,
                    const char* subPath = nullptr);
    // Reads a value of any type as text: the buffer always ends up terminated
    // (empty on failure); 0 also when the value and its terminator do not fit.
    int QueryValue(const char* valueName, char* buffer, DWORD bufferSize,
                   const char* subPath = nullptr);
    int SetString(const char* valueName, const char* text, const char* subPath = nullptr);

    // Counts, or -1 when the key cannot be opened or queried.
    int CountValues(const char* subPath = nullptr);
    int CountSubkeys(const char* subPath = nullptr);
    // Names only; the index must be below the count. bufferSize is in characters.
    int EnumValue(DWORD index, char* name, DWORD bufferSize, const char* subPath = nullptr);
    int EnumKey(DWORD index, char* name, DWORD bufferSize, const char* subPath = nullptr);

    HKEY Root() const { return m_root; }
    const std::string& BasePath() const { return m_basePath; }

private:
    enum class Count { Values = 0, Subkeys = 1 };

    std::string PathOf(const char* subPath) const;
    int CountEntries(Count what, const char* subPath);
    int EnumName(Count what, DWORD index, char* name, DWORD bufferSize, const char* subPath);

    HKEY m_root;
    std::string m_basePath;
    REGSAM m_view = 0;
};
